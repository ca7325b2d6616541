// The stream over global memory: reading and writing at its position, seeking from
// each origin, its size, the interfaces it answers, and who frees the memory.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/base/Error.h"
#include "platform/base/GlobalMemory.h"
#include "platform/com/Stream.h"

namespace {

HGLOBAL BlockOf(const std::string& text) {
  HGLOBAL hMem = GlobalAlloc(GMEM_MOVEABLE, text.size());
  std::memcpy(GlobalLock(hMem), text.data(), text.size());
  GlobalUnlock(hMem);
  return hMem;
}

LARGE_INTEGER Move(LONGLONG n) {
  LARGE_INTEGER move;
  move.QuadPart = n;
  return move;
}

std::string ReadAll(IStream* stream, ULONG chunk) {
  std::string text;
  char buffer[64];
  for (;;) {
    ULONG read = 99;
    EXPECT_EQ(stream->Read(buffer, chunk, &read), S_OK);
    if (read == 0) return text;
    text.append(buffer, read);
  }
}

ULONGLONG SizeOf(IStream* stream) {
  STATSTG stat{};
  EXPECT_EQ(stream->Stat(&stat, STATFLAG_NONAME), S_OK);
  EXPECT_EQ(stat.type, static_cast<DWORD>(STGTY_STREAM));
  return stat.cbSize.QuadPart;
}

TEST(HGlobalStream, ReadsTheBlockInPiecesToItsEnd) {
  IStream* stream = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(BlockOf("checkpoint"), TRUE, &stream), S_OK);
  EXPECT_EQ(SizeOf(stream), 10u);
  EXPECT_EQ(ReadAll(stream, 3), "checkpoint") << "the last piece is short, then reads give 0 bytes";
  stream->Release();
}

struct SeekCase {
  const char* what;
  LONGLONG move;
  DWORD origin;
  HRESULT result;
  const char* rest;  // what reads from the position
};

class StreamSeek : public ::testing::TestWithParam<SeekCase> {};

TEST_P(StreamSeek, MovesFromItsOrigin) {
  const SeekCase& c = GetParam();
  IStream* stream = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(BlockOf("0123456789"), TRUE, &stream), S_OK);
  ASSERT_EQ(stream->Seek(Move(4), STREAM_SEEK_SET, nullptr), S_OK);
  ULARGE_INTEGER position{};
  EXPECT_EQ(stream->Seek(Move(c.move), c.origin, &position), c.result);
  EXPECT_EQ(ReadAll(stream, 64), c.rest);
  stream->Release();
}

INSTANTIATE_TEST_SUITE_P(
    Stream, StreamSeek,
    ::testing::Values(SeekCase{"FromTheStart", 2, STREAM_SEEK_SET, S_OK, "23456789"},
                      SeekCase{"FromThePosition", 3, STREAM_SEEK_CUR, S_OK, "789"},
                      SeekCase{"BackFromThePosition", -4, STREAM_SEEK_CUR, S_OK, "0123456789"},
                      SeekCase{"FromTheEnd", -2, STREAM_SEEK_END, S_OK, "89"},
                      SeekCase{"PastTheEnd", 5, STREAM_SEEK_END, S_OK, ""},
                      SeekCase{"BeforeTheStartIsRefused", -5, STREAM_SEEK_CUR, STG_E_INVALIDFUNCTION, "456789"},
                      SeekCase{"UnknownOriginIsRefused", 0, 7, STG_E_INVALIDFUNCTION, "456789"}),
    [](const ::testing::TestParamInfo<SeekCase>& info) { return info.param.what; });

TEST(HGlobalStream, WritingPastTheEndGrowsTheBlockWithZerosBetween) {
  IStream* stream = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
  EXPECT_EQ(SizeOf(stream), 0u) << "a stream of its own, empty";
  ULONG written = 0;
  EXPECT_EQ(stream->Write("ab", 2, &written), S_OK);
  EXPECT_EQ(written, 2u);
  ASSERT_EQ(stream->Seek(Move(2), STREAM_SEEK_CUR, nullptr), S_OK);
  EXPECT_EQ(stream->Write("cd", 2, nullptr), S_OK);
  EXPECT_EQ(SizeOf(stream), 6u);
  ASSERT_EQ(stream->Seek(Move(0), STREAM_SEEK_SET, nullptr), S_OK);
  EXPECT_EQ(ReadAll(stream, 64), std::string("ab\0\0cd", 6));
  stream->Release();
}

TEST(HGlobalStream, AnswersItsInterfacesAsOneObject) {
  IStream* stream = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
  const IID* mine[] = {&IID_IUnknown, &IID_ISequentialStream, &IID_IStream};
  for (const IID* iid : mine) {
    void* answer = nullptr;
    EXPECT_EQ(stream->QueryInterface(*iid, &answer), S_OK);
    EXPECT_EQ(answer, static_cast<void*>(stream));
    static_cast<IUnknown*>(answer)->Release();
  }
  const IID other = {0x12345678, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};
  void* answer = &answer;
  EXPECT_EQ(stream->QueryInterface(other, &answer), E_NOINTERFACE);
  EXPECT_EQ(answer, nullptr);
  EXPECT_EQ(stream->Release(), 0u) << "the queries gave back what they took";
}

TEST(HGlobalStream, FreesTheBlockAtTheLastReleaseOnlyWhenAsked) {
  for (BOOL deleteOnRelease : {TRUE, FALSE}) {
    HGLOBAL hMem = BlockOf("route");
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(hMem, deleteOnRelease, &stream), S_OK);
    stream->AddRef();
    EXPECT_EQ(stream->Release(), 1u);
    EXPECT_EQ(GlobalSize(hMem), 5u) << "alive while a reference is left";
    EXPECT_EQ(stream->Release(), 0u);
    if (deleteOnRelease) {
      EXPECT_EQ(GlobalFree(hMem), hMem) << "the stream freed it";
    } else {
      EXPECT_EQ(GlobalSize(hMem), 5u);
      EXPECT_EQ(GlobalFree(hMem), nullptr) << "the caller's to free";
    }
  }
}

TEST(HGlobalStream, RefusesWhatItCannotDo) {
  int notABlock = 0;
  IStream* stream = reinterpret_cast<IStream*>(&notABlock);
  EXPECT_EQ(CreateStreamOnHGlobal(&notABlock, TRUE, &stream), E_INVALIDARG);
  EXPECT_EQ(stream, nullptr);
  EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, nullptr), E_INVALIDARG);

  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &stream), S_OK);
  ULARGE_INTEGER size{};
  IStream* clone = stream;
  EXPECT_EQ(stream->SetSize(size), E_NOTIMPL);
  EXPECT_EQ(stream->CopyTo(clone, size, nullptr, nullptr), E_NOTIMPL);
  EXPECT_EQ(stream->Commit(0), E_NOTIMPL);
  EXPECT_EQ(stream->Revert(), E_NOTIMPL);
  EXPECT_EQ(stream->LockRegion(size, size, 0), E_NOTIMPL);
  EXPECT_EQ(stream->UnlockRegion(size, size, 0), E_NOTIMPL);
  EXPECT_EQ(stream->Clone(&clone), E_NOTIMPL);
  EXPECT_EQ(clone, nullptr);
  EXPECT_EQ(stream->Read(nullptr, 1, nullptr), STG_E_INVALIDPOINTER);
  EXPECT_EQ(stream->Write(nullptr, 1, nullptr), STG_E_INVALIDPOINTER);
  EXPECT_EQ(stream->Stat(nullptr, STATFLAG_DEFAULT), STG_E_INVALIDPOINTER);
  stream->Release();
}

}  // namespace
