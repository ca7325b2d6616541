#include "platform/gdi/LayoutCache.h"

#include <functional>
#include <iterator>
#include <list>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/gdi/TextContext.h"

namespace platform::gdi {
namespace {

// A page of lists holds a few hundred distinct texts; each layout is a few hundred bytes
// to a few kilobytes.
constexpr size_t kCapacity = 512;

struct Key {
  std::string_view text;  // into the entry's own copy, or the caller's text for a look-up
  const PangoFontDescription* font;
  bool underlined;
  bool struckOut;
  size_t underlineBegin;
  size_t underlineEnd;

  bool operator==(const Key& other) const {
    return text == other.text && font == other.font && underlined == other.underlined &&
           struckOut == other.struckOut && underlineBegin == other.underlineBegin &&
           underlineEnd == other.underlineEnd;
  }
};

struct KeyHash {
  size_t operator()(const Key& key) const {
    size_t hash = std::hash<std::string_view>()(key.text);
    hash ^= std::hash<const void*>()(key.font) + 0x9E3779B97F4A7C15ull + (hash << 6) + (hash >> 2);
    return hash ^ (key.underlineBegin << 2) ^ (key.underlineEnd << 12) ^ (key.underlined ? 1u : 0u) ^
           (key.struckOut ? 2u : 0u);
  }
};

struct Entry {
  std::string text;
  Key key;
  PangoLayout* layout;
};

PangoLayout* MakeLayout(const std::string& utf8, const PangoFontDescription* font, bool underlined, bool struckOut,
                        LayoutCache::Underline underline) {
  PangoLayout* layout = TextContext::NewLayout(utf8, font, underlined, struckOut);
  if (underline.begin == underline.end) return layout;
  PangoAttrList* attrs = pango_attr_list_copy(pango_layout_get_attributes(layout));
  PangoAttribute* single = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
  single->start_index = static_cast<guint>(underline.begin);
  single->end_index = static_cast<guint>(underline.end);
  pango_attr_list_insert(attrs, single);
  pango_layout_set_attributes(layout, attrs);
  pango_attr_list_unref(attrs);
  return layout;
}

// Most recently used first.
class ThreadCache {
 public:
  ~ThreadCache() {
    for (Entry& entry : entries_) g_object_unref(entry.layout);
  }

  PangoLayout* Get(const std::string& utf8, const PangoFontDescription* font, bool underlined, bool struckOut,
                   LayoutCache::Underline underline) {
    Key key{utf8, font, underlined, struckOut, underline.begin, underline.end};
    auto found = index_.find(key);
    // A font is known by its description's address; the comparison guards against an
    // address used again by another font.
    if (found != index_.end() && !pango_font_description_equal(
                                      pango_layout_get_font_description(found->second->layout), font)) {
      Remove(found->second);
      found = index_.end();
    }
    if (found != index_.end()) {
      entries_.splice(entries_.begin(), entries_, found->second);
      return static_cast<PangoLayout*>(g_object_ref(found->second->layout));
    }
    PangoLayout* layout = MakeLayout(utf8, font, underlined, struckOut, underline);
    if (FirstSight(key)) return layout;
    if (entries_.size() >= kCapacity) Evict();
    entries_.push_front(Entry{utf8, key, layout});
    Entry& entry = entries_.front();
    entry.key.text = entry.text;
    index_.emplace(entry.key, entries_.begin());
    return static_cast<PangoLayout*>(g_object_ref(entry.layout));
  }

 private:
  // A text is kept from its second drawing within the last kRemembered texts that were
  // not kept. A list scrolled through shows most texts once, or again only after more
  // texts than the cache holds: keeping those would only push out the texts drawn again,
  // and free layouts long out of the processor's cache.
  bool FirstSight(const Key& key) {
    const size_t hash = KeyHash()(key);
    if (seen_.count(hash)) return false;
    if (seenOrder_.size() == kRemembered) {
      seen_.erase(seenOrder_[oldest_]);
      seenOrder_[oldest_] = hash;
      oldest_ = (oldest_ + 1) % kRemembered;
    } else {
      seenOrder_.push_back(hash);
    }
    seen_.insert(hash);
    return true;
  }

  void Evict() { Remove(std::prev(entries_.end())); }

  void Remove(std::list<Entry>::iterator entry) {
    index_.erase(entry->key);
    g_object_unref(entry->layout);
    entries_.erase(entry);
  }

  std::list<Entry> entries_;
  std::unordered_map<Key, std::list<Entry>::iterator, KeyHash> index_;
  static constexpr size_t kRemembered = 2 * kCapacity;
  std::unordered_set<size_t> seen_;  // hashes of texts met once lately
  std::vector<size_t> seenOrder_;    // the same, oldest at oldest_ once full
  size_t oldest_ = 0;
};

}  // namespace

PangoLayout* LayoutCache::Get(const std::string& utf8, const PangoFontDescription* font, bool underlined,
                              bool struckOut, Underline underline) {
  thread_local ThreadCache cache;
  return cache.Get(utf8, font, underlined, struckOut, underline);
}

}  // namespace platform::gdi
