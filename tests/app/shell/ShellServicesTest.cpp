#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/shell/ShellServices.h"

namespace {

struct Toast {
  std::wstring text;
  int seconds;
};

class ShowToastTest : public ::testing::Test {
 protected:
  void TearDown() override { SetToastHandler(nullptr); }

  ToastHandler Recorder() {
    return [this](const std::wstring& text, int seconds) {
      std::lock_guard<std::mutex> lock(mutex_);
      toasts_.push_back({text, seconds});
    };
  }

  std::mutex mutex_;
  std::vector<Toast> toasts_;
};

TEST_F(ShowToastTest, WithoutAHandlerTheTextIsDropped) {
  EXPECT_EQ(g_pFeedBackWnd, nullptr);
  ShowToast(L"新的巡更记录", 3);  // must simply return
}

// The broker consumer shows toasts from its own thread while the UI thread may be
// showing others: every call reaches the handler whole.
TEST_F(ShowToastTest, CallsFromSeveralThreadsAllArrive) {
  SetToastHandler(Recorder());
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([t] {
      for (int i = 0; i < 50; ++i) ShowToast(L"记录" + std::to_wstring(t), i);
    });
  }
  for (std::thread& thread : threads) thread.join();

  ASSERT_EQ(toasts_.size(), 200u);
  int perThread[4] = {0};
  for (const Toast& toast : toasts_) {
    ASSERT_EQ(toast.text.size(), 3u);
    ++perThread[toast.text[2] - L'0'];
  }
  for (int count : perThread) EXPECT_EQ(count, 50);
}

// A handler may replace itself while it runs, and the replaced one is handed back.
TEST_F(ShowToastTest, HandlerCanBeReplacedFromInsideAHandler) {
  int firstCalls = 0;
  SetToastHandler([&](const std::wstring&, int) {
    ++firstCalls;
    SetToastHandler(Recorder());
  });
  ShowToast(L"一", 1);
  ShowToast(L"二", 2);

  EXPECT_EQ(firstCalls, 1);
  ASSERT_EQ(toasts_.size(), 1u);
  EXPECT_EQ(toasts_[0].text, L"二");
  EXPECT_EQ(toasts_[0].seconds, 2);
  EXPECT_TRUE(SetToastHandler(nullptr));
}

}  // namespace
