#pragma once
// The patrol server for tests (and for pointing a running client at): a FakeHttpServer
// whose routes keep a stateful in-memory store. Adds answer the new id, updates the id,
// deletes "1", and every refusal "-1"; reads answer UTF-8 JSON of what the store holds, so
// a test can run an operation and read its effect back, through the client or directly.
//
// Paths served: api/InspectLog/{Add,Get}; api/InspectPositionDevice/{Get,GetByAreaID,Add,
// Update,Delete}; api/InspectPeople/{Get,GetByID,Add,Update,Delete}; api/InspectDevice/
// {Get,Add,Update,Delete}; api/Fingerprint/{GetbyDeviceID,Add,Delete}; api/DeviceRecord/
// {Get,Add}; api/InspectRecord/InspectRecordAdd; api/ExceptionRecord/{Get,Add,Update};
// api/LoginInfo/{Add,Get}; api/Authority/{Get,GetByID,Add,Update}; Upload.ashx (multipart
// POST of types 1 store and 16 delete, GET of type 32 names); ResPic/<plan>/<time>/<name>
// (FakePictureFiles); api/Cloud/GetServerPort.
#include <mutex>
#include <string>

#include "testing/http/FakeHttpServer.h"
#include "testing/services/PatrolTable.h"
#include "testing/services/PictureStore.h"

namespace test_support {

class FakePatrolServer {
 public:
  explicit FakePatrolServer(unsigned short port = 0);
  // The server stops before the stores its handlers use go.
  ~FakePatrolServer();
  FakePatrolServer(const FakePatrolServer&) = delete;
  FakePatrolServer& operator=(const FakePatrolServer&) = delete;

  // "http://127.0.0.1:<port>/"
  std::string base_url() const { return http_.base_url(); }
  // The requests received, and the place to script a misbehaving path over the store.
  FakeHttpServer& http() { return http_; }

  PatrolTable& audit_log() { return audit_log_; }
  PatrolTable& checkpoints() { return checkpoints_; }
  PatrolTable& people() { return people_; }
  PatrolTable& readers() { return readers_; }
  PatrolTable& fingerprints() { return fingerprints_; }
  PatrolTable& device_records() { return device_records_; }
  // What "InspectRecordAdd" received; the records of that path in device-record form.
  PatrolTable& patrol_records() { return patrol_records_; }
  PatrolTable& exception_records() { return exception_records_; }
  PatrolTable& login_records() { return login_records_; }
  PatrolTable& rights() { return rights_; }
  PictureStore& pictures() { return pictures_; }
  // What api/Cloud/GetServerPort answers: "\"9468\"" at first; "" for the client's default,
  // "-1" for a refusal.
  void set_server_port_reply(const std::string& reply);

 private:
  void serve_audit_log();
  void serve_checkpoints();
  void serve_people();
  void serve_readers();
  void serve_device_records();
  void serve_exception_records();
  void serve_login_records();
  void serve_rights();
  void serve_pictures();
  void serve_server_port();

  void serve_get(const std::string& path, PatrolTable& table);
  void serve_add(const std::string& path, PatrolTable& table);
  void serve_update(const std::string& path, PatrolTable& table, const std::string& id_key, FieldKind id_kind);
  void serve_delete(const std::string& path, PatrolTable& table, const std::string& id_key, FieldKind id_kind);

  FakeHttpServer http_;
  PatrolTable audit_log_;
  PatrolTable checkpoints_;
  PatrolTable people_;
  PatrolTable readers_;
  PatrolTable fingerprints_;
  PatrolTable device_records_;
  PatrolTable patrol_records_;
  PatrolTable exception_records_;
  PatrolTable login_records_;
  PatrolTable rights_;
  PictureStore pictures_;
  std::mutex server_port_mutex_;
  std::string server_port_reply_ = "\"9468\"";
};

}  // namespace test_support
