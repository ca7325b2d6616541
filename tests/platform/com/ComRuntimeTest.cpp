// The COM runtime: GUID texts, per-thread initialisation, the class registry and the
// automation value.
#include <gtest/gtest.h>

#include <atomic>
#include <cwchar>
#include <string>
#include <thread>
#include <vector>

#include "platform/com/Com.h"
#include "platform/com/OleApartment.h"

namespace {

using platform::com::ClassRegistry;

const CLSID kTestClass = {0x12345678, 0x9ABC, 0xDEF0, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}};
const IID kOtherInterface = {0x0BADF00D, 0x0001, 0x0002, {0, 0, 0, 0, 0, 0, 0, 1}};

// A dispatch object that counts its live instances.
class CountedObject final : public IDispatch {
 public:
  static std::atomic<int> live;

  CountedObject() { ++live; }
  HRESULT QueryInterface(REFIID riid, void** object) override {
    if (riid != IID_IUnknown && riid != IID_IDispatch) {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++references_; }
  ULONG Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }

 private:
  ~CountedObject() { --live; }
  std::atomic<ULONG> references_{1};
};
std::atomic<int> CountedObject::live{0};

HRESULT CreateCounted(REFIID riid, void** object) {
  auto* created = new CountedObject();
  const HRESULT hr = created->QueryInterface(riid, object);
  created->Release();
  return hr;
}

// Registers the test class for one test and initialises COM on the test's thread.
class ComRuntimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ClassRegistry::Register(kTestClass, L"Patrol.TestObject", CreateCounted));
    ASSERT_EQ(CoInitialize(nullptr), S_OK);
  }
  void TearDown() override {
    CoUninitialize();
    ClassRegistry::Unregister(kTestClass);
    EXPECT_EQ(CountedObject::live.load(), 0);
  }
};

TEST(GuidText, RoundTripsAndRefusesMalformedText) {
  wchar_t text[39] = {};
  ASSERT_EQ(StringFromGUID2(kTestClass, text, 39), 39);
  EXPECT_STREQ(text, L"{12345678-9ABC-DEF0-0123-456789ABCDEF}");
  EXPECT_EQ(StringFromGUID2(kTestClass, text, 38), 0) << "no room for the terminator";

  struct Case {
    const wchar_t* text;
    bool parses;
  } cases[] = {
      {L"{12345678-9ABC-DEF0-0123-456789ABCDEF}", true},
      {L"{12345678-9abc-def0-0123-456789abcdef}", true},
      {L"12345678-9ABC-DEF0-0123-456789ABCDEF", false},
      {L"{12345678-9ABC-DEF0-0123-456789ABCDE}", false},
      {L"{12345678-9ABC-DEF0-0123-456789ABCDEG}", false},
      {L"{12345678+9ABC-DEF0-0123-456789ABCDEF}", false},
      {L"", false},
  };
  for (const Case& c : cases) {
    CLSID clsid{};
    const HRESULT hr = CLSIDFromString(c.text, &clsid);
    EXPECT_EQ(hr, c.parses ? NOERROR : CO_E_CLASSSTRING) << c.text;
    EXPECT_EQ(clsid == kTestClass, c.parses) << c.text;
  }
}

TEST_F(ComRuntimeTest, ProgIdsFindTheirClassIgnoringAsciiCase) {
  struct Case {
    const wchar_t* progId;
    HRESULT expected;
  } cases[] = {
      {L"Patrol.TestObject", S_OK},
      {L"patrol.testobject", S_OK},
      {L"Patrol.Other", CO_E_CLASSSTRING},
      {L"", CO_E_CLASSSTRING},
  };
  for (const Case& c : cases) {
    CLSID clsid = kOtherInterface;
    EXPECT_EQ(CLSIDFromProgID(c.progId, &clsid), c.expected) << c.progId;
    EXPECT_EQ(clsid, SUCCEEDED(c.expected) ? kTestClass : GUID_NULL) << c.progId;
  }
  CLSID clsid{};
  EXPECT_EQ(CLSIDFromString(L"Patrol.TestObject", &clsid), NOERROR) << "a ProgID is a class string too";
  EXPECT_EQ(clsid, kTestClass);
}

TEST_F(ComRuntimeTest, CreatesRegisteredClassesOnly) {
  const CLSID unknown = {0xFFFFFFFF, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
  CountedObject* outer = new CountedObject();
  struct Case {
    const char* what;
    const CLSID* clsid;
    IUnknown* outer;
    const IID* iid;
    HRESULT expected;
  } cases[] = {
      {"registered, IDispatch", &kTestClass, nullptr, &IID_IDispatch, S_OK},
      {"registered, IUnknown", &kTestClass, nullptr, &IID_IUnknown, S_OK},
      {"an interface the class refuses", &kTestClass, nullptr, &kOtherInterface, E_NOINTERFACE},
      {"an unknown class", &unknown, nullptr, &IID_IDispatch, REGDB_E_CLASSNOTREG},
      {"aggregation", &kTestClass, outer, &IID_IDispatch, CLASS_E_NOAGGREGATION},
  };
  for (const Case& c : cases) {
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(CoCreateInstance(*c.clsid, c.outer, CLSCTX_ALL, *c.iid, &object), c.expected) << c.what;
    EXPECT_EQ(object != nullptr, SUCCEEDED(c.expected)) << c.what;
    if (object) static_cast<IUnknown*>(object)->Release();
  }
  EXPECT_EQ(CoCreateInstance(kTestClass, nullptr, CLSCTX_ALL, IID_IDispatch, nullptr), E_POINTER);
  outer->Release();
}

TEST_F(ComRuntimeTest, AnUnregisteredClassIsMissingUntilRegisteredAgain) {
  ASSERT_TRUE(ClassRegistry::Unregister(kTestClass));
  EXPECT_FALSE(ClassRegistry::Unregister(kTestClass));
  void* object = nullptr;
  EXPECT_EQ(CoCreateInstance(kTestClass, nullptr, CLSCTX_ALL, IID_IDispatch, &object), REGDB_E_CLASSNOTREG);
  CLSID clsid{};
  EXPECT_EQ(CLSIDFromProgID(L"Patrol.TestObject", &clsid), CO_E_CLASSSTRING);

  ASSERT_TRUE(ClassRegistry::Register(kTestClass, L"Patrol.TestObject", CreateCounted));
  ASSERT_EQ(CoCreateInstance(kTestClass, nullptr, CLSCTX_ALL, IID_IDispatch, &object), S_OK);
  static_cast<IDispatch*>(object)->Release();
}

TEST(Apartment, CountsInitialisationsPerThread) {
  EXPECT_EQ(CoInitialize(nullptr), S_OK);
  EXPECT_EQ(CoInitialize(nullptr), S_FALSE);
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE) << "not counted";
  EXPECT_EQ(CoInitialize(reinterpret_cast<LPVOID>(1)), E_INVALIDARG);
  EXPECT_EQ(platform::com::ThreadInitCount(), 2);

  std::thread other([] {
    EXPECT_EQ(platform::com::ThreadInitCount(), 0);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    CoUninitialize();
  });
  other.join();

  CoUninitialize();
  CoUninitialize();
  CoUninitialize();  // one too many changes nothing
  EXPECT_EQ(platform::com::ThreadInitCount(), 0);
  EXPECT_EQ(CoInitialize(nullptr), S_OK) << "the next initialisation is a first one again";
  CoUninitialize();
}

TEST(Apartment, CreationNeedsAnInitialisedThread) {
  ASSERT_TRUE(ClassRegistry::Register(kTestClass, L"", CreateCounted));
  void* object = nullptr;
  EXPECT_EQ(CoCreateInstance(kTestClass, nullptr, CLSCTX_ALL, IID_IDispatch, &object), CO_E_NOTINITIALIZED);
  EXPECT_EQ(object, nullptr);
  ClassRegistry::Unregister(kTestClass);
}

TEST_F(ComRuntimeTest, VariantClearGivesBackWhatTheVariantHolds) {
  VARIANT text;
  VariantInit(&text);
  text.vt = VT_BSTR;
  text.bstrVal = SysAllocString(L"巡更");
  EXPECT_EQ(VariantClear(&text), S_OK);
  EXPECT_EQ(text.vt, VT_EMPTY);

  VARIANT object;
  VariantInit(&object);
  ASSERT_EQ(CoCreateInstance(kTestClass, nullptr, CLSCTX_ALL, IID_IDispatch, reinterpret_cast<void**>(&object.pdispVal)),
            S_OK);
  object.vt = VT_DISPATCH;
  EXPECT_EQ(CountedObject::live.load(), 1);
  EXPECT_EQ(VariantClear(&object), S_OK);
  EXPECT_EQ(CountedObject::live.load(), 0) << "the variant's reference was the last one";

  VARIANT strange;
  VariantInit(&strange);
  strange.vt = 0x4000;
  EXPECT_EQ(VariantClear(&strange), DISP_E_BADVARTYPE);
  EXPECT_EQ(strange.vt, 0x4000);
}

TEST_F(ComRuntimeTest, VariantCopyGivesTheCopyItsOwnTextAndReference) {
  IDispatch* object = nullptr;
  ASSERT_EQ(CoCreateInstance(kTestClass, nullptr, CLSCTX_ALL, IID_IDispatch, reinterpret_cast<void**>(&object)), S_OK);
  struct Case {
    const char* what;
    VARIANT source;
  };
  std::vector<Case> cases(6);
  for (Case& c : cases) VariantInit(&c.source);
  cases[0].what = "empty";
  cases[1].what = "bool";
  cases[1].source.vt = VT_BOOL;
  cases[1].source.boolVal = VARIANT_TRUE;
  cases[2].what = "i4";
  cases[2].source.vt = VT_I4;
  cases[2].source.lVal = -42;
  cases[3].what = "text";
  cases[3].source.vt = VT_BSTR;
  cases[3].source.bstrVal = SysAllocStringLen(L"a\0巡", 3);
  cases[4].what = "dispatch";
  cases[4].source.vt = VT_DISPATCH;
  cases[4].source.pdispVal = object;
  object->AddRef();
  cases[5].what = "unknown";
  cases[5].source.vt = VT_UNKNOWN;
  cases[5].source.punkVal = object;
  object->AddRef();

  for (Case& c : cases) {
    VARIANT copy;
    VariantInit(&copy);
    copy.vt = VT_BSTR;
    copy.bstrVal = SysAllocString(L"given back by the copy");
    ASSERT_EQ(VariantCopy(&copy, &c.source), S_OK) << c.what;
    EXPECT_EQ(copy.vt, c.source.vt) << c.what;
    if (c.source.vt == VT_BSTR) {
      EXPECT_NE(copy.bstrVal, c.source.bstrVal) << "a text of its own";
      EXPECT_EQ(SysStringLen(copy.bstrVal), 3u);
      EXPECT_EQ(std::wstring(copy.bstrVal, 3), std::wstring(L"a\0巡", 3));
    } else {
      EXPECT_EQ(copy.llVal, c.source.llVal) << c.what;
    }
    EXPECT_EQ(VariantClear(&copy), S_OK) << c.what;
    EXPECT_EQ(copy.vt, VT_EMPTY) << c.what;
    EXPECT_EQ(VariantClear(&c.source), S_OK) << c.what;
  }
  EXPECT_EQ(CountedObject::live.load(), 1) << "both copies gave their reference back";
  object->Release();

  VARIANT strange;
  VariantInit(&strange);
  strange.vt = 0x4000;
  VARIANT kept;
  VariantInit(&kept);
  kept.vt = VT_I4;
  kept.lVal = 7;
  EXPECT_EQ(VariantCopy(&kept, &strange), DISP_E_BADVARTYPE);
  EXPECT_EQ(kept.vt, VT_I4) << "a refused copy leaves the destination alone";
  EXPECT_EQ(VariantCopy(&kept, &kept), S_OK);
  EXPECT_EQ(kept.lVal, 7);
}

TEST(OleApartment, OleInitialisationIsCountedWithComs) {
  EXPECT_EQ(OleInitialize(nullptr), S_OK);
  EXPECT_EQ(CoInitialize(nullptr), S_FALSE) << "the same single-threaded apartment";
  EXPECT_EQ(platform::com::ThreadInitCount(), 2);
  CoUninitialize();
  OleUninitialize();
  EXPECT_EQ(platform::com::ThreadInitCount(), 0);

  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
  EXPECT_EQ(OleInitialize(nullptr), RPC_E_CHANGED_MODE) << "OLE needs a single-threaded apartment";
  CoUninitialize();

  CountedObject* object = new CountedObject();
  EXPECT_EQ(OleLockRunning(object, TRUE, FALSE), S_OK);
  EXPECT_EQ(OleLockRunning(object, FALSE, FALSE), S_OK);
  EXPECT_EQ(OleLockRunning(nullptr, TRUE, FALSE), E_INVALIDARG);
  object->Release();
}

}  // namespace
