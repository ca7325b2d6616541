// Typing one character into a 100,000-character multi-line text held by the text
// services, at its end and in its middle, each keystroke with its layout, its change
// notification and the drawing of the visible part, in keystrokes per second; beside
// it a bare pango layout of the same text wrapped again at the same width, which is
// what laying out the whole text on every keystroke would cost; and EM_GETTEXTEX of
// the whole text.
#include <benchmark/benchmark.h>
#include <pango/pangocairo.h>

#include <cwchar>
#include <string>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/gdi/FaceTable.h"
#include "platform/gdi/TextContext.h"
#include "platform/gdi/Utf8Text.h"
#include "platform/textservices/TextServ.h"
#include "platform/win32.h"

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 400;
constexpr size_t kLength = 100000;

// A text of lines of words and Chinese characters, broken every 80 or so characters.
std::wstring LongText() {
  const std::wstring piece = L"巡更点 checkpoint 路线 route 计划 plan ";
  std::wstring text;
  while (text.size() < kLength) {
    text += piece + piece;
    text += L"\r\n";
  }
  text.resize(kLength);
  return text;
}

// The least a host answers; it counts the notifications it hears.
class BenchHost : public ITextHost {
 public:
  BenchHost() {
    format_.cbSize = sizeof(format_);
    format_.yHeight = 14 * 15;
    std::wcscpy(format_.szFaceName, L"微软雅黑");
    para_.cbSize = sizeof(para_);
    para_.wAlignment = PFA_LEFT;
  }
  virtual ~BenchHost() = default;
  int changes = 0;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HDC TxGetDC() override { return nullptr; }
  INT TxReleaseDC(HDC) override { return 1; }
  BOOL TxShowScrollBar(INT, BOOL) override { return TRUE; }
  BOOL TxEnableScrollBar(INT, INT) override { return TRUE; }
  BOOL TxSetScrollRange(INT, LONG, INT, BOOL) override { return TRUE; }
  BOOL TxSetScrollPos(INT, INT, BOOL) override { return TRUE; }
  void TxInvalidateRect(LPCRECT, BOOL) override {}
  void TxViewChange(BOOL) override {}
  BOOL TxCreateCaret(HBITMAP, INT, INT) override { return TRUE; }
  BOOL TxShowCaret(BOOL) override { return TRUE; }
  BOOL TxSetCaretPos(INT, INT) override { return TRUE; }
  BOOL TxSetTimer(UINT, UINT) override { return TRUE; }
  void TxKillTimer(UINT) override {}
  void TxScrollWindowEx(INT, INT, LPCRECT, LPCRECT, HRGN, LPRECT, UINT) override {}
  void TxSetCapture(BOOL) override {}
  void TxSetFocus() override {}
  void TxSetCursor(HCURSOR, BOOL) override {}
  BOOL TxScreenToClient(LPPOINT) override { return TRUE; }
  BOOL TxClientToScreen(LPPOINT) override { return TRUE; }
  HRESULT TxActivate(LONG*) override { return S_OK; }
  HRESULT TxDeactivate(LONG) override { return S_OK; }
  HRESULT TxGetClientRect(LPRECT prc) override {
    *prc = RECT{0, 0, kWidth, kHeight};
    return S_OK;
  }
  HRESULT TxGetViewInset(LPRECT prc) override {
    *prc = RECT{0, 0, 0, 0};
    return S_OK;
  }
  HRESULT TxGetCharFormat(const CHARFORMATW** ppCF) override {
    *ppCF = &format_;
    return S_OK;
  }
  HRESULT TxGetParaFormat(const PARAFORMAT** ppPF) override {
    *ppPF = &para_;
    return S_OK;
  }
  COLORREF TxGetSysColor(int nIndex) override { return GetSysColor(nIndex); }
  HRESULT TxGetBackStyle(TXTBACKSTYLE* pstyle) override {
    *pstyle = TXTBACK_TRANSPARENT;
    return S_OK;
  }
  HRESULT TxGetMaxLength(DWORD* plength) override {
    *plength = 0x7FFFFFFF;
    return S_OK;
  }
  HRESULT TxGetScrollBars(DWORD* pdwScrollBar) override {
    *pdwScrollBar = WS_VSCROLL | ES_AUTOVSCROLL;
    return S_OK;
  }
  HRESULT TxGetPasswordChar(TCHAR* pch) override {
    *pch = 0;
    return S_OK;
  }
  HRESULT TxGetAcceleratorPos(LONG* pcp) override {
    *pcp = -1;
    return S_OK;
  }
  HRESULT TxGetExtent(LPSIZEL) override { return E_NOTIMPL; }
  HRESULT OnTxCharFormatChange(const CHARFORMATW*) override { return S_OK; }
  HRESULT OnTxParaFormatChange(const PARAFORMAT*) override { return S_OK; }
  HRESULT TxGetPropertyBits(DWORD dwMask, DWORD* pdwBits) override {
    *pdwBits = (TXTBIT_MULTILINE | TXTBIT_WORDWRAP) & dwMask;
    return S_OK;
  }
  HRESULT TxNotify(DWORD iNotify, void*) override {
    if (iNotify == EN_CHANGE) ++changes;
    return S_OK;
  }
  HIMC TxImmGetContext() override { return nullptr; }
  void TxImmReleaseContext(HIMC) override {}
  HRESULT TxGetSelectionBarWidth(LONG* lSelBarWidth) override {
    *lSelBarWidth = 0;
    return S_OK;
  }

 private:
  CHARFORMAT2W format_{};
  PARAFORMAT2 para_{};
};

// Services holding the long text, a canvas the size of the view to draw into.
class Editing {
 public:
  Editing() {
    platform::com::ComPtr<IUnknown> unknown;
    CreateTextServices(nullptr, &host_, unknown.Put());
    unknown->QueryInterface(IID_ITextServices, services_.PutVoid());
    services_->OnTxInPlaceActivate(nullptr);
    LRESULT result = 0;
    services_->TxSendMessage(EM_SETEVENTMASK, 0, ENM_CHANGE, &result);
    services_->TxSendMessage(WM_SETFOCUS, 0, 0, &result);
    const std::wstring text = LongText();
    services_->TxSendMessage(EM_REPLACESEL, 0, LPARAM(text.c_str()), &result);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Editing() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    services_->OnTxInPlaceDeactivate();
  }

  void Place(LONG at) {
    CHARRANGE range{at, at};
    LRESULT result = 0;
    services_->TxSendMessage(EM_EXSETSEL, 0, LPARAM(&range), &result);
  }
  void Key(wchar_t ch) {
    LRESULT result = 0;
    services_->TxSendMessage(WM_CHAR, ch, 0, &result);
  }
  void Draw() {
    const RECTL bounds{0, 0, kWidth, kHeight};
    services_->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, dc_, nullptr, &bounds, nullptr, nullptr, nullptr, 0,
                      TXTVIEW_ACTIVE);
  }
  ITextServices* Services() { return services_.Get(); }
  int Changes() const { return host_.changes; }

 private:
  BenchHost host_;
  platform::com::ComPtr<ITextServices> services_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

void TypeAt(benchmark::State& state, LONG at) {
  Editing editing;
  editing.Place(at);
  for (auto _ : state) {
    editing.Key(L'巡');
    editing.Draw();
  }
  state.counters["keys/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  if (editing.Changes() < int(state.iterations())) state.SkipWithError("a keystroke went unreported");
}

void BM_TypeAtTheEnd(benchmark::State& state) { TypeAt(state, LONG(kLength)); }
BENCHMARK(BM_TypeAtTheEnd);

void BM_TypeInTheMiddle(benchmark::State& state) { TypeAt(state, LONG(kLength / 2)); }
BENCHMARK(BM_TypeInTheMiddle);

// The baseline: the same text wrapped by pango at the view's width, again each time.
void BM_BarePangoLayoutOfTheText(benchmark::State& state) {
  const std::wstring text = LongText();
  const platform::gdi::Utf8Text utf8(text.data(), text.size());
  PangoFontDescription* font = pango_font_description_new();
  pango_font_description_set_family(font, platform::gdi::FaceTable::Find(L"微软雅黑")->family);
  pango_font_description_set_absolute_size(font, 14 * PANGO_SCALE);
  PangoLayout* layout = platform::gdi::TextContext::NewLayout(utf8.Bytes(), font, false, false);
  pango_layout_set_single_paragraph_mode(layout, FALSE);
  pango_layout_set_width(layout, kWidth * PANGO_SCALE);
  pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  for (auto _ : state) {
    pango_layout_set_text(layout, utf8.Bytes().data(), int(utf8.Bytes().size()));
    benchmark::DoNotOptimize(pango_layout_get_line_count(layout));
  }
  state.counters["layouts/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
  g_object_unref(layout);
  pango_font_description_free(font);
}
BENCHMARK(BM_BarePangoLayoutOfTheText);

void BM_GetTextExOfTheText(benchmark::State& state) {
  Editing editing;
  std::vector<WCHAR> buffer(kLength + 1);
  GETTEXTEX info{DWORD(buffer.size() * sizeof(WCHAR)), GT_DEFAULT, CP_WINUNICODE, nullptr, nullptr};
  for (auto _ : state) {
    LRESULT copied = 0;
    editing.Services()->TxSendMessage(EM_GETTEXTEX, WPARAM(&info), LPARAM(buffer.data()), &copied);
    benchmark::DoNotOptimize(copied);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kLength * sizeof(WCHAR)));
}
BENCHMARK(BM_GetTextExOfTheText);

}  // namespace

BENCHMARK_MAIN();
