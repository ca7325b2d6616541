// The patrol reader library through the program's binding by ordinal, over a simulated
// reader in a scratch folder: what each call logs and leaves in the reader, the injected
// failures, the reader that is absent or opens with 0, fingers captured into the caller's
// buffer, records copied out and cleared, and no reader at all.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/base/CodePage.h"
#include "platform/reader/JCommApi.h"
#include "platform/reader/JCommExports.h"
#include "platform/reader/ReaderBackend.h"
#include "platform/reader/ReaderSimulatorControl.h"
#include "testing/files/ScratchFolder.h"

namespace {

using platform::reader::JComm;
using platform::reader::ReaderBackend;
using platform::reader::ReaderSimulatorControl;
using Lines = std::vector<std::string>;

const char kRecord1[] = "1 0 1A 000123 0 0 0 0 0 260102080910 0 0 0";
const char kRecord2[] = "2 0 1B 000124 0 0 0 0 0 260102081011 0 0 0";

class ReaderLibrary : public ::testing::Test {
 protected:
  ReaderLibrary() : reader(scratch.file("reader")) {
    reader.Reset();
    ReaderBackend::UseSimulator(reader.Folder());
  }
  ~ReaderLibrary() override { ReaderBackend::UseNone(); }

  test_support::ScratchFolder scratch;
  ReaderSimulatorControl reader;
};

// --- Each function: its result, its log line, what it leaves in the reader ----------------

struct CallCase {
  const char* name;
  int (*call)();
  std::string line;
  std::string key;    // the state value it sets ("" for none)
  std::string value;
};

std::vector<CallCase> CallCases() {
  return {
      {"open", [] { return JComm().OpenDevice(); }, "1 -> 1", "open", "1"},
      {"close", [] { return JComm().CloseDevice(); }, "2 -> 0", "open", "0"},
      {"id", [] { return JComm().GetDeviceId(); }, "4 -> 12345678", "", ""},
      {"clock", [] { return JComm().SetClock(2026, 3, 4, 5, 6, 7); }, "6 2026 3 4 5 6 7 -> 0", "clock",
       "2026-03-04 05:06:07"},
      {"ip", [] { return JComm().SetIpAndPort("10.1.2.3", 9468); }, "55 \"10.1.2.3\" 9468 -> 0", "port", "9468"},
      {"domain", [] { return JComm().SetDomain("patrol.example", "141.141.141", 10406); },
       "56 \"patrol.example\" \"141.141.141\" 10406 -> 0", "domain_port", "10406"},
      {"address book", [] { return JComm().SetAddressBook("张三\t13800000000\t0000000001\r\n"); },
       "104 \"张三\\t13800000000\\t0000000001\\r\\n\" -> 0", "address_book", "张三\t13800000000\t0000000001\r\n"},
      {"voice", [] { return JComm().SetVoice(1); }, "137 1 -> 0", "voice", "1"},
      {"volume", [] { return JComm().SetVolume(7); }, "149 7 -> 0", "volume", "7"},
      {"interval", [] { return JComm().SetLowAutoSendInterval(180); }, "177 180 -> 0", "low_battery_interval", "180"},
      {"reminder", [] { return JComm().SetCallreminder(2); }, "221 2 -> 0", "call_reminder", "2"},
      {"joints", [] { return JComm().SetFingerprintJointCount(6); }, "603 6 -> 0", "joint_count", "6"},
  };
}

TEST_F(ReaderLibrary, EachFunctionAnswersLogsItsCallAndSetsTheReader) {
  for (const CallCase& c : CallCases()) {
    reader.ClearCalls();
    const int result = c.call();
    EXPECT_GE(result, 0) << c.name;
    EXPECT_EQ(reader.Calls(), Lines{c.line}) << c.name;
    if (!c.key.empty()) {
      EXPECT_EQ(reader.StateValue(c.key), c.value) << c.name;
    }
  }
}

TEST_F(ReaderLibrary, AnInjectedFailureIsAnsweredAndChangesNothing) {
  reader.InjectFailure(137, -5);
  reader.InjectFailure(56, -2);
  EXPECT_EQ(JComm().SetVoice(3), -5);
  EXPECT_EQ(JComm().SetDomain("a.b", "141.141.141", 1), -2);
  EXPECT_EQ(JComm().SetVolume(5), 0) << "the others still work";
  EXPECT_EQ(reader.StateValue("voice"), "");
  EXPECT_EQ(reader.StateValue("domain"), "");
  EXPECT_EQ(reader.Calls(), (Lines{"137 3 -> -5", "56 \"a.b\" \"141.141.141\" 1 -> -2", "149 5 -> 0"}));
  reader.ClearFailures();
  EXPECT_EQ(JComm().SetVoice(3), 0);
}

TEST_F(ReaderLibrary, AnAbsentReaderFailsEveryCallAndOneOpenedWithZeroIsReported) {
  reader.SetPresent(false);
  EXPECT_LT(JComm().OpenDevice(), 0);
  EXPECT_LT(JComm().GetDeviceId(), 0);
  EXPECT_FALSE(reader.IsOpen());
  reader.SetPresent(true);
  reader.SetOpenResult(0);
  reader.SetId(4711);
  EXPECT_EQ(JComm().OpenDevice(), 0);
  EXPECT_EQ(JComm().GetDeviceId(), 4711);
  EXPECT_EQ(reader.Calls(), (Lines{"1 -> -1", "4 -> -1", "1 -> 0", "4 -> 4711"}));
}

TEST(ReaderLibraryWithoutSimulator, FailsEveryOpenAndKnowsOnlyItsOrdinals) {
  ReaderBackend::UseNone();
  EXPECT_LT(JComm().OpenDevice(), 0);
  EXPECT_LT(JComm().SetVoice(1), 0);
  for (int ordinal : {1, 2, 4, 5, 6, 7, 8, 55, 56, 104, 135, 136, 137, 149, 177, 188, 194, 221, 603}) {
    EXPECT_NE(platform::reader::JCommProcByOrdinal(ordinal), nullptr) << ordinal;
  }
  for (int ordinal : {0, 3, 9, 100, 604}) EXPECT_EQ(platform::reader::JCommProcByOrdinal(ordinal), nullptr) << ordinal;
}

// The variable is read once, when the library is first called: the check runs in a
// process of its own that starts the test afresh (with a scratch folder of its own), and
// only that folder's reader answers with the id 4711.
TEST(ReaderLibraryChoice, TheVariableNamesTheSimulatedReadersFolder) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  test_support::ScratchFolder scratch;
  ReaderSimulatorControl reader(scratch.file("desk"));
  reader.Reset();
  reader.SetId(4711);
  ::setenv("PATROL_READER_SIM", reader.Folder().c_str(), 1);
  EXPECT_EXIT(
      {
        const bool chosen = JComm().OpenDevice() == 1 && JComm().GetDeviceId() == 4711;
        std::filesystem::remove_all(scratch.path());  // exit() leaves the scratch folder behind
        std::exit(chosen ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  ::unsetenv("PATROL_READER_SIM");
}

// --- Fingers -----------------------------------------------------------------------------

TEST_F(ReaderLibrary, ACaptureFillsTheCallersBufferAndTheStoreKeepsItForThatSlot) {
  char buffer[1024] = "untouched";
  char* fingerTemplate = buffer;
  ASSERT_EQ(JComm().CaptureFinger(3, &fingerTemplate), 0);
  EXPECT_EQ(fingerTemplate, buffer) << "the pointer is not moved";
  EXPECT_STREQ(buffer, "FP-3-1");
  ASSERT_EQ(JComm().StoreTemplate(buffer), 0);
  EXPECT_LT(JComm().StoreTemplate(buffer), 0) << "nothing captured since";

  ASSERT_EQ(JComm().CaptureFinger(4, &fingerTemplate), 0);
  EXPECT_STREQ(buffer, "FP-4-2");
  ASSERT_EQ(JComm().StoreTemplate(buffer), 0);
  EXPECT_EQ(reader.Fingers(), (std::map<int, std::string>{{3, "FP-3-1"}, {4, "FP-4-2"}}));

  EXPECT_EQ(JComm().RemoveFinger(3), 0);
  EXPECT_EQ(reader.Fingers(), (std::map<int, std::string>{{4, "FP-4-2"}}));
  EXPECT_EQ(JComm().RemoveAllFingers(), 0);
  EXPECT_TRUE(reader.Fingers().empty());
  EXPECT_EQ(reader.Calls(), (Lines{"194 3 -> 0", "188 \"FP-3-1\" -> 0", "188 \"FP-3-1\" -> -1", "194 4 -> 0",
                                   "188 \"FP-4-2\" -> 0", "135 3 -> 0", "136 -> 0"}));
}

TEST_F(ReaderLibrary, AFailedCaptureLeavesTheBufferAndAScriptedOneDeliversItsText) {
  char buffer[1024] = "untouched";
  char* fingerTemplate = buffer;
  reader.InjectFailure(194, -3);
  EXPECT_EQ(JComm().CaptureFinger(1, &fingerTemplate), -3);
  EXPECT_STREQ(buffer, "untouched");
  reader.ClearFailures();
  reader.SetCaptureTemplate("");
  EXPECT_EQ(JComm().CaptureFinger(1, &fingerTemplate), 0);
  EXPECT_STREQ(buffer, "");
}

// --- Records -----------------------------------------------------------------------------

TEST_F(ReaderLibrary, RecordsAreCopiedToTheCallersGbkPathAndClearedOnlyAfterFiveWithZero) {
  reader.SetPendingRecords({kRecord1, kRecord2});
  const std::string gbkPath = platform::codepage::Utf8ToGbk(scratch.path()) + "\\记录.txt";
  EXPECT_EQ(JComm().GetRecords(gbkPath.c_str(), 0), 2);
  EXPECT_EQ(test_support::ScratchFolder::read(scratch.file(u8"记录.txt")),
            std::string(kRecord1) + "\n" + kRecord2 + "\n");

  JComm().Ordinal8();
  EXPECT_TRUE(reader.HasPendingRecords()) << "8 alone keeps them";
  JComm().Ordinal5(0);
  JComm().GetDeviceId();
  JComm().Ordinal8();
  EXPECT_TRUE(reader.HasPendingRecords()) << "8 must follow 5(0) directly";
  JComm().Ordinal5(0);
  JComm().Ordinal8();
  EXPECT_FALSE(reader.HasPendingRecords());
  EXPECT_EQ(JComm().GetRecords(gbkPath.c_str(), 0), 0);
}

TEST_F(ReaderLibrary, TheCountCanBeOverriddenToDisagreeWithTheFile) {
  reader.SetPendingRecords({kRecord1});
  reader.SetRecordsCountOverride(5);
  EXPECT_EQ(JComm().GetRecords(scratch.file("r.txt").c_str(), 0), 5);
  EXPECT_EQ(test_support::ScratchFolder::read(scratch.file("r.txt")), std::string(kRecord1) + "\n");
}

}  // namespace
