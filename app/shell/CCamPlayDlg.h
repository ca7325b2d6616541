#pragma once
// The camera dialog: a checkpoint's camera playing live in a player window inside it.
// A checkpoint without a camera shows the toast "该巡更点未绑定摄像头!" and closes (without
// the toast window the dialog stays, empty). When neither stream plays, the player's
// message 1254 closes the dialog a second later; "btn_close" stops the player and
// closes it. Its result is always 1.
#include <memory>

#include "data/InspectPosDeviceInfo.h"
#include "ui/core/window/WindowImplBase.h"

class CSmartPlayerWndEx;

class CCamPlayDlg : public SkinUI::WindowImplBase {
 public:
  // The one-shot timer that closes the dialog after message 1254.
  enum : UINT_PTR { TIMER_CLOSE_AFTER_FAILURE = 1254 };
  enum : UINT { CLOSE_AFTER_FAILURE_MS = 1000 };

  // Copies the checkpoint from the cache; an empty record when it is not there.
  explicit CCamPlayDlg(int checkpointId);
  ~CCamPlayDlg() override;

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnSkinBuilt() override;
  void OnDetached(HWND hWnd) override;

 private:
  // The player while its window lives; null before it is made and once it is gone (the
  // player then deleted itself).
  CSmartPlayerWndEx* Player() const;

  InspectPosDeviceInfo m_checkpoint;
  CSmartPlayerWndEx* m_pPlayer = nullptr;  // deletes itself with its window
  HWND m_hPlayer = nullptr;
  // A player whose window goes with this one's: deleted once this window is gone too.
  std::unique_ptr<CSmartPlayerWndEx> m_pPlayerLeft;
};
