// The fakes of the base platform and the digital campus sit beside the other test servers
// in tests/support; the fake-server library is assembled elsewhere, so this suite
// compiles them itself.
#include "tests/support/FakeBasePlatform.cpp"
#include "tests/support/FakeCampusService.cpp"
#include "tests/support/GbkWire.cpp"
#include "tests/support/CivilDate.cpp"
#include "tests/support/FakeRoutesAndPlans.cpp"
