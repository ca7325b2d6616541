#pragma once
// Another program's side of the CLIPBOARD selection, on a connection of its own: it
// reads the clipboard as UTF8_STRING, or takes it with a text that it hands out to
// whoever asks until it is destroyed; one client does one or the other. Every wait
// is bounded.
#include <atomic>
#include <string>
#include <thread>

typedef struct _XDisplay Display;

namespace x11test {

class ClipboardClient {
 public:
  ClipboardClient();
  ~ClipboardClient();
  ClipboardClient(const ClipboardClient&) = delete;
  ClipboardClient& operator=(const ClipboardClient&) = delete;

  bool ok() const { return display_ != nullptr; }
  // The clipboard's text; empty when nobody answered in time.
  std::string Read(int limitMs = 5000);
  // Takes the clipboard and answers requests for it from a thread of its own.
  bool Own(const std::string& utf8);

 private:
  void Serve();

  Display* display_ = nullptr;
  unsigned long window_ = 0;
  std::string text_;
  std::atomic<bool> stop_{false};
  std::thread server_;
};

}  // namespace x11test
