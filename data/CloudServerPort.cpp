#include "data/CloudServerPort.h"

#include <string>

#include "CommonTools/global_singleton.h"
#include "data/DalExchange.h"
#include "data/DalLog.h"

namespace {

constexpr int kDefaultPort = 9468;

// The server sends the port as a JSON string or as a bare number.
std::string Unquote(const std::string& reply) {
  const std::size_t first = reply.find('"');
  if (first == std::string::npos) return reply;
  const std::size_t last = reply.rfind('"');
  if (last == first) return reply.substr(first + 1);
  return reply.substr(first + 1, last - first - 1);
}

}  // namespace

int DAL_Cloud_GetServerPort() {
  const std::string url = global_singleton::get_const_instance().m_strServerAddr + "api/Cloud/GetServerPort";
  std::string reply;
  if (dal::Request(url, std::string(), dal::Verb::Get, reply) != 0) {
    DalLog::OperationFailed(DalLogStyle::AsyncRead, "DAL_Cloud_GetServerPort", reply);
    return -1;
  }
  if (reply.empty()) return kDefaultPort;
  return dal::ReplyToInt(Unquote(reply));
}
