#pragma once
// Splits a multipart/form-data body into its parts, so that tests can look at what a client
// sent field by field.
#include <string>
#include <vector>

#include "testing/http/MultipartPart.h"

namespace test_support {

// The boundary parameter of a Content-Type value (quotes removed); "" when there is none.
std::string multipart_boundary(const std::string& content_type);

// The parts of a body with the given boundary, in order. A body that does not follow the
// format yields the parts read before the fault.
std::vector<MultipartPart> parse_multipart(const std::string& boundary, const std::string& body);

}  // namespace test_support
