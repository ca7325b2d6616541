#include "ui/controls/CGifAnimUI.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "platform/com/Stream.h"
#include "platform/gdiplus/GdiPlus.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

namespace {

bool IsTrue(LPCTSTR pstrValue) { return wcscmp(pstrValue, L"true") == 0; }

// The skin folder (or the skin archive) first, then the name as a full path. A file
// read short counts as missing.
std::unique_ptr<BYTE[]> ReadGifFile(LPCTSTR pstrName, DWORD& dwSize) {
  std::unique_ptr<BYTE[]> pData;
  if (CWindowManagerUI::GetResourceZip().IsEmpty()) {
    pData = CSkinRenderer::LoadSkinFileData(pstrName, dwSize);
  } else {
    pData = CSkinRenderer::LoadZipItemData(pstrName, dwSize);
  }
  if (pData == nullptr || dwSize == 0) pData = CSkinRenderer::LoadFileData(pstrName, dwSize);
  if (dwSize == 0) return nullptr;
  return pData;
}

// The bytes go through movable memory and a stream that frees it, as GDI+ reads
// pictures. The picture keeps a copy of its own, so the stream goes at once.
std::unique_ptr<Gdiplus::Image> DecodePicture(const BYTE* pData, DWORD dwSize) {
  HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, dwSize);
  if (hMem == nullptr) return nullptr;
  void* pBytes = ::GlobalLock(hMem);
  if (pBytes == nullptr) {
    ::GlobalFree(hMem);
    return nullptr;
  }
  std::memcpy(pBytes, pData, dwSize);
  ::GlobalUnlock(hMem);
  IStream* pStream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(hMem, TRUE, &pStream))) {
    ::GlobalFree(hMem);
    return nullptr;
  }
  std::unique_ptr<Gdiplus::Image> pImage(new Gdiplus::Image(pStream));
  pStream->Release();
  if (pImage->GetLastStatus() != Gdiplus::Ok) return nullptr;
  return pImage;
}

UINT CountFrames(Gdiplus::Image& image) {
  const UINT nDimensions = image.GetFrameDimensionsCount();
  if (nDimensions == 0) return 0;
  std::vector<GUID> dimensions(nDimensions);
  if (image.GetFrameDimensionsList(dimensions.data(), nDimensions) != Gdiplus::Ok) return 0;
  return image.GetFrameCount(&dimensions[0]);
}

// One delay per frame in hundredths of a second; none for a still picture.
std::vector<UINT> ReadFrameDelays(Gdiplus::Image& image) {
  std::vector<UINT> delays;
  const UINT nSize = image.GetPropertyItemSize(Gdiplus::PropertyTagFrameDelay);
  if (nSize < sizeof(Gdiplus::PropertyItem)) return delays;
  std::vector<BYTE> buffer(nSize);
  auto* pItem = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
  if (image.GetPropertyItem(Gdiplus::PropertyTagFrameDelay, nSize, pItem) != Gdiplus::Ok) return delays;
  // Never more delays than the buffer holds behind the item.
  const size_t cbValues = std::min<size_t>(pItem->length, nSize - sizeof(Gdiplus::PropertyItem));
  delays.resize(cbValues / sizeof(UINT));
  if (!delays.empty()) std::memcpy(delays.data(), pItem->value, delays.size() * sizeof(UINT));
  return delays;
}

}  // namespace

CGifAnimUI::CGifAnimUI()
    : m_nFrameCount(0), m_nFramePosition(0), m_bIsAutoPlay(true), m_bIsAutoSize(false), m_bIsPlaying(false) {}

CGifAnimUI::~CGifAnimUI() {
  if (m_pManager != nullptr) m_pManager->KillTimer(this, EVENT_TIMER_ID);
}

LPCTSTR CGifAnimUI::GetClassName() const { return L"GifAnimUI"; }

LPVOID CGifAnimUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"GifAnim") == 0) return static_cast<CGifAnimUI*>(this);
  return CControlUI::GetInterface(pstrName);
}

void CGifAnimUI::SetVisible(bool bVisible) {
  CControlUI::SetVisible(bVisible);
  if (bVisible) {
    PlayGif();
  } else {
    StopGif();
  }
}

void CGifAnimUI::OnInit() {
  if (m_pGifImage == nullptr) LoadGif();
}

void CGifAnimUI::HandleEvent(UIEventRecord& event) {
  if (event.Type == UIEVENT_TIMER) OnTimer(event.wParam);
}

void CGifAnimUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (wcscmp(pstrName, L"bkimage") == 0) {
    SetBkImage(pstrValue);
  } else if (wcscmp(pstrName, L"autoplay") == 0) {
    SetAutoPlay(IsTrue(pstrValue));
  } else if (wcscmp(pstrName, L"autosize") == 0) {
    SetAutoSize(IsTrue(pstrValue));
  } else {
    CControlUI::SetAttribute(pstrName, pstrValue);
  }
}

void CGifAnimUI::Paint(HDC hDC, const RECT& rcPaint) {
  if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
  if (m_pGifImage == nullptr) LoadGif();
  if (m_pGifImage == nullptr) return;
  Gdiplus::Graphics graphics(hDC);
  graphics.DrawImage(m_pGifImage.get(), static_cast<INT>(m_rcItem.left), static_cast<INT>(m_rcItem.top),
                     static_cast<INT>(m_rcItem.right - m_rcItem.left), static_cast<INT>(m_rcItem.bottom - m_rcItem.top));
  m_pGifImage->SelectActiveFrame(&Gdiplus::FrameDimensionTime, m_nFramePosition);
}

void CGifAnimUI::SetBkImage(LPCTSTR pStrImage) {
  if (pStrImage == nullptr || m_sBkImage == pStrImage) return;
  m_sBkImage = pStrImage;
  StopGif();
  DeleteGif();
  Invalidate();
}

CUIString CGifAnimUI::GetBkImage() const { return m_sBkImage; }

void CGifAnimUI::SetAutoPlay(bool bIsAuto) { m_bIsAutoPlay = bIsAuto; }

bool CGifAnimUI::IsAutoPlay() const { return m_bIsAutoPlay; }

void CGifAnimUI::SetAutoSize(bool bIsAuto) { m_bIsAutoSize = bIsAuto; }

bool CGifAnimUI::IsAutoSize() const { return m_bIsAutoSize; }

bool CGifAnimUI::IsPlaying() const { return m_bIsPlaying; }

UINT CGifAnimUI::GetFrameCount() const { return m_nFrameCount; }

UINT CGifAnimUI::GetFramePosition() const { return m_nFramePosition; }

void CGifAnimUI::PlayGif() {
  if (m_bIsPlaying || m_pGifImage == nullptr || m_pManager == nullptr) return;
  if (!m_pManager->SetTimer(this, EVENT_TIMER_ID, FrameDelay(m_nFramePosition))) return;
  m_bIsPlaying = true;
}

void CGifAnimUI::StopGif() {
  if (!m_bIsPlaying) return;
  if (m_pManager != nullptr) m_pManager->KillTimer(this, EVENT_TIMER_ID);
  m_nFramePosition = 0;
  Invalidate();
  m_bIsPlaying = false;
}

UINT CGifAnimUI::FrameDelay(UINT nFrame) const {
  // A still picture has no delays, and a GIF may list fewer delays than frames.
  const UINT nDelay = nFrame < m_frameDelays.size() ? m_frameDelays[nFrame] * 10 : 0;
  return nDelay != 0 ? nDelay : DEFAULT_FRAME_DELAY_MS;
}

void CGifAnimUI::LoadGif() {
  if (m_sBkImage.IsEmpty()) return;
  DWORD dwSize = 0;
  std::unique_ptr<BYTE[]> pData = ReadGifFile(m_sBkImage, dwSize);
  if (pData == nullptr) return;
  m_pGifImage = DecodePicture(pData.get(), dwSize);
  if (m_pGifImage == nullptr) return;
  m_nFrameCount = CountFrames(*m_pGifImage);
  m_frameDelays = ReadFrameDelays(*m_pGifImage);
  if (m_bIsAutoSize) {
    SetFixedWidth(static_cast<int>(m_pGifImage->GetWidth()));
    SetFixedHeight(static_cast<int>(m_pGifImage->GetHeight()));
  }
  if (m_bIsAutoPlay) PlayGif();
}

void CGifAnimUI::DeleteGif() {
  m_pGifImage.reset();
  m_frameDelays.clear();
  m_nFrameCount = 0;
  m_nFramePosition = 0;
}

void CGifAnimUI::OnTimer(UINT_PTR idEvent) {
  if (idEvent != EVENT_TIMER_ID || m_pManager == nullptr) return;
  m_pManager->KillTimer(this, EVENT_TIMER_ID);
  Invalidate();
  // A picture that reports no frames steps as one of a single frame.
  const UINT nFrames = m_nFrameCount > 0 ? m_nFrameCount : 1;
  m_nFramePosition = (m_nFramePosition + 1) % nFrames;
  m_pManager->SetTimer(this, EVENT_TIMER_ID, FrameDelay(m_nFramePosition));
}

}  // namespace SkinUI
