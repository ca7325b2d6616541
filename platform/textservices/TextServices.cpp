#include "platform/textservices/TextServices.h"

#include <algorithm>
#include <cwchar>
#include <new>

#include "platform/base/GlobalMemory.h"
#include "platform/base/Rect.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/Clipboard.h"
#include "platform/user/Cursor.h"
#include "platform/user/Input.h"
#include "platform/user/Styles.h"

namespace platform::textservices {
namespace {

const DWORD kAllBits = 0xFFFFFFFF;
const DWORD kPropertyBits = TXTBIT_RICHTEXT | TXTBIT_MULTILINE | TXTBIT_READONLY | TXTBIT_USEPASSWORD |
                            TXTBIT_HIDESELECTION | TXTBIT_SAVESELECTION | TXTBIT_AUTOWORDSEL | TXTBIT_WORDWRAP |
                            TXTBIT_ALLOWBEEP | TXTBIT_SHOWACCELERATOR | TXTBIT_VERTICAL | TXTBIT_DISABLEDRAG;
const DWORD kViewBits = TXTBIT_VIEWINSETCHANGE | TXTBIT_CLIENTRECTCHANGE | TXTBIT_EXTENTCHANGE;
const wchar_t kDefaultPasswordChar = L'*';
const int kCaretWidth = 1;
const UINT kAutoScrollPeriod = 100;
const int kWheelLines = 3;

bool KeyHeld(int vk) { return GetKeyState(vk) < 0; }

}  // namespace

HRESULT TextServices::Create(IUnknown* outer, ITextHost* host, IUnknown** out) {
  if (out == nullptr) return E_INVALIDARG;
  *out = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  if (host == nullptr) return E_INVALIDARG;
  auto* services = new (std::nothrow) TextServices(host);
  if (services == nullptr) return E_OUTOFMEMORY;
  *out = services;
  return S_OK;
}

TextServices::TextServices(ITextHost* host) : host_(host) {
  ReadPropertyBits();
  ReadCharFormat();
  ReadParaFormat();
  ReadMaxLength();
  ReadScrollBars();
  ReadBackStyle();
  ReadClientRect(nullptr);
}

TextServices::~TextServices() {
  if (font_) DeleteObject(font_);
}

HRESULT TextServices::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  *ppvObject = nullptr;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITextServices)) return E_NOINTERFACE;
  *ppvObject = static_cast<ITextServices*>(this);
  AddRef();
  return S_OK;
}

ULONG TextServices::AddRef() { return ++refs_; }

ULONG TextServices::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

// --- What the host says ---

void TextServices::ReadClientRect(LPCRECT given) {
  RECT rc{};
  if (given != nullptr) rc = *given;
  else if (FAILED(host_->TxGetClientRect(&rc))) return;
  client_ = rc;
  editor_.SetViewSize(rc.right - rc.left, rc.bottom - rc.top);
}

void TextServices::ReadPropertyBits() {
  DWORD bits = 0;
  if (FAILED(host_->TxGetPropertyBits(kPropertyBits, &bits))) return;
  bits_ = bits;
  editor_.SetMultiLine((bits_ & TXTBIT_MULTILINE) != 0);
  editor_.SetWordWrap((bits_ & TXTBIT_WORDWRAP) != 0);
  wchar_t password = 0;
  if (bits_ & TXTBIT_USEPASSWORD) {
    TCHAR ch = 0;
    if (SUCCEEDED(host_->TxGetPasswordChar(&ch))) password = ch;
    // A host that asks for a password without naming the character gets the usual one.
    if (password == 0) password = kDefaultPasswordChar;
  }
  editor_.SetPasswordChar(password);
}

void TextServices::ReadCharFormat() {
  const CHARFORMATW* format = nullptr;
  if (FAILED(host_->TxGetCharFormat(&format)) || format == nullptr) return;
  LOGFONTW logFont{};
  // Twips are 1/1440 inch; the screen has 96 dots per inch.
  logFont.lfHeight = -MulDiv(format->yHeight, 96, 1440);
  logFont.lfWeight = (format->dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (format->dwEffects & CFE_ITALIC) ? 1 : 0;
  logFont.lfUnderline = (format->dwEffects & CFE_UNDERLINE) ? 1 : 0;
  logFont.lfCharSet = format->bCharSet;
  logFont.lfPitchAndFamily = format->bPitchAndFamily;
  const size_t faceLength = std::min(wcsnlen(format->szFaceName, LF_FACESIZE_RICHEDIT), size_t(LF_FACESIZE - 1));
  std::wmemcpy(logFont.lfFaceName, format->szFaceName, faceLength);
  HFONT font = CreateFontIndirectW(&logFont);
  editor_.SetFont(font);
  if (font_) DeleteObject(font_);
  font_ = font;
  textColor_ = (format->dwEffects & CFE_AUTOCOLOR) ? host_->TxGetSysColor(COLOR_WINDOWTEXT) : format->crTextColor;
}

void TextServices::ReadParaFormat() {
  const PARAFORMAT* format = nullptr;
  if (FAILED(host_->TxGetParaFormat(&format)) || format == nullptr) return;
  if (format->wAlignment == PFA_CENTER) editor_.SetAlignment(MultiLineEditor::Align::Center);
  else if (format->wAlignment == PFA_RIGHT) editor_.SetAlignment(MultiLineEditor::Align::Right);
  else editor_.SetAlignment(MultiLineEditor::Align::Left);
}

void TextServices::ReadMaxLength() {
  DWORD length = 0;
  if (FAILED(host_->TxGetMaxLength(&length))) return;
  editor_.SetLimit(length);
}

void TextServices::ReadScrollBars() {
  DWORD bars = 0;
  if (SUCCEEDED(host_->TxGetScrollBars(&bars))) scrollBars_ = bars;
}

void TextServices::ReadBackStyle() {
  TXTBACKSTYLE style = TXTBACK_OPAQUE;
  if (SUCCEEDED(host_->TxGetBackStyle(&style))) backStyle_ = style;
}

bool TextServices::VerticalScrolling() const { return (scrollBars_ & (WS_VSCROLL | ES_AUTOVSCROLL)) != 0; }

POINT TextServices::ToView(LPARAM lParam) const {
  return POINT{GET_X_LPARAM(lParam) - client_.left, GET_Y_LPARAM(lParam) - client_.top};
}

// --- Messages ---

HRESULT TextServices::TxSendMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT* plresult) {
  LRESULT result = 0;
  HRESULT hr = S_OK;
  switch (msg) {
    case EM_SETLANGOPTIONS: break;
    case EM_GETEVENTMASK: result = LRESULT(eventMask_); break;
    case EM_SETEVENTMASK:
      result = LRESULT(eventMask_);
      eventMask_ = DWORD(lparam);
      break;
    case EM_GETTEXTLENGTHEX: result = GetTextLength(reinterpret_cast<const GETTEXTLENGTHEX*>(wparam), hr); break;
    case EM_GETTEXTEX:
      result = GetText(reinterpret_cast<const GETTEXTEX*>(wparam), reinterpret_cast<LPWSTR>(lparam), hr);
      break;
    case EM_EXSETSEL: result = SetSelection(reinterpret_cast<const CHARRANGE*>(lparam)); break;
    case EM_EXGETSEL:
      if (auto* range = reinterpret_cast<CHARRANGE*>(lparam)) {
        range->cpMin = LONG(editor_.SelectionStart());
        range->cpMax = LONG(editor_.SelectionEnd());
      }
      break;
    case EM_REPLACESEL: {
      // Undo is not kept, so the "can undo" flag asks for nothing.
      const auto* text = reinterpret_cast<LPCWSTR>(lparam);
      if (editor_.ReplaceSelection(text ? text : L"")) TextChanged();
      else ViewChanged();
      break;
    }
    case WM_SETFOCUS:
      focused_ = true;
      host_->TxCreateCaret(nullptr, kCaretWidth, editor_.LineHeight());
      UpdateCaret();
      host_->TxShowCaret(TRUE);
      Invalidate();
      break;
    case WM_KILLFOCUS:
      focused_ = false;
      host_->TxShowCaret(FALSE);
      StopAutoScroll();
      Invalidate();
      break;
    case WM_KEYDOWN: hr = OnKeyDown(wparam); break;
    case WM_CHAR:
    case WM_IME_CHAR: hr = OnChar(wchar_t(wparam)); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: hr = OnMouse(msg, wparam, lparam); break;
    case WM_SETCURSOR:
      host_->TxSetCursor(LoadCursorW(nullptr, IDC_IBEAM), TRUE);
      result = TRUE;
      break;
    case WM_TIMER: hr = OnTimer(wparam); break;
    case WM_VSCROLL: hr = OnScroll(true, wparam); break;
    case WM_HSCROLL: hr = OnScroll(false, wparam); break;
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(wparam) / WHEEL_DELTA;
      if (editor_.ScrollToY(editor_.ScrollY() - notches * kWheelLines * editor_.LineHeight())) ViewChanged();
      break;
    }
    default: hr = S_FALSE; break;
  }
  if (plresult != nullptr) *plresult = result;
  return hr;
}

LRESULT TextServices::GetTextLength(const GETTEXTLENGTHEX* info, HRESULT& hr) const {
  if (info == nullptr || info->codepage != CP_WINUNICODE) {
    hr = E_INVALIDARG;
    return 0;
  }
  const std::wstring& text = editor_.Text();
  size_t length = text.size();
  if (info->flags & GTL_USECRLF) length += size_t(std::count(text.begin(), text.end(), MultiLineEditor::kBreak));
  return LRESULT(length);
}

LRESULT TextServices::GetText(const GETTEXTEX* info, LPWSTR buffer, HRESULT& hr) const {
  if (info == nullptr || info->codepage != CP_WINUNICODE) {
    hr = E_INVALIDARG;
    return 0;
  }
  // cb counts bytes and holds the terminator too.
  const size_t room = info->cb / sizeof(WCHAR);
  if (buffer == nullptr || room == 0) return 0;
  std::wstring text = editor_.Text();
  if (info->flags & GT_USECRLF) {
    std::wstring crlf;
    for (wchar_t ch : text) {
      crlf.push_back(ch);
      if (ch == MultiLineEditor::kBreak) crlf.push_back(L'\n');
    }
    text.swap(crlf);
  }
  const size_t n = std::min(text.size(), room - 1);
  std::wmemcpy(buffer, text.data(), n);
  buffer[n] = 0;
  return LRESULT(n);
}

LRESULT TextServices::SetSelection(const CHARRANGE* range) {
  if (range == nullptr) return LRESULT(editor_.SelectionEnd());
  const size_t length = editor_.Text().size();
  if (range->cpMin < 0) {
    // A negative start takes the selection away, leaving the caret at its end.
    editor_.Select(editor_.SelectionEnd(), editor_.SelectionEnd());
  } else {
    const size_t end = range->cpMax < 0 ? length : size_t(range->cpMax);
    editor_.Select(size_t(range->cpMin), end);
  }
  ViewChanged();
  return LRESULT(editor_.SelectionEnd());
}

HRESULT TextServices::OnKeyDown(WPARAM vk) {
  const bool shift = KeyHeld(VK_SHIFT);
  const bool ctrl = KeyHeld(VK_CONTROL);
  using Move = MultiLineEditor::Move;
  auto move = [&](Move m) {
    if (editor_.MoveCaret(m, shift)) ViewChanged();
    return S_OK;
  };
  switch (vk) {
    case VK_LEFT: return move(Move::Left);
    case VK_RIGHT: return move(Move::Right);
    case VK_UP: return move(Move::Up);
    case VK_DOWN: return move(Move::Down);
    case VK_HOME: return move(ctrl ? Move::TextStart : Move::LineStart);
    case VK_END: return move(ctrl ? Move::TextEnd : Move::LineEnd);
    case VK_PRIOR: return move(Move::PageUp);
    case VK_NEXT: return move(Move::PageDown);
    case VK_DELETE:
      if (!ReadOnly() && editor_.DeleteForward()) TextChanged();
      return S_OK;
    case VK_BACK:
      if (!ReadOnly() && editor_.DeleteBackward()) TextChanged();
      return S_OK;
    case VK_RETURN:
      if (!editor_.MultiLine()) return S_FALSE;
      if (!ReadOnly() && editor_.InsertBreak()) TextChanged();
      return S_OK;
    default: break;
  }
  if (!ctrl) return S_FALSE;
  switch (vk) {
    case 'A':
      editor_.Select(0, editor_.Text().size());
      ViewChanged();
      return S_OK;
    case 'C': Copy(); return S_OK;
    case 'X':
      if (ReadOnly() || editor_.PasswordChar() != 0) return S_OK;
      Copy();
      if (editor_.ReplaceSelection(L"")) TextChanged();
      return S_OK;
    case 'V':
      if (!ReadOnly()) Paste();
      return S_OK;
    default: return S_FALSE;
  }
}

HRESULT TextServices::OnChar(wchar_t ch) {
  // Line breaks come from the Return key alone (so a host that takes Return for
  // itself inserts nothing); Backspace and the Ctrl letters are keys too.
  if (ch < 0x20 && ch != L'\t') return S_FALSE;
  if (ch == 0x7F) return S_FALSE;
  if (!ReadOnly() && editor_.Type(ch)) TextChanged();
  return S_OK;
}

HRESULT TextServices::OnMouse(UINT msg, WPARAM wParam, LPARAM lParam) {
  const POINT at = ToView(lParam);
  lastMouse_ = at;
  switch (msg) {
    case WM_LBUTTONDOWN:
      editor_.PlaceCaretAt(at, (wParam & MK_SHIFT) != 0);
      capturing_ = true;
      host_->TxSetCapture(TRUE);
      ViewChanged();
      return S_OK;
    case WM_LBUTTONDBLCLK:
      editor_.SelectWordAt(at);
      ViewChanged();
      return S_OK;
    case WM_MOUSEMOVE: {
      if (!capturing_) return S_FALSE;
      const size_t caret = editor_.Caret();
      editor_.PlaceCaretAt(at, true);
      // Dragged past the top or the bottom, the text scrolls while the button is held.
      const bool outside = at.y < 0 || at.y >= editor_.ViewHeight();
      if (outside && !timerRunning_ && editor_.MultiLine()) {
        timerRunning_ = host_->TxSetTimer(kAutoScrollTimer, kAutoScrollPeriod) != FALSE;
      } else if (!outside) {
        StopAutoScroll();
      }
      if (editor_.Caret() != caret) ViewChanged();
      return S_OK;
    }
    case WM_LBUTTONUP:
      if (!capturing_) return S_FALSE;
      capturing_ = false;
      StopAutoScroll();
      host_->TxSetCapture(FALSE);
      return S_OK;
    default: return S_FALSE;
  }
}

HRESULT TextServices::OnTimer(WPARAM id) {
  if (id != kAutoScrollTimer || !timerRunning_) return S_FALSE;
  const int step = lastMouse_.y < 0 ? -editor_.LineHeight() : editor_.LineHeight();
  editor_.ScrollToY(editor_.ScrollY() + step);
  editor_.PlaceCaretAt(lastMouse_, true);
  ViewChanged();
  return S_OK;
}

void TextServices::StopAutoScroll() {
  if (!timerRunning_) return;
  timerRunning_ = false;
  host_->TxKillTimer(kAutoScrollTimer);
}

HRESULT TextServices::OnScroll(bool vertical, WPARAM wParam) {
  const int code = LOWORD(wParam);
  const int line = vertical ? editor_.LineHeight() : std::max(1, editor_.LineHeight());
  const int page = vertical ? editor_.ViewHeight() : editor_.ViewWidth();
  const int pos = vertical ? editor_.ScrollY() : editor_.ScrollX();
  int next = pos;
  switch (code) {
    case SB_LINEUP: next = pos - line; break;
    case SB_LINEDOWN: next = pos + line; break;
    case SB_PAGEUP: next = pos - page; break;
    case SB_PAGEDOWN: next = pos + page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: next = int(HIWORD(wParam)); break;
    case SB_TOP: next = 0; break;
    case SB_BOTTOM: next = vertical ? editor_.MaxScrollY() : editor_.ContentWidth(); break;
    case SB_ENDSCROLL: return S_OK;
    default: return S_FALSE;
  }
  const bool moved = vertical ? editor_.ScrollToY(next) : editor_.ScrollToX(next);
  if (moved) ViewChanged();
  return S_OK;
}

void TextServices::Copy() {
  // Text shown masked never leaves the control.
  if (editor_.PasswordChar() != 0 || !editor_.HasSelection()) return;
  const std::wstring text = editor_.SelectedText();
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  std::wstring crlf;
  for (wchar_t ch : text) {
    crlf.push_back(ch);
    if (ch == MultiLineEditor::kBreak) crlf.push_back(L'\n');
  }
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (crlf.size() + 1) * sizeof(WCHAR));
  if (auto* bytes = static_cast<WCHAR*>(GlobalLock(block))) {
    std::wmemcpy(bytes, crlf.c_str(), crlf.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
  } else if (block) {
    GlobalFree(block);
  }
  CloseClipboard();
}

void TextServices::Paste() {
  if (!OpenClipboard(nullptr)) return;
  std::wstring text;
  HANDLE block = GetClipboardData(CF_UNICODETEXT);
  if (const auto* bytes = static_cast<const WCHAR*>(GlobalLock(block))) {
    text.assign(bytes, wcsnlen(bytes, GlobalSize(block) / sizeof(WCHAR)));
    GlobalUnlock(block);
  }
  CloseClipboard();
  if (text.empty()) return;
  if (editor_.ReplaceSelection(text)) TextChanged();
}

// --- What the host hears ---

void TextServices::TextChanged() {
  UpdateScrollBars(false);
  Invalidate();
  UpdateCaret();
  if (eventMask_ & ENM_CHANGE) host_->TxNotify(EN_CHANGE, nullptr);
}

void TextServices::ViewChanged() {
  UpdateScrollBars(false);
  Invalidate();
  UpdateCaret();
}

void TextServices::UpdateScrollBars(bool force) {
  if (!VerticalScrolling()) return;
  const int height = editor_.ContentHeight();
  if (force || height != shownContentHeight_) {
    shownContentHeight_ = height;
    host_->TxSetScrollRange(SB_VERT, 0, height, TRUE);
  }
  if (editor_.ScrollY() != shownScrollY_) {
    shownScrollY_ = editor_.ScrollY();
    host_->TxSetScrollPos(SB_VERT, shownScrollY_, TRUE);
  }
}

void TextServices::UpdateCaret() {
  if (!focused_) return;
  const POINT at = editor_.CaretPoint();
  host_->TxSetCaretPos(client_.left + at.x, client_.top + at.y);
}

void TextServices::Invalidate() {
  host_->TxInvalidateRect(nullptr, FALSE);
  host_->TxViewChange(TRUE);
}

// --- Drawing and sizes ---

HRESULT TextServices::TxDraw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC hdcDraw, HDC, LPCRECTL lprcBounds,
                             LPCRECTL, LPRECT lprcUpdate, BOOL(CALLBACK*)(DWORD), DWORD, LONG) {
  if (dwDrawAspect != DVASPECT_CONTENT || hdcDraw == nullptr) return E_INVALIDARG;
  const RECT bounds = lprcBounds ? RECT{lprcBounds->left, lprcBounds->top, lprcBounds->right, lprcBounds->bottom}
                                 : client_;
  RECT clip = bounds;
  if (lprcUpdate != nullptr && !IntersectRect(&clip, &bounds, lprcUpdate)) return S_OK;
  if (backStyle_ == TXTBACK_OPAQUE) {
    HBRUSH back = CreateSolidBrush(host_->TxGetSysColor(COLOR_WINDOW));
    FillRect(hdcDraw, &clip, back);
    DeleteObject(back);
  }
  EditorColors colors;
  colors.text = textColor_;
  colors.selectionText = host_->TxGetSysColor(COLOR_HIGHLIGHTTEXT);
  colors.selectionBack = host_->TxGetSysColor(COLOR_HIGHLIGHT);
  colors.showSelection = focused_ || !(bits_ & TXTBIT_HIDESELECTION);
  editor_.Draw(hdcDraw, POINT{bounds.left, bounds.top}, clip, colors);
  return S_OK;
}

HRESULT TextServices::TxGetNaturalSize(DWORD dwAspect, HDC, HDC, DVTARGETDEVICE*, DWORD dwMode, const SIZEL*,
                                       LONG* pwidth, LONG* pheight) {
  if (dwAspect != DVASPECT_CONTENT || pwidth == nullptr || pheight == nullptr) return E_INVALIDARG;
  if (dwMode != TXTNS_FITTOCONTENT) return E_INVALIDARG;
  *pheight = editor_.HeightForWidth(*pwidth);
  return S_OK;
}

HRESULT TextServices::OnTxSetCursor(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, HDC, LPCRECT, INT, INT) {
  host_->TxSetCursor(LoadCursorW(nullptr, IDC_IBEAM), TRUE);
  return S_OK;
}

HRESULT TextServices::OnTxInPlaceActivate(LPCRECT prcClient) {
  ReadClientRect(prcClient);
  // With a bar of its own the host makes it now; whether it shows follows the range.
  if (scrollBars_ & WS_VSCROLL) {
    const bool needed = editor_.ContentHeight() > editor_.ViewHeight();
    host_->TxEnableScrollBar(SB_VERT, needed ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
  }
  UpdateScrollBars(true);
  return S_OK;
}

HRESULT TextServices::OnTxInPlaceDeactivate() {
  StopAutoScroll();
  if (capturing_) {
    capturing_ = false;
    host_->TxSetCapture(FALSE);
  }
  return S_OK;
}

HRESULT TextServices::OnTxPropertyBitsChange(DWORD dwMask, DWORD) {
  if (dwMask & kPropertyBits) ReadPropertyBits();
  if (dwMask & TXTBIT_CHARFORMATCHANGE) ReadCharFormat();
  if (dwMask & TXTBIT_PARAFORMATCHANGE) ReadParaFormat();
  if (dwMask & TXTBIT_MAXLENGTHCHANGE) ReadMaxLength();
  if (dwMask & TXTBIT_BACKSTYLECHANGE) ReadBackStyle();
  if (dwMask & TXTBIT_SCROLLBARCHANGE) ReadScrollBars();
  const bool bView = (dwMask & kViewBits) != 0;
  if (bView) ReadClientRect(nullptr);
  // The host sizes its bar against its client rectangle: a new rectangle asks again.
  if (bView) UpdateScrollBars(true);
  if (dwMask & ~TXTBIT_MAXLENGTHCHANGE) ViewChanged();
  return S_OK;
}

HRESULT TextServices::TxSetText(LPCWSTR pszText) {
  editor_.SetText(pszText ? pszText : L"");
  TextChanged();
  return S_OK;
}

// --- Not used by the program ---

HRESULT TextServices::TxGetHScroll(LONG*, LONG*, LONG*, LONG*, BOOL*) { return E_NOTIMPL; }
HRESULT TextServices::TxGetVScroll(LONG*, LONG*, LONG*, LONG*, BOOL*) { return E_NOTIMPL; }
HRESULT TextServices::TxQueryHitPoint(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, HDC, LPCRECT, INT, INT, DWORD*) {
  return E_NOTIMPL;
}
HRESULT TextServices::OnTxUIActivate() { return E_NOTIMPL; }
HRESULT TextServices::OnTxUIDeactivate() { return E_NOTIMPL; }
HRESULT TextServices::TxGetText(BSTR*) { return E_NOTIMPL; }
HRESULT TextServices::TxGetCurTargetX(LONG*) { return E_NOTIMPL; }
HRESULT TextServices::TxGetBaseLinePos(LONG*) { return E_NOTIMPL; }
HRESULT TextServices::TxGetDropTarget(IDropTarget**) { return E_NOTIMPL; }
HRESULT TextServices::TxGetCachedSize(DWORD*, DWORD*) { return E_NOTIMPL; }

}  // namespace platform::textservices
