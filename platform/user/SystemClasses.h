#pragma once
// The classes the system provides to every instance ("tooltips_class32", the message
// box, "Edit", the date picker and its month calendar), registered once before any
// lookup.
namespace platform::user {

class SystemClasses {
 public:
  // Lock not held.
  static void Ensure();
};

}  // namespace platform::user
