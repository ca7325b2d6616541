#pragma once
// The reader dialog: registers a hand-held patrol reader or edits one. It connects to the
// reader on the desk and reads its id, resets it to factory settings, writes the form's
// settings into it and saves the reader on the patrol server; in edit mode it also
// enrols and deletes the reader's fingerprints. Modal result: 1 after a successful save,
// 2 on close, cancel and after a successful reset.
#include <list>
#include <string>
#include <vector>

#include "data/FingerprintInfo.h"
#include "data/InspectDeviceInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CComboUI;
class CControlUI;
class CRichEditUI;
class COptionUI;
class CTileLayoutUI;
}  // namespace SkinUI

class CAddDeviceWnd : public SkinUI::WindowImplBase {
 public:
  enum Mode { MODE_ADD = 1, MODE_EDIT = 2 };

  // The form as the save reads it on the UI thread (GBK texts, the combos' indices).
  struct ReaderForm {
    std::string code;
    std::string name;
    std::string contact;
    std::string phone;
    std::string server;
    int serverType = 2;  // 1 IP address and port, 2 domain name
    int voiceStatus = -1;
    int volume = -1;
    int notifyWay = -1;
  };
  // What the save worker produced, applied on the UI thread after it ended.
  struct SaveOutcome {
    int result = 0;  // the server's answer (> 0 stored), 0 refused before it, -1 failed
    InspectDeviceInfo record;
    // The reader settings that were not written (the functions' names).
    std::vector<std::string> failedSettings;
  };

  explicit CAddDeviceWnd(int mode);

  // Edit mode: shows the reader and its fingerprints; call after the window is created.
  void LoadDevice(InspectDeviceInfo device);
  // 1 done, 0 not started (no reader, no id, another reader), -1 a setting or the
  // server's update failed.
  int InitializeReader();
  // The save's work, for a worker thread: reader and server only, no control and no cache
  // touched. Refusals are shown as messages from the calling thread.
  SaveOutcome ConfigureAndSave(const ReaderForm& form) const;

  void Notify(SkinUI::UINotifyRecord& msg) override;

  const InspectDeviceInfo& Device() const { return m_device; }
  const std::list<FingerprintInfo>& Fingerprints() const { return m_fingerprints; }

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  void FillPeopleCombos();
  void FillFingerprintTiles();
  ReaderForm ReadForm() const;
  void ApplySave(const SaveOutcome& outcome);
  void Connect();
  void Reset();
  void SaveWithBusyWindow();
  void CaptureFingerprint();
  void DeleteFingerprint(int fingerprintId);
  void ShowContactPhone();
  // Opens the reader and reads its id; toasts and logs a failure. False on failure.
  bool OpenReader() const;
  bool OpenReaderAndReadId(long& id) const;

  int m_mode;
  SkinUI::CControlUI* m_pTitle = nullptr;
  SkinUI::CControlUI* m_pConnect = nullptr;
  SkinUI::CControlUI* m_pCode = nullptr;
  SkinUI::CControlUI* m_pName = nullptr;
  SkinUI::CControlUI* m_pAddPeople = nullptr;
  SkinUI::CComboUI* m_pContact = nullptr;
  SkinUI::CControlUI* m_pPhone = nullptr;
  SkinUI::CComboUI* m_pVoiceStatus = nullptr;
  SkinUI::CComboUI* m_pVolume = nullptr;
  SkinUI::CComboUI* m_pNotifyWay = nullptr;
  SkinUI::CControlUI* m_pInitialize = nullptr;
  SkinUI::CComboUI* m_pPeople = nullptr;
  SkinUI::CTileLayoutUI* m_pTiles = nullptr;
  SkinUI::CRichEditUI* m_pServer = nullptr;
  SkinUI::COptionUI* m_pIpPort = nullptr;
  SkinUI::COptionUI* m_pDomain = nullptr;
  SkinUI::CControlUI* m_pFingerprintArea = nullptr;
  SkinUI::CControlUI* m_pInitializeArea = nullptr;
  InspectDeviceInfo m_device;
  std::list<FingerprintInfo> m_fingerprints;
};
