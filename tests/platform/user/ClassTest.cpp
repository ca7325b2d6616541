// Window classes: registration sizes, the module a class belongs to, atoms, class
// values and extra bytes, and unregistering under live windows.
#include <gtest/gtest.h>

#include <string>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "platform/win32.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;

const HINSTANCE kOtherModule = HINSTANCE(0x400000);

WNDCLASSEXW ClassInfo(const wchar_t* name, HINSTANCE instance, int classExtra = 0, UINT style = 0) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = DefWindowProcW;
  wc.cbClsExtra = classExtra;
  wc.hInstance = instance;
  wc.lpszClassName = name;
  return wc;
}

// Registered for one test and gone after it, so a repeated run starts afresh.
class ScopedClass {
 public:
  explicit ScopedClass(const WNDCLASSEXW& wc) : name_(wc.lpszClassName), instance_(wc.hInstance) {
    atom_ = RegisterClassExW(&wc);
  }
  ~ScopedClass() { UnregisterClassW(name_.c_str(), instance_); }
  ATOM Atom() const { return atom_; }
  const wchar_t* Name() const { return name_.c_str(); }

 private:
  std::wstring name_;
  HINSTANCE instance_;
  ATOM atom_ = 0;
};

HWND Create(const wchar_t* className, HINSTANCE instance) {
  return CreateWindowExW(0, className, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
}

struct SizeCase {
  const char* scenario;
  int sizeChange;  // added to sizeof(WNDCLASSEXW)
  bool registered;
};

class RegistrationSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(RegistrationSize, MustBeTheStructuresOwn) {
  const SizeCase& c = GetParam();
  TestDriver driver;
  WNDCLASSEXW wc = ClassInfo(L"SizedClass", nullptr);
  wc.cbSize = UINT(int(sizeof(wc)) + c.sizeChange);
  SetLastError(0);
  const ATOM atom = RegisterClassExW(&wc);
  EXPECT_EQ(atom != 0, c.registered);
  if (!c.registered) {
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  }
  UnregisterClassW(L"SizedClass", nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, RegistrationSize,
                         ::testing::Values(SizeCase{"exact", 0, true}, SizeCase{"larger", 16, false},
                                           SizeCase{"short of the small icon", -int(sizeof(HICON)), false},
                                           SizeCase{"zero", -int(sizeof(WNDCLASSEXW)), false}),
                         [](const ::testing::TestParamInfo<SizeCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

struct ExtraCase {
  const char* scenario;
  int classExtra;
  int windowExtra;
  bool registered;
};

class RegistrationExtra : public ::testing::TestWithParam<ExtraCase> {};

TEST_P(RegistrationExtra, RefusesNegativeCounts) {
  const ExtraCase& c = GetParam();
  TestDriver driver;
  WNDCLASSEXW ex = ClassInfo(L"ExtraCountClass", nullptr, c.classExtra);
  ex.cbWndExtra = c.windowExtra;
  SetLastError(0);
  EXPECT_EQ(RegisterClassExW(&ex) != 0, c.registered);
  UnregisterClassW(L"ExtraCountClass", nullptr);
  WNDCLASSW plain{};
  plain.lpfnWndProc = DefWindowProcW;
  plain.cbClsExtra = c.classExtra;
  plain.cbWndExtra = c.windowExtra;
  plain.lpszClassName = L"ExtraCountClass";
  EXPECT_EQ(RegisterClassW(&plain) != 0, c.registered);
  if (!c.registered) {
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  }
  UnregisterClassW(L"ExtraCountClass", nullptr);
}

INSTANTIATE_TEST_SUITE_P(Table, RegistrationExtra,
                         ::testing::Values(ExtraCase{"none", 0, 0, true}, ExtraCase{"some of each", 8, 16, true},
                                           ExtraCase{"negative class bytes", -4, 0, false},
                                           ExtraCase{"negative window bytes", 0, -1, false}),
                         [](const ::testing::TestParamInfo<ExtraCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST(WindowClassRegistration, RegisterClassWNeedsNoSize) {
  TestDriver driver;
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.lpszClassName = L"PlainRegisteredClass";
  EXPECT_NE(RegisterClassW(&wc), 0);
  EXPECT_TRUE(UnregisterClassW(L"PlainRegisteredClass", nullptr));
}

enum class Module { None, Program, Other };

HINSTANCE InstanceOf(Module module) {
  switch (module) {
    case Module::Program: return GetModuleHandleW(nullptr);
    case Module::Other: return kOtherModule;
    default: return nullptr;
  }
}

struct ModuleCase {
  const char* scenario;
  Module registeredWith;
  Module createdWith;
  UINT style;
  bool found;
};

class ClassModule : public ::testing::TestWithParam<ModuleCase> {};

TEST_P(ClassModule, ANullInstanceIsTheProgramsModule) {
  const ModuleCase& c = GetParam();
  TestDriver driver;
  GuiThread gui;
  gui.Call([&] {
    ScopedClass cls(ClassInfo(L"ModuleClass", InstanceOf(c.registeredWith), 0, c.style));
    ASSERT_NE(cls.Atom(), 0);
    SetLastError(0);
    HWND w = Create(cls.Name(), InstanceOf(c.createdWith));
    EXPECT_EQ(w != nullptr, c.found);
    if (!c.found) {
      EXPECT_EQ(GetLastError(), DWORD(ERROR_CANNOT_FIND_WND_CLASS));
    }
    DestroyWindow(w);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassModule,
    ::testing::Values(
        ModuleCase{"registered by the program, created naming none", Module::Program, Module::None, 0, true},
        ModuleCase{"registered naming none, created by the program", Module::None, Module::Program, 0, true},
        ModuleCase{"another module's class, created naming none", Module::Other, Module::None, 0, false},
        ModuleCase{"another module's class, created by it", Module::Other, Module::Other, 0, true},
        ModuleCase{"another module's global class", Module::Other, Module::None, CS_GLOBALCLASS, true}),
    [](const ::testing::TestParamInfo<ModuleCase>& info) { return "Case" + std::to_string(info.index); });

TEST(WindowClassInfo, AnswersTheClassAtom) {
  TestDriver driver;
  ScopedClass cls(ClassInfo(L"AtomClass", nullptr));
  ASSERT_NE(cls.Atom(), 0);
  WNDCLASSEXW ex{};
  ex.cbSize = sizeof(ex);
  const HINSTANCE program = GetModuleHandleW(nullptr);
  EXPECT_EQ(GetClassInfoExW(program, cls.Name(), &ex), BOOL(cls.Atom()));
  WNDCLASSW plain{};
  EXPECT_EQ(GetClassInfoW(program, cls.Name(), &plain), BOOL(cls.Atom()));
  EXPECT_EQ(GetClassInfoExW(program, MAKEINTATOM(cls.Atom()), &ex), BOOL(cls.Atom()));
  EXPECT_FALSE(GetClassInfoExW(program, L"NoSuchClass", &ex));
}

struct InfoCase {
  const char* scenario;
  Module registeredWith;
  UINT style;
  bool foundWithoutModule;
  Module reported;  // the instance GetClassInfoW reports
};

class ClassInfoWithoutModule : public ::testing::TestWithParam<InfoCase> {};

TEST_P(ClassInfoWithoutModule, FindsOnlyTheClassesEveryModuleShares) {
  const InfoCase& c = GetParam();
  TestDriver driver;
  ScopedClass cls(ClassInfo(L"SharedOrNot", InstanceOf(c.registeredWith), 0, c.style));
  ASSERT_NE(cls.Atom(), 0);
  WNDCLASSW info{};
  EXPECT_EQ(GetClassInfoW(nullptr, cls.Name(), &info) != FALSE, c.foundWithoutModule);
  ASSERT_TRUE(GetClassInfoW(InstanceOf(c.registeredWith == Module::None ? Module::Program : c.registeredWith),
                            cls.Name(), &info));
  EXPECT_EQ(info.hInstance, InstanceOf(c.reported));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassInfoWithoutModule,
    ::testing::Values(InfoCase{"the program's class", Module::Program, 0, false, Module::Program},
                      InfoCase{"registered naming no module", Module::None, 0, false, Module::Program},
                      InfoCase{"another module's class", Module::Other, 0, false, Module::Other},
                      InfoCase{"another module's global class", Module::Other, CS_GLOBALCLASS, true, Module::Other},
                      InfoCase{"a global class naming no module", Module::None, CS_GLOBALCLASS, true, Module::None}),
    [](const ::testing::TestParamInfo<InfoCase>& info) { return "Case" + std::to_string(info.index); });

TEST(WindowClassInfo, FindsTheSystemClassesWithoutModule) {
  TestDriver driver;
  WNDCLASSW info{};
  EXPECT_TRUE(GetClassInfoW(nullptr, L"Edit", &info));
}

TEST(WindowClassLongs, TakeAnyByteOffsetInsideTheExtraBytes) {
  TestDriver driver;
  GuiThread gui;
  gui.Call([&] {
    ScopedClass cls(ClassInfo(L"UnalignedClass", nullptr, 10));
    HWND w = Create(cls.Name(), nullptr);
    for (int offset : {1, 3, 6}) {
      SetLastError(0);
      SetClassLongW(w, offset, LONG(0x0A0B0C0D + offset));
      EXPECT_EQ(GetClassLongW(w, offset), DWORD(0x0A0B0C0D + offset)) << offset;
      EXPECT_EQ(GetLastError(), 0u) << offset;
    }
    SetLastError(0);
    EXPECT_EQ(SetClassLongW(w, 7, 1), 0u) << "four bytes from 7 run past the tenth";
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_INDEX));
    DestroyWindow(w);
  });
}

struct ClassLongCase {
  const char* scenario;
  int index;
  bool pointerSized;   // through the *Ptr calls, else GetClassLongW (reading only)
  LONG_PTR value;      // written, then read back (through a second window of the class)
  bool accepted;
};

class ClassLongs : public ::testing::TestWithParam<ClassLongCase> {};

TEST_P(ClassLongs, ReadAndWriteTheClassForEveryWindowOfIt) {
  const ClassLongCase& c = GetParam();
  TestDriver driver;
  GuiThread gui;
  gui.Call([&] {
    ScopedClass cls(ClassInfo(L"ExtraClass", nullptr, 12, CS_DBLCLKS));
    HWND first = Create(cls.Name(), nullptr);
    HWND second = Create(cls.Name(), nullptr);
    SetLastError(0);
    if (!c.pointerSized) {
      EXPECT_EQ(GetClassLongW(first, c.index), DWORD(0));
      EXPECT_EQ(GetLastError(), c.accepted ? DWORD(0) : DWORD(ERROR_INVALID_INDEX));
    } else {
      const ULONG_PTR before = GetClassLongPtrW(first, c.index);
      EXPECT_EQ(SetClassLongPtrW(first, c.index, c.value), c.accepted ? before : 0);
      EXPECT_EQ(GetClassLongPtrW(second, c.index), c.accepted ? ULONG_PTR(c.value) : 0);
      EXPECT_EQ(GetLastError(), c.accepted ? DWORD(0) : DWORD(ERROR_INVALID_INDEX));
    }
    DestroyWindow(first);
    DestroyWindow(second);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, ClassLongs,
    ::testing::Values(
        ClassLongCase{"extra bytes at the start", 0, true, LONG_PTR(0x1122334455667788), true},
        ClassLongCase{"extra bytes that end at the last one", 4, true, LONG_PTR(-2), true},
        ClassLongCase{"a pointer past the end", 8, true, 7, false},
        ClassLongCase{"a LONG at the end still fits", 8, false, 0, true},
        ClassLongCase{"an index before the fixed values", -100, true, 7, false},
        ClassLongCase{"style", GCL_STYLE, true, LONG_PTR(CS_HREDRAW | CS_VREDRAW), true},
        ClassLongCase{"background brush", GCLP_HBRBACKGROUND, true, LONG_PTR(COLOR_WINDOW + 1), true},
        ClassLongCase{"cursor", GCLP_HCURSOR, true, LONG_PTR(0x7F00), true}),
    [](const ::testing::TestParamInfo<ClassLongCase>& info) { return "Case" + std::to_string(info.index); });

TEST(WindowClassUnregistration, IsRefusedWhileWindowsOfTheClassExist) {
  TestDriver driver;
  GuiThread gui;
  gui.Call([&] {
    WNDCLASSEXW wc = ClassInfo(L"BusyClass", nullptr);
    ASSERT_NE(RegisterClassExW(&wc), 0);
    HWND w = Create(L"BusyClass", nullptr);
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(UnregisterClassW(L"BusyClass", nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_CLASS_HAS_WINDOWS));
    EXPECT_TRUE(IsWindow(w));
    DestroyWindow(w);
    EXPECT_TRUE(UnregisterClassW(L"BusyClass", nullptr));
    EXPECT_EQ(Create(L"BusyClass", nullptr), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_CANNOT_FIND_WND_CLASS));
  });
}

}  // namespace
