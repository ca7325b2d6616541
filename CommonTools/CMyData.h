#pragma once
// One record of the asynchronous logger as it crosses the queue.
#include <string>

#include <boost/serialization/access.hpp>
#include <boost/serialization/string.hpp>

namespace CommonTools {

class CMyData {
 public:
  CMyData();
  CMyData(int level, std::string time, std::string text);
  virtual ~CMyData();

  int get_level() const { return m_level; }
  std::string get_time() const { return m_time; }
  std::string get_text() const { return m_text; }

  // The archive text that stands for this record in the queue, and the way back.
  std::string to_archive() const;
  static CMyData from_archive(const std::string& archive);

 private:
  friend class boost::serialization::access;
  template <class Archive>
  void serialize(Archive& archive, const unsigned int /*version*/) {
    archive & m_level;
    archive & m_time;
    archive & m_text;
  }

  int m_level = 2;
  std::string m_time;  // "hh:mm:ss"
  std::string m_text;
};

}  // namespace CommonTools
