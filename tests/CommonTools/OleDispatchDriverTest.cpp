// The class library's automation pieces: the dispatch holder's calls as the object sees
// them, its results and exceptions, and the message box it reports with.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "CommonTools/AfxMessageBox.h"
#include "CommonTools/COleDispatchDriver.h"
#include "CommonTools/COleDispatchException.h"
#include "CommonTools/COleException.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"

namespace {

// One argument as the object received it.
struct Received {
  VARTYPE vt;
  std::wstring value;  // the text, the number, or the error code in decimal
};

struct ReceivedCall {
  DISPID id;
  WORD flags;
  std::vector<Received> positional;  // in call order
  std::vector<DISPID> named;
};

// An object that records each call and answers with what the test scripted.
class ScriptedObject final : public IDispatch {
 public:
  static std::atomic<int> live;

  ScriptedObject() { ++live; }

  std::vector<ReceivedCall> calls;
  // Runs inside each call before its arguments are read, as a callee calling out would.
  std::function<void()> during;
  HRESULT answer = S_OK;
  VARIANT result{};
  WORD rejectionCode = 0;
  std::wstring rejection;

  HRESULT QueryInterface(REFIID riid, void** object) override {
    if (riid != IID_IUnknown && riid != IID_IDispatch) return E_NOINTERFACE;
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
  HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
  HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* out, EXCEPINFO* info,
                 UINT*) override {
    if (during) during();
    ReceivedCall call{id, flags, {}, {}};
    for (UINT i = 0; i < params->cNamedArgs; ++i) call.named.push_back(params->rgdispidNamedArgs[i]);
    for (UINT i = params->cArgs; i-- > 0;) call.positional.push_back(Describe(params->rgvarg[i]));
    calls.push_back(call);
    if (answer == DISP_E_EXCEPTION) {
      info->wCode = rejectionCode;
      info->bstrDescription = SysAllocString(rejection.c_str());
      info->bstrSource = SysAllocString(L"scripted");
      return answer;
    }
    if (FAILED(answer)) return answer;
    if (out) {
      *out = result;
      if (result.vt == VT_DISPATCH) result.pdispVal->AddRef();
      if (result.vt == VT_BSTR) out->bstrVal = SysAllocString(result.bstrVal);
    }
    return S_OK;
  }

 private:
  ~ScriptedObject() {
    VariantClear(&result);
    --live;
  }
  static Received Describe(const VARIANT& v) {
    switch (v.vt) {
      case VT_I2:
        return {v.vt, std::to_wstring(v.iVal)};
      case VT_I4:
        return {v.vt, std::to_wstring(v.lVal)};
      case VT_BSTR:
        // The length in front of the characters must agree with the text.
        return {v.vt, std::wstring(v.bstrVal, SysStringLen(v.bstrVal))};
      case VT_ERROR:
        return {v.vt, std::to_wstring(static_cast<uint32_t>(v.scode))};
      default:
        return {v.vt, L""};
    }
  }
  std::atomic<ULONG> references_{1};
};
std::atomic<int> ScriptedObject::live{0};

const std::wstring kOmitted = std::to_wstring(0x80020004u);

class OleDispatchDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    object = new ScriptedObject();
    driver.AttachDispatch(object);
  }
  void TearDown() override {
    driver.ReleaseDispatch();
    EXPECT_EQ(ScriptedObject::live.load(), 0);
  }

  ScriptedObject* object = nullptr;
  COleDispatchDriver driver;
};

TEST_F(OleDispatchDriverTest, PassesArgumentsInOrderWithTheirTypes) {
  static const BYTE kItem[] = VTS_I4 VTS_I4 VTS_BSTR;
  static const BYTE kClose[] = VTS_I2 VTS_BSTR VTS_VARIANT;
  VARIANT omitted;
  VariantInit(&omitted);
  omitted.vt = VT_ERROR;
  omitted.scode = DISP_E_PARAMNOTFOUND;

  driver.InvokeHelper(0xaa, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kItem, 3, 1, L"巡更点");
  driver.InvokeHelper(0x115, DISPATCH_METHOD, VT_EMPTY, nullptr, kClose, 0, L"D:\\a.xls", &omitted);
  driver.SetProperty(0x68, VT_I2, 16);
  driver.InvokeHelper(0x12e, DISPATCH_METHOD, VT_EMPTY, nullptr, reinterpret_cast<const BYTE*>(VTS_NONE));

  ASSERT_EQ(object->calls.size(), 4u);
  struct Expected {
    DISPID id;
    WORD flags;
    std::vector<Received> positional;
    std::vector<DISPID> named;
  } expected[] = {
      {0xaa, DISPATCH_PROPERTYPUT, {{VT_I4, L"3"}, {VT_I4, L"1"}, {VT_BSTR, L"巡更点"}}, {DISPID_PROPERTYPUT}},
      {0x115, DISPATCH_METHOD, {{VT_I2, L"0"}, {VT_BSTR, L"D:\\a.xls"}, {VT_ERROR, kOmitted}}, {}},
      {0x68, DISPATCH_PROPERTYPUT, {{VT_I2, L"16"}}, {DISPID_PROPERTYPUT}},
      {0x12e, DISPATCH_METHOD, {}, {}},
  };
  for (size_t i = 0; i < 4; ++i) {
    const ReceivedCall& call = object->calls[i];
    EXPECT_EQ(call.id, expected[i].id) << i;
    EXPECT_EQ(call.flags, expected[i].flags) << i;
    EXPECT_EQ(call.named, expected[i].named) << i;
    ASSERT_EQ(call.positional.size(), expected[i].positional.size()) << i;
    for (size_t a = 0; a < call.positional.size(); ++a) {
      EXPECT_EQ(call.positional[a].vt, expected[i].positional[a].vt) << i << " argument " << a;
      EXPECT_EQ(call.positional[a].value, expected[i].positional[a].value) << i << " argument " << a;
    }
  }
}

TEST_F(OleDispatchDriverTest, TextsOfCallAfterCallArriveWholeAndACallInsideACallKeepsTheOuterTexts) {
  static const BYTE kItem[] = VTS_I4 VTS_I4 VTS_BSTR;
  const std::wstring texts[] = {L"一号楼东门巡更点", L"东门", L"", std::wstring(300, L'x'), L"b"};
  for (const std::wstring& text : texts) driver.InvokeHelper(0xaa, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kItem, 1, 1, text.c_str());
  ASSERT_EQ(object->calls.size(), std::size(texts));
  for (size_t i = 0; i < std::size(texts); ++i) {
    ASSERT_EQ(object->calls[i].positional.size(), 3u);
    EXPECT_EQ(object->calls[i].positional[2].value, texts[i]) << i;
  }

  ScriptedObject* inner = new ScriptedObject();
  COleDispatchDriver innerDriver(inner);
  object->during = [&] {
    object->during = nullptr;
    innerDriver.InvokeHelper(0xaa, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kItem, 2, 2, L"inner text");
  };
  driver.InvokeHelper(0xaa, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, kItem, 3, 3, L"outer");
  ASSERT_EQ(inner->calls.size(), 1u);
  EXPECT_EQ(inner->calls[0].positional[2].value, L"inner text");
  EXPECT_EQ(object->calls.back().positional[2].value, L"outer");
  innerDriver.ReleaseDispatch();

  static const BYTE kSeventeen[] = VTS_BSTR VTS_BSTR VTS_BSTR VTS_BSTR VTS_BSTR VTS_BSTR VTS_BSTR VTS_BSTR VTS_BSTR
      VTS_BSTR VTS_BSTR VTS_BSTR VTS_BSTR VTS_BSTR VTS_BSTR VTS_BSTR VTS_I4;
  driver.InvokeHelper(0x11c, DISPATCH_METHOD, VT_EMPTY, nullptr, kSeventeen, L"a", L"b", L"c", L"d", L"e", L"f", L"g",
                      L"h", L"i", L"j", L"k", L"l", L"m", L"n", L"o", L"p", 17);
  const std::vector<Received>& many = object->calls.back().positional;
  ASSERT_EQ(many.size(), 17u);
  EXPECT_EQ(many[0].value, L"a");
  EXPECT_EQ(many[15].value, L"p");
  EXPECT_EQ(many[16].value, L"17");
}

TEST_F(OleDispatchDriverTest, ReturnsValuesOfTheTypeAskedFor) {
  object->result.vt = VT_I4;
  object->result.lVal = 1048576;
  LONG count = 0;
  driver.GetProperty(0x76, VT_I4, &count);
  EXPECT_EQ(count, 1048576);

  object->result.lVal = 7;
  SHORT small = 0;
  driver.GetProperty(0x76, VT_I2, &small);
  EXPECT_EQ(small, 7) << "a 32-bit value that fits converts";

  VariantClear(&object->result);
  object->result.vt = VT_DISPATCH;
  object->result.pdispVal = new ScriptedObject();
  LPDISPATCH range = nullptr;
  driver.GetProperty(0xee, VT_DISPATCH, &range);
  ASSERT_EQ(range, object->result.pdispVal);
  COleDispatchDriver held(range);  // takes the reference the call handed over
  held.ReleaseDispatch();
  EXPECT_EQ(ScriptedObject::live.load(), 2) << "the object keeps its own reference";

  VariantClear(&object->result);
  object->result.vt = VT_BSTR;
  object->result.bstrVal = SysAllocString(L"text");
  try {
    driver.GetProperty(0x76, VT_I4, &count);
    ADD_FAILURE() << "a text is no number";
  } catch (const COleException& e) {
    EXPECT_EQ(e.m_sc, DISP_E_TYPEMISMATCH);
  }
}

TEST_F(OleDispatchDriverTest, RejectedAndFailedCallsThrowTheirOwnExceptions) {
  object->answer = DISP_E_EXCEPTION;
  object->rejectionCode = 1004;
  object->rejection = L"Unable to set the LineStyle property of the Border class";
  try {
    driver.SetProperty(0x77, VT_I2, 1);
    ADD_FAILURE() << "no exception";
  } catch (const COleDispatchException& e) {
    EXPECT_EQ(e.m_wCode, 1004);
    EXPECT_EQ(std::wstring(e.m_strDescription), object->rejection);
    EXPECT_EQ(std::wstring(e.m_strSource), L"scripted");
  }

  object->answer = DISP_E_MEMBERNOTFOUND;
  try {
    driver.SetProperty(0x999, VT_I2, 1);
    ADD_FAILURE() << "no exception";
  } catch (const COleException& e) {
    EXPECT_EQ(e.m_sc, DISP_E_MEMBERNOTFOUND);
  }
}

TEST(OleDispatchDriver, AnEmptyHolderDoesNothing) {
  COleDispatchDriver empty;
  LONG count = -5;
  empty.GetProperty(0x76, VT_I4, &count);
  empty.SetProperty(0x6e, VT_BSTR, L"x");
  EXPECT_EQ(count, -5);
  EXPECT_TRUE(empty.IsEmpty());
}

TEST(OleDispatchDriver, HoldsOneReferenceUnlessToldOtherwise) {
  auto* object = new ScriptedObject();
  {
    COleDispatchDriver holder(object);
    object->AddRef();
    COleDispatchDriver borrowed;
    borrowed.AttachDispatch(object, FALSE);
  }
  EXPECT_EQ(ScriptedObject::live.load(), 1) << "the borrowed holder gave nothing back";
  COleDispatchDriver detaching(object);
  EXPECT_EQ(detaching.DetachDispatch(), object);
  EXPECT_EQ(ScriptedObject::live.load(), 1);
  object->Release();
  EXPECT_EQ(ScriptedObject::live.load(), 0);
}

TEST(OleDispatchDriver, CreatesOnlyWhatIsRegistered) {
  ASSERT_EQ(CoInitialize(nullptr), S_OK);
  const CLSID clsid = {0x5C5C5C5C, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
  platform::com::ClassRegistry::Register(clsid, L"Patrol.Scripted", [](REFIID riid, void** out) {
    auto* created = new ScriptedObject();
    const HRESULT hr = created->QueryInterface(riid, out);
    created->Release();
    return hr;
  });
  COleDispatchDriver driver;
  SCODE error = S_OK;
  EXPECT_TRUE(driver.CreateDispatch(L"Patrol.Scripted", &error));
  EXPECT_EQ(ScriptedObject::live.load(), 1);
  driver.ReleaseDispatch();
  EXPECT_EQ(ScriptedObject::live.load(), 0);

  platform::com::ClassRegistry::Unregister(clsid);
  EXPECT_FALSE(driver.CreateDispatch(L"Patrol.Scripted", &error));
  EXPECT_EQ(error, CO_E_CLASSSTRING);
  EXPECT_TRUE(driver.IsEmpty());
  CoUninitialize();
}

TEST(AfxMessageBox, ShowsTheProgramsNameWithTheErrorIconOnAWorker) {
  platform::headless::TestDriver screen;
  platform::headless::GuiThread worker;
  std::atomic<int> answer{-1};
  worker.Post([&] { answer = AfxMessageBox(L"EXCEL初始化时出错!", MB_ICONERROR); });
  ASSERT_TRUE(screen.WaitIdle());
  const auto boxes = screen.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"EXCEL初始化时出错!");
  EXPECT_EQ(boxes[0].caption, L"test_CommonTools");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
  ASSERT_TRUE(screen.AnswerMessageBox(IDOK));
  ASSERT_TRUE(screen.WaitIdle());
  EXPECT_EQ(answer.load(), IDOK);
}

}  // namespace
