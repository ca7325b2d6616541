#pragma once
// The classes the system provides to every instance ("tooltips_class32" and the
// message box), registered once before any lookup.
namespace platform::user {

class SystemClasses {
 public:
  // Lock not held.
  static void Ensure();
};

}  // namespace platform::user
