#include "data/SubSystemInfo.h"

#include <tinyxml2.h>

#include "CommonTools/Md5Hex.h"
#include "CommonTools/QueryValue.h"
#include "CommonTools/global_singleton.h"
#include "data/DalExchange.h"
#include "data/DalLog.h"

namespace {

const char kService[] = "Base/WS/Service_Basic.asmx";

std::string OuterQuery(const std::string& sysID) {
  return global_singleton::get_const_instance().m_strBaseAddr + kService +
         "/WS_G_GetSubSystemServerInfo" + "?sysID=" + CommonTools::query_value(sysID) + "&subjectID=";
}

std::string InnerQuery(const std::string& sysID) {
  const std::string secCode = CommonTools::md5_hex_reversed(sysID);
  return global_singleton::get_const_instance().m_strBaseAddr + kService +
         "/WS_G_GetSubSystemInnerServerInfo" + "?secCode=" + secCode + "&sysID=" + CommonTools::query_value(sysID) +
         "&subjectID=";
}

// Every query logs its failure under the one name the callers know.
std::string Ask(const std::string& url, bool third) {
  std::string reply;
  if (dal::Request(url, std::string(), dal::Verb::Get, reply) != 0) {
    DalLog::OperationFailed(DalLogStyle::AsyncRead, "GetSubSystemInfo", reply);
    return std::string();
  }
  return ParseSubSystemServerInfo(reply.c_str(), third);
}

}  // namespace

std::string GetSubSystemInfo(const std::string& sysID) {
  if (global_singleton::get_const_instance().m_nOutSideSchool != 1) {
    return GetSubSystemInnerServerInfo(sysID);
  }
  return Ask(OuterQuery(sysID), false);
}

std::string GetSubSystemInnerServerInfo(const std::string& sysID) {
  return Ask(InnerQuery(sysID), false);
}

std::string GetSubSystemServerInfo(const std::string& sysID) { return Ask(OuterQuery(sysID), true); }

std::string ParseSubSystemServerInfo(const char* xml, bool third) {
  if (!xml) return std::string();
  tinyxml2::XMLDocument document;
  if (document.Parse(xml) != tinyxml2::XML_SUCCESS) return std::string();
  const tinyxml2::XMLElement* root = document.FirstChildElement();
  if (!root) return std::string();
  const int wanted = third ? 3 : 4;
  const tinyxml2::XMLElement* element = root->FirstChildElement();
  for (int number = 1; element && number < wanted; ++number) {
    element = element->NextSiblingElement();
  }
  if (!element) return std::string();
  const tinyxml2::XMLNode* first = element->FirstChild();
  if (!first || !first->ToText()) return std::string();
  return first->Value();
}
