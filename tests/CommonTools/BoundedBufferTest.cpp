#include <gtest/gtest.h>

#include <string>

#include <boost/thread/thread.hpp>

#include "CommonTools/BoundedBuffer.h"

namespace {

using CommonTools::bounded_buffer;

TEST(BoundedBuffer, WaitsForRoomInsteadOfOverwritingTheOldest) {
  bounded_buffer buffer(256);
  for (int i = 0; i < 256; ++i) ASSERT_TRUE(buffer.push("entry " + std::to_string(i)));
  bool pushed = false;
  boost::thread producer([&] { pushed = buffer.push("entry 256"); });
  // Every entry comes out once, oldest first, however far the producer got.
  for (int i = 0; i <= 256; ++i) {
    std::string text;
    buffer.pop(text);
    EXPECT_EQ(text, "entry " + std::to_string(i));
  }
  producer.join();
  EXPECT_TRUE(pushed);
  std::string none;
  EXPECT_FALSE(buffer.try_pop(none));
}

TEST(BoundedBuffer, KeepsOrderAcrossManyWrapArounds) {
  bounded_buffer buffer(3);
  boost::thread producer([&] {
    for (int i = 0; i < 1000; ++i) buffer.push(std::to_string(i));
  });
  for (int i = 0; i < 1000; ++i) {
    std::string text;
    buffer.pop(text);
    ASSERT_EQ(text, std::to_string(i));
  }
  producer.join();
}

TEST(BoundedBuffer, ClosingReleasesAWaitingProducerAndKeepsWhatWasQueued) {
  bounded_buffer buffer(2);
  buffer.push("a");
  buffer.push("b");
  bool pushed = true;
  boost::thread producer([&] { pushed = buffer.push("c"); });
  buffer.close();
  producer.join();
  EXPECT_FALSE(pushed);
  EXPECT_FALSE(buffer.push("d"));
  std::string text;
  ASSERT_TRUE(buffer.try_pop(text));
  EXPECT_EQ(text, "a");
  ASSERT_TRUE(buffer.try_pop(text));
  EXPECT_EQ(text, "b");
  EXPECT_FALSE(buffer.try_pop(text));
}

TEST(BoundedBuffer, AWaitingConsumerCanBeInterrupted) {
  bounded_buffer buffer(4);
  bool interrupted = false;
  boost::thread consumer([&] {
    try {
      std::string text;
      buffer.pop(text);
    } catch (const boost::thread_interrupted&) {
      interrupted = true;
    }
  });
  consumer.interrupt();
  consumer.join();
  EXPECT_TRUE(interrupted);
}

}  // namespace
