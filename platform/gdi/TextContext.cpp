#include "platform/gdi/TextContext.h"

#include <memory>

namespace platform::gdi {
namespace {

struct ContextHolder {
  PangoContext* context = nullptr;
  ~ContextHolder() {
    if (context) g_object_unref(context);
  }
};

// The attributes of a layout by underline and strike-out, parsed once per thread: pango
// only references a layout's attribute list, and every layout here has one of four.
struct AttributeLists {
  PangoAttrList* lists[2][2] = {};
  ~AttributeLists() {
    for (auto& pair : lists)
      for (PangoAttrList* list : pair)
        if (list) pango_attr_list_unref(list);
  }
};

PangoAttrList* MakeAttributes(bool underline, bool strikeout) {
  PangoAttrList* attrs = pango_attr_list_new();
  pango_attr_list_insert(attrs, pango_attr_font_features_new("kern 0, liga 0, clig 0, calt 0, dlig 0"));
  if (underline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (strikeout) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
  return attrs;
}

PangoAttrList* AttributesFor(bool underline, bool strikeout) {
  thread_local AttributeLists cache;
  PangoAttrList*& list = cache.lists[underline][strikeout];
  if (!list) list = MakeAttributes(underline, strikeout);
  return list;
}

cairo_font_options_t* MakeOptions() {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  return options;
}

}  // namespace

const cairo_font_options_t* TextContext::FontOptions() {
  static const cairo_font_options_t* options = MakeOptions();
  return options;
}

PangoContext* TextContext::ForThread() {
  thread_local ContextHolder holder;
  if (!holder.context) {
    PangoFontMap* map = pango_cairo_font_map_get_default();
    holder.context = pango_font_map_create_context(map);
    pango_cairo_context_set_font_options(holder.context, FontOptions());
    pango_cairo_context_set_resolution(holder.context, 96.0);
    pango_context_set_round_glyph_positions(holder.context, TRUE);
    pango_context_set_language(holder.context, pango_language_from_string("zh-cn"));
  }
  return holder.context;
}

PangoLayout* TextContext::NewLayout(const std::string& utf8, const PangoFontDescription* font, bool underline,
                                    bool strikeout) {
  PangoLayout* layout = pango_layout_new(ForThread());
  pango_layout_set_single_paragraph_mode(layout, TRUE);
  pango_layout_set_font_description(layout, font);
  pango_layout_set_attributes(layout, AttributesFor(underline, strikeout));
  pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
  return layout;
}

}  // namespace platform::gdi
