#include "platform/user/EditWindow.h"

#include <algorithm>
#include <cwchar>

#include "platform/base/GlobalMemory.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/Caret.h"
#include "platform/user/Clipboard.h"
#include "platform/user/Edit.h"
#include "platform/user/Focus.h"
#include "platform/user/Imm.h"
#include "platform/user/Input.h"
#include "platform/user/Paint.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Window.h"
#include "platform/user/WindowPos.h"

namespace platform::user {
namespace {

const wchar_t kDefaultPasswordChar = L'*';
const int kCaretWidth = 1;

// What a framework host sends back to the child a notification came from, at the
// message + 0x2000, when the child's own window procedure does not answer it.
const UINT kReflectedCommand = WM_COMMAND + 0x2000;
const UINT kReflectedNotify = WM_NOTIFY + 0x2000;
const UINT kReflectedColorEdit = WM_CTLCOLOREDIT + 0x2000;
const UINT kReflectedColorStatic = WM_CTLCOLORSTATIC + 0x2000;

// Control characters WM_CHAR brings for the editing keys.
const wchar_t kSelectAll = 0x01;  // Ctrl+A
const wchar_t kCopy = 0x03;       // Ctrl+C
const wchar_t kBackspace = 0x08;
const wchar_t kPaste = 0x16;      // Ctrl+V
const wchar_t kCut = 0x18;        // Ctrl+X

bool IsPrintable(wchar_t ch) { return ch >= 0x20 && ch != 0x7F; }

bool ShiftHeld() { return GetKeyState(VK_SHIFT) < 0; }

}  // namespace

WindowStateMap<EditWindow>& EditWindow::States() {
  static auto* states = new WindowStateMap<EditWindow>;
  return *states;
}

EditWindow::EditWindow(HWND hwnd) : hwnd_(hwnd) {}

LRESULT CALLBACK EditWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    States().Add(hwnd, std::make_shared<EditWindow>(hwnd));
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  std::shared_ptr<EditWindow> self = States().Find(hwnd);
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    self->alive_ = false;
    if (self->caretMade_) DestroyCaret();
    States().Remove(hwnd);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT EditWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: OnCreate(reinterpret_cast<const CREATESTRUCTW*>(lParam)); return 0;
    case WM_SIZE: Layout(); return 0;
    case WM_SETFONT: OnSetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0); return 0;
    case WM_GETFONT: return LRESULT(editor_.Font());
    case WM_SETTEXT: return OnSetText(reinterpret_cast<LPCWSTR>(lParam));
    case WM_GETTEXT: return OnGetText(wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH: return LRESULT(editor_.Text().size());
    case EM_LIMITTEXT: editor_.SetLimit(wParam ? size_t(wParam) : TextEditor::kDefaultLimit); return 0;
    case EM_GETLIMITTEXT: return LRESULT(editor_.Limit());
    case EM_SETPASSWORDCHAR:
      editor_.SetPasswordChar(wchar_t(wParam));
      SetStyleBit(ES_PASSWORD, wParam != 0);
      Moved();
      return 0;
    case EM_GETPASSWORDCHAR: return LRESULT(editor_.PasswordChar());
    case EM_SETMODIFY: modified_ = wParam != 0; return 0;
    case EM_GETMODIFY: return modified_ ? TRUE : FALSE;
    case EM_SETMARGINS: {
      const int left = (wParam & EC_LEFTMARGIN) ? LOWORD(lParam) : editor_.LeftMargin();
      const int right = (wParam & EC_RIGHTMARGIN) ? HIWORD(lParam) : editor_.RightMargin();
      editor_.SetMargins(left, right);
      Moved();
      return 0;
    }
    case EM_GETMARGINS: return MAKELONG(editor_.LeftMargin(), editor_.RightMargin());
    case EM_SETREADONLY:
      SetStyleBit(ES_READONLY, wParam != 0);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return TRUE;
    case EM_SETSEL: OnSetSel(int(wParam), int(lParam)); return 0;
    case EM_GETSEL: {
      const DWORD start = DWORD(editor_.SelectionStart()), end = DWORD(editor_.SelectionEnd());
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = start;
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = end;
      return MAKELONG(start, end);
    }
    case WM_ENABLE: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_KEYDOWN: OnKeyDown(UINT(wParam)); return 0;
    case WM_CHAR: OnChar(wchar_t(wParam)); return 0;
    case WM_COPY: Copy(); return 0;
    case WM_CUT: Cut(); return 0;
    case WM_PASTE: Paste(); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(lParam); return 0;
    case WM_MOUSEMOVE: OnMouseMove(lParam); return 0;
    case WM_LBUTTONUP:
      if (dragging_) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED: dragging_ = false; return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(lParam); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case kReflectedCommand:
    case kReflectedNotify:
    case kReflectedColorEdit:
    case kReflectedColorStatic: return 0;
    default: return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

void EditWindow::OnCreate(const CREATESTRUCTW* cs) {
  parent_ = cs ? cs->hwndParent : nullptr;
  if (!parent_) parent_ = GetParent(hwnd_);
  if (Style() & ES_PASSWORD) editor_.SetPasswordChar(kDefaultPasswordChar);
  editor_.SetText(cs && cs->lpszName ? cs->lpszName : L"");
  Layout();
}

LRESULT EditWindow::OnSetText(LPCWSTR text) {
  editor_.SetText(text ? text : L"");
  modified_ = false;
  Changed();
  return TRUE;
}

LRESULT EditWindow::OnGetText(WPARAM size, LPWSTR buffer) const {
  if (!buffer || size == 0) return 0;
  const std::wstring& text = editor_.Text();
  const size_t n = std::min(text.size(), size_t(size) - 1);
  std::wmemcpy(buffer, text.c_str(), n);
  buffer[n] = 0;
  return LRESULT(n);
}

void EditWindow::OnSetSel(int start, int end) {
  const size_t length = editor_.Text().size();
  if (start == -1) {
    editor_.Select(editor_.Caret(), editor_.Caret());
  } else {
    const size_t to = end < 0 ? length : size_t(end);
    editor_.Select(size_t(start), to);
  }
  Moved();
}

void EditWindow::OnSetFont(HFONT font, bool redraw) {
  editor_.SetFont(font);
  if (caretMade_) {
    CreateCaret(hwnd_, nullptr, kCaretWidth, editor_.LineHeight());
    ShowCaret(hwnd_);
  }
  UpdateCaret();
  if (redraw) InvalidateRect(hwnd_, nullptr, FALSE);
}

void EditWindow::OnSetFocus() {
  focused_ = true;
  caretMade_ = CreateCaret(hwnd_, nullptr, kCaretWidth, editor_.LineHeight()) != FALSE;
  UpdateCaret();
  if (caretMade_) ShowCaret(hwnd_);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void EditWindow::OnKillFocus() {
  focused_ = false;
  if (dragging_) ReleaseCapture();
  if (caretMade_) {
    HideCaret(hwnd_);
    DestroyCaret();
    caretMade_ = false;
  }
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void EditWindow::OnKeyDown(UINT vk) {
  const bool extend = ShiftHeld();
  switch (vk) {
    case VK_LEFT:
      if (editor_.MoveCaret(TextEditor::Move::Left, extend)) Moved();
      return;
    case VK_RIGHT:
      if (editor_.MoveCaret(TextEditor::Move::Right, extend)) Moved();
      return;
    case VK_HOME:
      if (editor_.MoveCaret(TextEditor::Move::Home, extend)) Moved();
      return;
    case VK_END:
      if (editor_.MoveCaret(TextEditor::Move::End, extend)) Moved();
      return;
    case VK_DELETE:
      if (editor_.DeleteForward(Rules())) Changed();
      return;
    default: return;
  }
}

void EditWindow::OnChar(wchar_t ch) {
  switch (ch) {
    case kSelectAll:
      editor_.SelectAll();
      Moved();
      return;
    case kCopy: Copy(); return;
    case kCut: Cut(); return;
    case kPaste: Paste(); return;
    case kBackspace:
      if (editor_.DeleteBackward(Rules())) Changed();
      return;
    default: break;
  }
  if (!IsPrintable(ch)) return;  // Return, Tab, Escape and the other control characters
  if (editor_.Type(ch, Rules())) Changed();
}

void EditWindow::OnButtonDown(LPARAM lParam) {
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  if (!alive_) return;
  editor_.PlaceCaretAt(GET_X_LPARAM(lParam), ShiftHeld());
  dragging_ = true;
  SetCapture(hwnd_);
  Moved();
}

void EditWindow::OnMouseMove(LPARAM lParam) {
  if (!dragging_) return;
  editor_.PlaceCaretAt(GET_X_LPARAM(lParam), true);
  Moved();
}

void EditWindow::OnDoubleClick(LPARAM lParam) {
  editor_.SelectWordAt(GET_X_LPARAM(lParam));
  Moved();
}

void EditWindow::Copy() {
  // Text shown masked never leaves the window.
  if (editor_.PasswordChar() || !editor_.HasSelection()) return;
  const std::wstring text = editor_.SelectedText();
  if (!OpenClipboard(hwnd_)) return;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(WCHAR));
  if (auto* bytes = static_cast<WCHAR*>(GlobalLock(block))) {
    std::wmemcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
  } else if (block) {
    GlobalFree(block);
  }
  CloseClipboard();
}

void EditWindow::Cut() {
  if (editor_.PasswordChar() || Rules().readOnly || !editor_.HasSelection()) return;
  Copy();
  if (editor_.DeleteSelection(Rules())) Changed();
}

void EditWindow::Paste() {
  const EditRules rules = Rules();
  if (rules.readOnly || !OpenClipboard(hwnd_)) return;
  std::wstring text;
  HANDLE block = GetClipboardData(CF_UNICODETEXT);
  if (const auto* bytes = static_cast<const WCHAR*>(GlobalLock(block))) {
    text.assign(bytes, wcsnlen(bytes, GlobalSize(block) / sizeof(WCHAR)));
    GlobalUnlock(block);
  }
  CloseClipboard();
  if (editor_.Paste(text, rules)) Changed();
}

DWORD EditWindow::Style() const { return DWORD(GetWindowLongW(hwnd_, GWL_STYLE)); }

bool EditWindow::Enabled() const { return !(Style() & WS_DISABLED); }

EditRules EditWindow::Rules() const {
  const DWORD style = Style();
  EditRules rules;
  rules.readOnly = (style & ES_READONLY) != 0;
  rules.numberOnly = (style & ES_NUMBER) != 0;
  rules.fitView = !(style & ES_AUTOHSCROLL);
  return rules;
}

void EditWindow::SetStyleBit(DWORD bit, bool on) {
  const DWORD style = Style();
  const DWORD next = on ? (style | bit) : (style & ~bit);
  if (next != style) SetWindowLongW(hwnd_, GWL_STYLE, LONG(next));
}

void EditWindow::Changed() {
  modified_ = true;
  Notify(EN_UPDATE);
  if (!alive_) return;
  UpdateCaret();
  InvalidateRect(hwnd_, nullptr, FALSE);
  UpdateWindow(hwnd_);
  if (!alive_) return;
  Notify(EN_CHANGE);
}

void EditWindow::Moved() {
  UpdateCaret();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void EditWindow::Notify(WORD code) {
  if (!IsWindow(parent_)) return;
  const WORD id = WORD(GetWindowLongW(hwnd_, GWL_ID));
  SendMessageW(parent_, WM_COMMAND, MAKEWPARAM(id, code), LPARAM(hwnd_));
}

void EditWindow::UpdateCaret() {
  if (!focused_) return;
  const POINT at = editor_.CaretPoint();
  if (caretMade_) SetCaretPos(at.x, at.y);
  // An input method shows what is being composed where the text will go.
  HIMC context = ImmGetContext(hwnd_);
  COMPOSITIONFORM form{};
  form.dwStyle = CFS_POINT;
  form.ptCurrentPos = at;
  ImmSetCompositionWindow(context, &form);
  ImmReleaseContext(hwnd_, context);
}

void EditWindow::Layout() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  editor_.SetViewSize(client.right - client.left, client.bottom - client.top);
  UpdateCaret();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void EditWindow::OnPaint() {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd_, &ps);
  if (!hdc) return;
  const DWORD style = Style();
  const bool enabled = Enabled();
  const bool asStatic = !enabled || (style & ES_READONLY);
  SetTextColor(hdc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  SetBkColor(hdc, GetSysColor(asStatic ? COLOR_BTNFACE : COLOR_WINDOW));
  SetBkMode(hdc, OPAQUE);
  HBRUSH brush = reinterpret_cast<HBRUSH>(
      IsWindow(parent_) ? SendMessageW(parent_, asStatic ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, WPARAM(hdc),
                                       LPARAM(hwnd_))
                        : 0);
  if (!alive_) {
    EndPaint(hwnd_, &ps);
    return;
  }
  RECT client{};
  GetClientRect(hwnd_, &client);
  // Without an answer the system colours stand; the parent's answer brings its own
  // text colour and background mode on the device context.
  if (!brush) {
    SetBkMode(hdc, TRANSPARENT);
    brush = GetSysColorBrush(asStatic ? COLOR_BTNFACE : COLOR_WINDOW);
  }
  if (!enabled) SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
  FillRect(hdc, &client, brush);
  SelectionColors selection{GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT)};
  editor_.Draw(hdc, focused_ && editor_.HasSelection() ? &selection : nullptr);
  EndPaint(hwnd_, &ps);
}

}  // namespace platform::user
