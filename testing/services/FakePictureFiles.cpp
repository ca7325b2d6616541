#include "testing/services/FakePictureFiles.h"

#include <cstdlib>
#include <string>

#include "testing/services/GbkWire.h"
#include "testing/services/QueryValues.h"

namespace test_support {

namespace {

const char kPrefix[] = "/ResPic/";

HttpReply not_found() { return HttpReply(404, "not found"); }

}  // namespace

void serve_picture_files(FakeHttpServer& http, PictureStore& pictures) {
  http.route_prefix("GET", kPrefix, [&pictures](const RecordedRequest& request) {
    const std::string rest = request.path().substr(sizeof kPrefix - 1);
    const std::string::size_type first = rest.find('/');
    const std::string::size_type second = first == std::string::npos ? first : rest.find('/', first + 1);
    if (second == std::string::npos) return not_found();
    const int plan = std::atoi(rest.substr(0, first).c_str());
    const std::string time = rest.substr(first + 1, second - first - 1);
    const std::string name = percent_decode(rest.substr(second + 1));
    std::string bytes = pictures.bytes(plan, time, name);
    if (bytes.empty()) bytes = pictures.bytes(plan, time, gbk_from_wire(name));
    if (bytes.empty()) return not_found();
    return HttpReply(200, bytes, "image/jpeg");
  });
}

}  // namespace test_support
