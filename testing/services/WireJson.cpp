#include "testing/services/WireJson.h"

#include <memory>

namespace test_support {

bool read_wire_json(const std::string& text, Json::Value& value) {
  Json::CharReaderBuilder builder;
  std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
  std::string errors;
  return reader->parse(text.data(), text.data() + text.size(), &value, &errors);
}

std::string write_wire_json(const Json::Value& value) {
  Json::StreamWriterBuilder builder;
  builder["indentation"] = "";
  builder["emitUTF8"] = true;
  return Json::writeString(builder, value);
}

}  // namespace test_support
