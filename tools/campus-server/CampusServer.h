#pragma once
// Every outside service of the client on one loopback port: the patrol server, the base
// platform and the digital campus, serving the school of the fixture files.
#include <string>

#include <boost/asio/io_context.hpp>
#include <boost/asio/steady_timer.hpp>

#include "testing/services/FakeBasePlatform.h"
#include "testing/services/FakeCampusService.h"
#include "testing/services/FakePatrolServer.h"
#include "testing/services/FakeRoutesAndPlans.h"

namespace campus_server {

class CampusServer {
 public:
  // Whether the address service names a message broker: every sub-system sits on this
  // server's host, and a broker there may be one that other runs share, whose messages
  // a client must not take.
  enum class Broker { Named, None };

  // Listens on 127.0.0.1:port (0 for any free port) through io, which the caller runs.
  // Throws when the fixtures cannot be read or the port cannot be had.
  CampusServer(boost::asio::io_context& io, unsigned short port, const std::string& fixtureFolder,
               Broker broker = Broker::Named);
  // Stops serving first: the connection thread's handlers use every service below.
  ~CampusServer();
  CampusServer(const CampusServer&) = delete;
  CampusServer& operator=(const CampusServer&) = delete;

  // "http://127.0.0.1:<port>/"
  std::string Url() const;

  // The services' state, for a test that runs the client against this server in its
  // own process and reads back what the client did.
  test_support::FakePatrolServer& Patrol() { return m_patrol; }
  test_support::FakeBasePlatform& Platform() { return m_platform; }
  test_support::FakeRoutesAndPlans& Plans() { return m_plans; }

 private:
  // The test server keeps every request it gets; a long run would keep them all.
  void ForgetRequestsNow();

  test_support::FakePatrolServer m_patrol;
  test_support::FakeBasePlatform m_platform;
  test_support::FakeCampusService m_campus;
  test_support::FakeRoutesAndPlans m_plans;
  boost::asio::steady_timer m_forget;
};

}  // namespace campus_server
