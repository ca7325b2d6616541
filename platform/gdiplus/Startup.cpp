#include "platform/gdiplus/Startup.h"

#include <atomic>

namespace Gdiplus {

Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output) {
  static std::atomic<ULONG_PTR> next{1};
  if (!token || !input) return InvalidParameter;
  if (input->GdiplusVersion != 1) return UnsupportedGdiplusVersion;
  if (input->SuppressBackgroundThread && !output) return InvalidParameter;
  if (output) *output = GdiplusStartupOutput{nullptr, nullptr};
  *token = next.fetch_add(1);
  return Ok;
}

VOID GdiplusShutdown(ULONG_PTR) {}

}  // namespace Gdiplus
