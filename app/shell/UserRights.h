#pragma once
// What the logged-in user may see and do in this module, decided right after login: the
// identity (code, icon, name), the administrator flag, and the plan types and modules of
// the rights record, all stored in the session object. UI thread, once per process.
enum class UserRightsResult {
  Granted,
  // The rights record lists no plan type or no module.
  NoRights,
  // The rights could not be read (no answer, a transport failure, an unreadable reply):
  // the login is refused rather than granting everything.
  Unavailable,
};

UserRightsResult LoadUserRights();
