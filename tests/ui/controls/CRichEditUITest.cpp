// The rich edit in a skin window on the headless backend, input injected: what
// typing, Return, clicks, the wheel, Tab and the input method do and send, its tip
// text and colours, its vertical bar, its caret, and the text-services libraries.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/base/SystemModules.h"
#include "platform/textservices/TextServicesExports.h"
#include "platform/user/ModuleExports.h"
#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CRichEditUI.h"
#include "ui/controls/CTxtWinHost.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using controltest::ControlHarness;
using controltest::ControlPixels;
using controltest::TestSkin;
using Lines = std::vector<std::string>;

// The first tab stop takes the focus when the window shows: a button, so that the
// rich edits start idle.
const wchar_t kSearch[] =
    L"<Button name=\"first\" text=\"First\" height=\"30\"/>"
    L"<RichEdit name=\"find\" height=\"30\" multiline=\"false\" wantreturn=\"false\" tipvalue=\"搜索\" "
    L"textpadding=\"4,6,4,4\"/>"
    L"<RichEdit name=\"memo\" height=\"80\" vscrollbar=\"true\" autovscroll=\"true\"/>"
    L"<Button name=\"other\" text=\"Other\" height=\"30\"/>";

std::wstring TextOf(ControlHarness& h, LPCTSTR name) {
  std::wstring text;
  h.OnGui([&] { text = h.Find(name)->GetText().GetData(); });
  return text;
}

void Type(ControlHarness& h, const std::wstring& keys) {
  for (wchar_t ch : keys) h.Key(UINT(towupper(wint_t(ch))));
}

TEST(RichEdit, TheSearchBoxSendsTextChangedWhileTypingAndReturnOnEnter) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kSearch));
  ASSERT_TRUE(h.Created());
  h.Click(L"find");
  Type(h, L"ab");
  h.Key(VK_RETURN);
  EXPECT_EQ(h.Notifications().Lines(), (Lines{"textchanged:find", "textchanged:find", "return:find"}));
  EXPECT_EQ(TextOf(h, L"find"), L"ab");
}

}  // namespace
