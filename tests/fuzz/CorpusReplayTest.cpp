// Every committed input of every fuzz target, seeds and the reproducers of what the
// fuzzers found, run through its target in the normal suite: a fault that comes back
// fails here, under the sanitizers or as a plain crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/FuzzTargets.h"

namespace {

struct Target {
  const char* name;  // the corpus folder
  int (*run)(const uint8_t*, size_t);
};

void PrintTo(const Target& target, std::ostream* os) { *os << target.name; }

class CorpusReplay : public ::testing::TestWithParam<Target> {};

TEST_P(CorpusReplay, EveryInputRunsThrough) {
  const std::filesystem::path folder = std::filesystem::path(FUZZ_CORPUS_DIR) / GetParam().name;
  ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
  int inputs = 0;
  for (const auto& file : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(file.path(), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SCOPED_TRACE(file.path().filename().string());
    EXPECT_EQ(0, GetParam().run(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    ++inputs;
  }
  EXPECT_GT(inputs, 0) << "a target without seeds";
}

INSTANTIATE_TEST_SUITE_P(Targets, CorpusReplay,
                         ::testing::Values(Target{"markup_parser", &fuzz::FuzzMarkupParser},
                                           Target{"dialog_builder", &fuzz::FuzzDialogBuilder},
                                           Target{"reply_list", &fuzz::FuzzReplyList},
                                           Target{"reply_record", &fuzz::FuzzReplyRecord},
                                           Target{"zip_reader", &fuzz::FuzzZipReader},
                                           Target{"profile_reader", &fuzz::FuzzProfileReader},
                                           Target{"value_parsers", &fuzz::FuzzValueParsers},
                                           Target{"markup_text", &fuzz::FuzzMarkupText},
                                           Target{"records_file", &fuzz::FuzzRecordsFile},
                                           Target{"plans", &fuzz::FuzzPlans},
                                           Target{"routes", &fuzz::FuzzRoutes},
                                           Target{"route_checkpoints", &fuzz::FuzzRouteCheckpoints},
                                           Target{"checkpoints", &fuzz::FuzzCheckpoints},
                                           Target{"readers", &fuzz::FuzzReaders},
                                           Target{"fingerprints", &fuzz::FuzzFingerprints},
                                           Target{"rights", &fuzz::FuzzRights},
                                           Target{"audit_log", &fuzz::FuzzAuditLog},
                                           Target{"device_records", &fuzz::FuzzDeviceRecords},
                                           Target{"exception_record", &fuzz::FuzzExceptionRecord},
                                           Target{"login_reply", &fuzz::FuzzLoginReply},
                                           Target{"platform_replies", &fuzz::FuzzPlatformReplies},
                                           Target{"platform_users", &fuzz::FuzzPlatformUsers},
                                           Target{"campus", &fuzz::FuzzCampus},
                                           Target{"address_xml", &fuzz::FuzzAddressXml},
                                           Target{"image_decoder", &fuzz::FuzzImageDecoder},
                                           Target{"broker_message", &fuzz::FuzzBrokerMessage},
                                           Target{"command_line", &fuzz::FuzzCommandLine},
                                           Target{"picture_names", &fuzz::FuzzPictureNames}),
                         [](const ::testing::TestParamInfo<Target>& info) { return std::string(info.param.name); });

}  // namespace
