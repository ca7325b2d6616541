#pragma once
// Pictures that are small files yet announce a great many pixels, as a hostile server
// sends them: a grey PNG of any size, all black, whose pixels compress to almost nothing.
#include <cstdint>
#include <string>

namespace test_support {

// Without pixel data when `withPixels` is false (the header alone, as a decoder that reads
// only the header sees it).
std::string grey_png(std::uint32_t width, std::uint32_t height, bool withPixels = true);

}  // namespace test_support
