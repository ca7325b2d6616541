#include "CommonTools/CMyData.h"

#include <sstream>
#include <utility>

#include <boost/archive/binary_iarchive.hpp>
#include <boost/archive/binary_oarchive.hpp>

namespace CommonTools {

CMyData::CMyData() = default;

CMyData::CMyData(int level, std::string time, std::string text)
    : m_level(level), m_time(std::move(time)), m_text(std::move(text)) {}

CMyData::~CMyData() = default;

std::string CMyData::to_archive() const {
  std::ostringstream stream;
  {
    boost::archive::binary_oarchive archive(stream);
    archive << *this;
  }
  return stream.str();
}

// Throws boost::archive::archive_exception (or std::bad_alloc for a damaged length) when
// the text is not an archive of a record.
CMyData CMyData::from_archive(const std::string& text) {
  std::istringstream stream(text);
  boost::archive::binary_iarchive archive(stream);
  CMyData data;
  archive >> data;
  return data;
}

}  // namespace CommonTools
