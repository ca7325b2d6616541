#include "platform/backend/x11/X11Backend.h"

#include "platform/backend/x11/XHeaders.h"

#include "platform/backend/x11/PixelImage.h"
#include "platform/backend/x11/PresentQueue.h"
#include "platform/backend/x11/XConnection.h"
#include "platform/backend/x11/XDesktop.h"
#include "platform/backend/x11/XThread.h"
#include "platform/base/CodePage.h"

namespace platform::x11 {
namespace {

std::atomic<X11Backend*> g_instance{nullptr};
const std::chrono::milliseconds kLookupLimit(3000);
// Another program's clipboard answer passes through two X clients and the server; on a
// busy machine that alone can take a second.
const std::chrono::milliseconds kClipboardLimit(3000);

// A region copied for the X thread.
struct OwnedRegion {
  OwnedRegion() { pixman_region32_init(&region); }
  ~OwnedRegion() { pixman_region32_fini(&region); }
  OwnedRegion(const OwnedRegion&) = delete;
  OwnedRegion& operator=(const OwnedRegion&) = delete;
  pixman_region32_t region;
};

}  // namespace

X11Backend::X11Backend() = default;

std::unique_ptr<X11Backend> X11Backend::Open(std::string* error) {
  std::unique_ptr<XConnection> connection(XConnection::Open(error));
  if (!connection) return nullptr;
  std::unique_ptr<X11Backend> backend(new X11Backend);
  backend->connection_ = std::move(connection);
  backend->presents_ = std::make_unique<PresentQueue>();
  X11Backend* self = backend.get();
  backend->desktop_ = std::make_unique<XDesktop>(
      *backend->connection_, *backend->presents_, backend->sink_,
      [self](std::vector<backend::MonitorDesc> monitors) {
        std::lock_guard<std::mutex> lock(self->monitorsMutex_);
        self->monitors_ = std::move(monitors);
      });
  // Asked once here, before any window: the layer reads monitors from the start.
  backend->monitors_ = backend->desktop_->QueryMonitors();
  backend->thread_ = std::make_unique<XThread>();
  XDesktop* desktop = backend->desktop_.get();
  backend->thread_->Start(ConnectionNumber(backend->connection_->display()), [desktop] { return desktop->Pump(); });
  g_instance.store(self);
  return backend;
}

X11Backend::~X11Backend() {
  X11Backend* self = this;
  g_instance.compare_exchange_strong(self, nullptr);
  if (thread_) thread_->Stop();
  desktop_.reset();
  connection_.reset();
}

X11Backend* X11Backend::Instance() { return g_instance.load(); }

void X11Backend::Post(std::function<void()> command) { thread_->Post(std::move(command)); }

bool X11Backend::Flush(std::chrono::milliseconds limit) {
  XConnection* connection = connection_.get();
  return thread_->Ask<bool>([connection] {
    XSync(connection->display(), False);
    return true;
  }, limit).value_or(false);
}

unsigned long X11Backend::NativeWindow(HWND hwnd) {
  XDesktop* desktop = desktop_.get();
  return thread_->Ask<unsigned long>([desktop, hwnd] { return desktop->WindowOf(hwnd); }, kLookupLimit).value_or(0);
}

bool X11Backend::WindowManagerPresent() {
  XDesktop* desktop = desktop_.get();
  return thread_->Ask<bool>([desktop] { return desktop->Facts().windowManager; }, kLookupLimit).value_or(false);
}

bool X11Backend::Composited() {
  XDesktop* desktop = desktop_.get();
  return thread_->Ask<bool>([desktop] { return desktop->Facts().composited; }, kLookupLimit).value_or(false);
}

void X11Backend::InjectInputMethodCommit(const std::string& utf8) {
  XDesktop* desktop = desktop_.get();
  Post([desktop, utf8] { desktop->CommitText(utf8); });
}

void X11Backend::SetEventSink(backend::EventSink* sink) { sink_.store(sink); }

std::vector<backend::MonitorDesc> X11Backend::Monitors() const {
  std::lock_guard<std::mutex> lock(monitorsMutex_);
  return monitors_;
}

backend::SurfaceId X11Backend::CreateSurface(const backend::SurfaceDesc& desc) {
  const backend::SurfaceId id = nextId_.fetch_add(1);
  XDesktop* desktop = desktop_.get();
  Post([desktop, id, desc] { desktop->Create(id, desc); });
  return id;
}

void X11Backend::DestroySurface(backend::SurfaceId id) {
  presents_->Drop(id);
  XDesktop* desktop = desktop_.get();
  Post([desktop, id] { desktop->Destroy(id); });
}

void X11Backend::SetShowState(backend::SurfaceId id, backend::ShowState state) {
  XDesktop* desktop = desktop_.get();
  Post([desktop, id, state] { desktop->SetShowState(id, state); });
}

void X11Backend::MoveSurface(backend::SurfaceId id, const RECT& screenRect) {
  XDesktop* desktop = desktop_.get();
  Post([desktop, id, screenRect] { desktop->Move(id, screenRect); });
}

void X11Backend::Restack(const std::vector<backend::SurfaceId>& topToBottom) {
  XDesktop* desktop = desktop_.get();
  Post([desktop, topToBottom] { desktop->Restack(topToBottom); });
}

void X11Backend::SetTopmost(backend::SurfaceId id, bool topmost) {
  XDesktop* desktop = desktop_.get();
  Post([desktop, id, topmost] { desktop->SetTopmost(id, topmost); });
}

void X11Backend::Present(backend::SurfaceId id, cairo_surface_t* image, bool perPixelAlpha) {
  if (!presents_->Put(id, PixelImage::Copy(image, perPixelAlpha))) return;  // already announced
  XDesktop* desktop = desktop_.get();
  Post([desktop, id] { desktop->Present(id); });
}

void X11Backend::SetShape(backend::SurfaceId id, const pixman_region32_t* shape) {
  std::shared_ptr<OwnedRegion> copy;
  if (shape) {
    copy = std::make_shared<OwnedRegion>();
    pixman_region32_copy(&copy->region, const_cast<pixman_region32_t*>(shape));
  }
  XDesktop* desktop = desktop_.get();
  Post([desktop, id, copy] { desktop->SetShape(id, copy ? &copy->region : nullptr); });
}

void X11Backend::SetClickThrough(backend::SurfaceId id, bool clickThrough) {
  XDesktop* desktop = desktop_.get();
  Post([desktop, id, clickThrough] { desktop->SetClickThrough(id, clickThrough); });
}

void X11Backend::SetOpacity(backend::SurfaceId id, BYTE alpha) {
  XDesktop* desktop = desktop_.get();
  Post([desktop, id, alpha] { desktop->SetOpacity(id, alpha); });
}

void X11Backend::SetTitle(backend::SurfaceId id, const std::wstring& title) {
  XDesktop* desktop = desktop_.get();
  Post([desktop, id, title] { desktop->SetTitle(id, title); });
}

void X11Backend::SetIcon(backend::SurfaceId id, cairo_surface_t* icon, bool big) {
  auto copy = std::make_shared<PixelImage>(PixelImage::Copy(icon, true));
  XDesktop* desktop = desktop_.get();
  Post([desktop, id, copy, big] { desktop->SetIcon(id, std::move(*copy), big); });
}

void X11Backend::GrabPointer(backend::SurfaceId id) {
  XDesktop* desktop = desktop_.get();
  Post([desktop, id] { desktop->GrabPointer(id); });
}

void X11Backend::UngrabPointer() {
  XDesktop* desktop = desktop_.get();
  Post([desktop] { desktop->UngrabPointer(); });
}

void X11Backend::SetCursorShape(backend::CursorShape shape) {
  XDesktop* desktop = desktop_.get();
  Post([desktop, shape] { desktop->SetCursorShape(shape); });
}

HWND X11Backend::FindForeignWindow(const std::wstring& title) {
  XDesktop* desktop = desktop_.get();
  const std::string utf8 = platform::codepage::WideToUtf8(title);
  return thread_->Ask<HWND>([desktop, utf8] { return desktop->FindForeignWindow(utf8); }, kLookupLimit)
      .value_or(nullptr);
}

bool X11Backend::RestoreForeignWindow(HWND foreign) {
  if (!IsForeignHandle(foreign)) return false;
  XDesktop* desktop = desktop_.get();
  const Window window = Window(NativeIdOf(foreign));
  return thread_->Ask<bool>([desktop, window] { return desktop->RestoreForeignWindow(window); }, kLookupLimit)
      .value_or(false);
}

void X11Backend::SetCompositionSpot(HWND window, POINT screen) {
  XDesktop* desktop = desktop_.get();
  Post([desktop, window, screen] { desktop->SetCompositionSpot(window, screen); });
}


void X11Backend::OfferText(const std::wstring& text) {
  XDesktop* desktop = desktop_.get();
  const std::string utf8 = platform::codepage::WideToUtf8(text);
  Post([desktop, utf8] { desktop->Clipboard().Offer(utf8); });
}

bool X11Backend::ReadForeignText(std::wstring* text) {
  typedef std::pair<bool, std::string> Answer;
  auto promise = std::make_shared<std::promise<Answer>>();
  std::future<Answer> answer = promise->get_future();
  XDesktop* desktop = desktop_.get();
  Post([desktop, promise] {
    desktop->Clipboard().Read([promise](bool foreign, const std::string& utf8) {
      promise->set_value(Answer(foreign, utf8));
    });
  });
  text->clear();
  // Another program that does not answer within the limit has given nothing.
  if (answer.wait_for(kClipboardLimit) != std::future_status::ready) return true;
  try {
    const Answer got = answer.get();
    *text = platform::codepage::Utf8ToWide(got.second);
    return got.first;
  } catch (const std::future_error&) {
    return false;  // the X thread stopped before it came to the question
  }
}

}  // namespace platform::x11
