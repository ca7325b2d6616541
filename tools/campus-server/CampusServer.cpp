#include "tools/campus-server/CampusServer.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "tools/campus-server/GeneratedSchool.h"
#include "tools/campus-server/SchoolFixture.h"

namespace campus_server {

namespace {

// A real patrol server answers many clients' requests at once; one that answered in turn
// would make the client's concurrent look-ups wait on the server instead of the network.
std::size_t ServingThreads() { return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 2, 8); }

}  // namespace

CampusServer::CampusServer(boost::asio::io_context& io, unsigned short port, const std::string& fixtureFolder,
                           Broker broker, std::optional<SchoolSize> generated)
    : m_patrol(port),
      m_platform(m_patrol.http()),
      m_campus(m_patrol.http()),
      m_plans(m_patrol, &m_campus),
      m_forget(io) {
  const SchoolFixture fixture(fixtureFolder);
  const SchoolServices services{m_patrol, m_platform, m_campus, m_plans};
  if (generated) {
    fixture.SeedSetting(services, Url());
    std::vector<int> buildings;
    for (const DigiAreaInfo& building : m_campus.buildings()) buildings.push_back(building.buildingId);
    GeneratedSchool(*generated, fixture.UserIds(), buildings).Seed(services);
  } else {
    fixture.Seed(services, Url());
  }
  // An empty address leaves the client without a broker host, so it never connects.
  if (broker == Broker::None) m_platform.set_address("E80", "");
  ForgetRequestsNow();
  m_patrol.http().serve_on(ServingThreads());
}

CampusServer::~CampusServer() { m_patrol.http().stop(); }

std::string CampusServer::Url() const { return m_patrol.base_url(); }

void CampusServer::ForgetRequestsNow() {
  m_patrol.http().clear_requests();
  m_forget.expires_after(std::chrono::minutes(1));
  m_forget.async_wait([this](boost::system::error_code ec) {
    if (!ec) ForgetRequestsNow();
  });
}

}  // namespace campus_server
