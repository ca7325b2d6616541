#include "tests/app/shell/support/CameraDialogRun.h"

#include "app/shell/CSmartPlayerWndEx.h"
#include "app/shell/OpenCameraDialog.h"
#include "app/shell/ShellServices.h"
#include "tests/app/shell/support/ShellWindowTest.h"

namespace shelltest {

namespace {

const wchar_t kRunProperty[] = L"CameraDialogRun";

}  // namespace

bool LogLine::operator==(const LogLine& other) const {
  return sink == other.sink && level == other.level && text == other.text;
}

std::ostream& operator<<(std::ostream& out, const LogLine& line) {
  return out << (line.sink == CameraLog::Sink::TextLog ? "text log " : "async log ") << line.level << " \""
             << platform::codepage::GbkToUtf8(line.text) << "\"";
}

CameraRecorder::CameraRecorder() {
  CameraLog::SetObserver([this](CameraLog::Sink sink, int level, const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex_);
    lines_.push_back(LogLine{sink, level, text});
  });
  SetToastHandler([this](const std::wstring& text, int) {
    std::lock_guard<std::mutex> lock(mutex_);
    toasts_.push_back(text);
  });
}

CameraRecorder::~CameraRecorder() {
  CameraLog::SetObserver(nullptr);
  SetToastHandler(nullptr);
}

std::vector<LogLine> CameraRecorder::Lines() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return lines_;
}

std::vector<std::wstring> CameraRecorder::Toasts() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return toasts_;
}

CameraDialogRun::CameraDialogRun(platform::headless::GuiThread& ui, platform::headless::TestDriver& driver,
                                 HWND owner, int checkpointId)
    : ui_(ui), driver_(driver), outcome_(std::make_shared<Outcome>()) {
  auto result = std::make_shared<std::promise<UINT>>();
  outcome_->result = result->get_future().share();
  std::promise<void> started;
  ui_.Post([this, owner, checkpointId, &started, result, outcome = outcome_] {
    const DWORD start = ::GetTickCount();
    start_ = start;
    started.set_value();
    const UINT code = OpenCameraDialog(owner, checkpointId);
    outcome->closedAt.store(static_cast<long>(::GetTickCount() - start));
    outcome->closed.store(true);
    result->set_value(code);
  });
  started.get_future().wait();
  driver_.WaitIdle();
  dialog_ = FindWindowOfClass(L"CamPlay");
  if (dialog_ == nullptr) return;
  player_ = ::GetWindow(dialog_, GW_CHILD);
  OnWindowThread(dialog_, [this] {
    ::SetPropW(dialog_, kRunProperty, this);
    original_ = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(dialog_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CameraDialogRun::Spy)));
  });
}

CameraDialogRun::~CameraDialogRun() {
  if (!Closed() && ::IsWindow(dialog_)) ClickClose();
}

LRESULT CALLBACK CameraDialogRun::Spy(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* run = static_cast<CameraDialogRun*>(::GetPropW(hwnd, kRunProperty));
  if (message == CSmartPlayerWndEx::WM_PLAY_FAILED) {
    std::lock_guard<std::mutex> lock(run->mutex_);
    run->failuresAt_.push_back(static_cast<long>(::GetTickCount() - run->start_));
  }
  if (message == WM_NCDESTROY) ::RemovePropW(hwnd, kRunProperty);
  return ::CallWindowProcW(run->original_, hwnd, message, wParam, lParam);
}

DWORD CameraDialogRun::Elapsed() const { return ::GetTickCount() - start_; }

std::vector<long> CameraDialogRun::FailuresAt() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return failuresAt_;
}

void CameraDialogRun::ClickClose() {
  const POINT centre = ControlCentre(dialog_, L"btn_close");
  driver_.Click(centre.x, centre.y);
  driver_.WaitIdle();
}

}  // namespace shelltest
