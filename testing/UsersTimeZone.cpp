// Every test process runs in the time zone of the program's users, whether ctest or a
// developer starts it, so dates read off the wall clock are the ones they would see.
#include <cstdlib>
#include <ctime>

namespace {

struct UsersTimeZone {
  UsersTimeZone() {
    setenv("TZ", "Asia/Shanghai", 1);
    tzset();
  }
};

const UsersTimeZone g_usersTimeZone;

}  // namespace
