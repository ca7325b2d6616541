#pragma once
// The keyboard mapping as another program changes it while ours runs (xmodmap, a layout
// switch), on a connection of its own; every key it changed is given back when it goes.
#include <map>
#include <vector>

typedef struct _XDisplay Display;

namespace x11test {

class KeyboardMapping {
 public:
  KeyboardMapping();
  ~KeyboardMapping();
  KeyboardMapping(const KeyboardMapping&) = delete;
  KeyboardMapping& operator=(const KeyboardMapping&) = delete;

  bool ok() const { return display_ != nullptr; }
  // The key that types the keysym now; 0 when none does.
  unsigned CodeOf(unsigned long keysym);
  // The key types `lower` from now on, and `upper` with Shift.
  void Map(unsigned code, unsigned long lower, unsigned long upper);
  // Presses and releases the key by its code, whatever it types.
  void Press(unsigned code);

 private:
  void Change(unsigned code, std::vector<unsigned long> keysyms);

  Display* display_ = nullptr;
  std::map<unsigned, std::vector<unsigned long>> saved_;
};

}  // namespace x11test
