#include "data/DAL_PatrolServer.h"

#include "CommonTools/global_singleton.h"
#include "data/DalExchange.h"
#include "data/JsonBody.h"

DAL_PatrolServer::DAL_PatrolServer()
    : m_strServerAddr(global_singleton::get_const_instance().m_strServerAddr) {}

bool DAL_PatrolServer::Get(const std::string& path, DalLogStyle style, const char* name,
                           std::string& reply) const {
  if (dal::Request(m_strServerAddr + path, std::string(), dal::Verb::Get, reply, dal::ReplyCap(path)) == 0) {
    return true;
  }
  DalLog::OperationFailed(style, name, reply);
  return false;
}

bool DAL_PatrolServer::Post(const std::string& path, const JsonBody& body, DalLogStyle style,
                            const char* name, std::string& reply) const {
  if (dal::Request(m_strServerAddr + path, body.Write(), dal::Verb::Post, reply) == 0) return true;
  DalLog::OperationFailed(style, name, reply);
  return false;
}

int DAL_PatrolServer::Write(const std::string& path, const JsonBody& body, DalLogStyle style,
                            const char* name, const std::string& auditEvent) const {
  std::string reply;
  if (!Post(path, body, style, name, reply)) return -1;
  if (!auditEvent.empty()) DAL_PatrolServer().DAL_SystemLog_Add(auditEvent);
  return dal::ReplyToInt(reply);
}

int DAL_PatrolServer::Remove(const std::string& path, const JsonBody& body, DalLogStyle style,
                             const char* name) const {
  std::string reply;
  return Post(path, body, style, name, reply) ? 1 : -1;
}
