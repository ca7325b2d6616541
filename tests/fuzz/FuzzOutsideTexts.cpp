// Outside input that is not a server's JSON: pictures as downloaded (through the decoder
// and its pixel budget), the broker's alarm messages, the command-line argument the base
// platform starts the program with, and the server's list of a run's picture names.
#include <string>

#include <cairo.h>

#include "CommonTools/TextTime.h"
#include "CommonTools/FileNameCheck.h"
#include "app/shell/LoginSequence.h"
#include "data/rabbitmq_helper.h"
#include "platform/gdiplus/ImageCodec.h"
#include "tests/fuzz/FuzzQuiet.h"
#include "tests/fuzz/FuzzTargets.h"

namespace fuzz {

// The pixel budget lets forty bytes of GIF announce fourteen million pixels, whose decoding
// takes seconds under the fuzzer's sanitizers and starves the search: pictures are decoded
// up to a few million pixels, where the time goes into reading headers and compressed
// data. Every input's header is still read against the budget.
constexpr uint64_t kFuzzedPixels = 4000000;

int FuzzImageDecoder(const uint8_t* data, size_t size) {
  if (Gdiplus::ImageCodec::AnnouncedPixels(data, size) > kFuzzedPixels) return 0;
  Gdiplus::DecodedImage image;
  Gdiplus::ImageCodec::Decode(data, size, &image);
  for (cairo_surface_t* frame : image.frames) cairo_surface_destroy(frame);
  return 0;
}

int FuzzBrokerMessage(const uint8_t* data, size_t size) {
  QuietDataLog();
  ParseMqRecordMessage(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}

// The argument arrives as wide text: every two bytes one character.
int FuzzCommandLine(const uint8_t* data, size_t size) {
  std::wstring argument;
  for (size_t i = 0; i + 1 < size; i += 2) argument.push_back(static_cast<wchar_t>(data[i] | data[i + 1] << 8));
  SplitCommandLine(argument);
  return 0;
}

int FuzzPictureNames(const uint8_t* data, size_t size) {
  for (const std::string& name : CommonTools::split(std::string(reinterpret_cast<const char*>(data), size), "&")) {
    CommonTools::is_plain_file_name(name);
  }
  return 0;
}

}  // namespace fuzz
