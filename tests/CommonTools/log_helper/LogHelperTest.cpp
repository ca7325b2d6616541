#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <thread>

#include <boost/date_time/gregorian/gregorian.hpp>
#include <boost/filesystem/operations.hpp>

#include "CommonTools/CMyData.h"
#include "CommonTools/LogHelper.h"
#include "testing/files/ScratchFolder.h"

// The logger finds its folder once per process, at its first record, under the current
// folder; these tests run in an executable of their own for that reason, and move into a
// scratch folder before anything is written. The last test shuts the logger down.
namespace {

using test_support::ScratchFolder;

class LogHelper : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!scratch_) {
      scratch_ = new ScratchFolder();  // kept to the end of the process: the logger uses it
      boost::filesystem::current_path(scratch_->path());
    }
  }

  static std::string day_folder() {
    const std::string date =
        boost::gregorian::to_iso_string(boost::gregorian::day_clock::local_day());
    return scratch_->path() + "/logs/" + date.substr(0, 6) + "/" + date;
  }

  static std::string content(const std::string& name) {
    return ScratchFolder::read(day_folder() + "/" + name);
  }

  // The worker writes on its own thread; wait for a text to show, within a generous bound
  // so that a logger that lost the record fails instead of hanging.
  static bool wait_for(const std::string& name, const std::string& text) {
    for (int i = 0; i < 2000; ++i) {
      if (content(name).find(text) != std::string::npos) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  static ScratchFolder* scratch_;
};

ScratchFolder* LogHelper::scratch_ = nullptr;

const char kClosing[] = "\n----------------------------------------------\n\n";

TEST_F(LogHelper, WritesEachLevelToItsFileWithTimeTextAndClosingLine) {
  ASSERT_NE(CommonTools::log_helper::instance(), nullptr);
  struct Case {
    int level;
    std::string text;
    const char* file;
  } cases[] = {
      {0, "normal record", "normal.log"},
      {1, "warning record", "warning.log"},
      {2, "error record", "error.log"},
      {7, "level seven", "error.log"},
      {-3, "negative level", "error.log"},
      {2, "two\nlines \xD6\xD0\xCE\xC4", "error.log"},
  };
  for (const Case& c : cases) CommonTools::log_helper::write(c.level, c.text);
  for (const Case& c : cases) {
    ASSERT_TRUE(wait_for(c.file, c.text + kClosing)) << c.text;
    EXPECT_TRUE(std::regex_search(content(c.file),
                                  std::regex("(^|\n\n)\\d{2}:\\d{2}:\\d{2}\n" + c.text + kClosing)))
        << c.text;
  }
  EXPECT_EQ(content("normal.log").find("warning"), std::string::npos);
}

TEST_F(LogHelper, KeepsTheOrderOfOneProducerPastAFullQueue) {
  ASSERT_NE(CommonTools::log_helper::instance(), nullptr);
  for (int i = 0; i < 1000; ++i) CommonTools::log_helper::write(1, "ordered " + std::to_string(i));
  ASSERT_TRUE(wait_for("warning.log", "ordered 999\n"));
  const std::string text = content("warning.log");
  std::size_t previous = 0;
  for (int i = 0; i < 1000; ++i) {
    const std::size_t at = text.find("ordered " + std::to_string(i) + "\n");
    ASSERT_NE(at, std::string::npos) << i;
    EXPECT_GE(at, previous) << i;
    previous = at;
  }
}

TEST_F(LogHelper, GoesOnAfterARecordThatCannotBeRead) {
  ASSERT_NE(CommonTools::log_helper::instance(), nullptr);
  CommonTools::log_queue.push("not an archive");
  std::string cut = CommonTools::CMyData(2, "00:00:00", "cut short").to_archive();
  CommonTools::log_queue.push(cut.substr(0, cut.size() / 2));
  CommonTools::log_helper::write(2, "after the bad ones");
  EXPECT_TRUE(wait_for("error.log", "after the bad ones"));
}

TEST_F(LogHelper, DeletingItWritesOutTheQueueAndLaterRecordsAreDropped) {
  CommonTools::log_helper* helper = CommonTools::log_helper::instance();
  ASSERT_NE(helper, nullptr);
  for (int i = 0; i < 200; ++i) CommonTools::log_helper::write(0, "last " + std::to_string(i));
  delete helper;
  EXPECT_NE(content("normal.log").find("last 199\n"), std::string::npos);
  EXPECT_EQ(CommonTools::log_helper::instance(), nullptr);
  // More records than the queue holds: with no worker left they must not block.
  for (int i = 0; i < 300; ++i) CommonTools::log_helper::write(0, "dropped");
  EXPECT_EQ(content("normal.log").find("dropped"), std::string::npos);
}

}  // namespace
