#pragma once
// The alarm pop-up for an abnormal patrol record, as the broker consumer's alerts use it:
// built from a copy of the record on the consumer's thread, created under the desktop
// window, centred, run modally on that thread until the user closes it, then destroyed.
// It names the patrol people, the time and the checkpoint, and its two camera buttons
// open the checkpoint's camera dialog (over the alarm, on the same thread).
//
// An alarm stays until the user closes it: the self-closing timer is handled, but nothing
// starts it. A WM_CLOSE posted from any thread closes it. Tests put a recording handler in
// place of the modal loop with SetModalHandler.
#include <functional>

#include "data/InspectPosDeviceInfo.h"
#include "data/InspectRecordInfo.h"
#include "ui/core/window/WindowImplBase.h"

class AlarmWindow : public SkinUI::WindowImplBase {
 public:
  enum : UINT { ALARM_TIMER_ID = 100010 };

  // Runs in ShowModal in place of the window's own modal loop and returns when the alarm
  // counts as closed; it may call RunModalLoop itself.
  using ModalHandler = std::function<void(AlarmWindow& window)>;

  // Returns the handler it replaces; an empty handler restores the window's own loop.
  static ModalHandler SetModalHandler(ModalHandler handler);

  explicit AlarmWindow(const InspectRecordInfo& record);
  // Destroys the window when it is still there (an alarm refused before its loop ran).
  ~AlarmWindow() override;

  const InspectRecordInfo& GetRecord() const { return m_record; }
  // The checkpoint of the record as the cache held it when the skin was built; id 0 when
  // the cache did not hold it.
  const InspectPosDeviceInfo& GetCheckpoint() const { return m_checkpoint; }

  // Returns once the alarm has been closed, with its result.
  UINT ShowModal();

  // The window's own modal loop.
  UINT RunModalLoop();

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnAlarmTimer();

  InspectRecordInfo m_record;
  InspectPosDeviceInfo m_checkpoint;
  // What the consumer gives every alarm; unused while the timer never starts.
  int m_nShowSeconds = 30;
};
