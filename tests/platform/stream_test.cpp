#include "platform/stream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/file_system.h"
#include "tests/test_folder.h"

namespace strohvik {
namespace {

TEST(RamStream, ReadsLittleEndianAndFailsPastTheEnd) {
  uint8_t bytes[] = {0x50, 0x4B, 0x03, 0x04, 0xFE, 0xFF, 0x07};
  auto stream = TRamStream::Create(bytes, sizeof bytes, true, false);
  EXPECT_EQ(stream->ReadInt(), 0x04034B50);
  EXPECT_EQ(stream->ReadShort(), 0xFFFE);
  EXPECT_EQ(stream->ReadByte(), 7);
  EXPECT_TRUE(stream->Eof());
  EXPECT_THROW(stream->ReadByte(), StreamError);
  stream->Seek(5);
  EXPECT_THROW(stream->ReadInt(), StreamError);
}

TEST(RamStream, WriteToReadOnlyStreamThrows) {
  uint8_t bytes[4] = {};
  auto readOnly = TRamStream::Create(bytes, 4, true, false);
  EXPECT_THROW(readOnly->WriteBytes("x", 1), StreamError);
  auto writable = TRamStream::Create(bytes, 4, true, true);
  writable->WriteBytes("abcd", 4);
  EXPECT_EQ(bytes[3], 'd');
  EXPECT_THROW(writable->WriteBytes("e", 1), StreamError);
}

class RecordingFactory : public TStreamFactory {
 public:
  StreamPtr CreateStream(const std::string& url, const std::string& protocol, const std::string& path, bool,
                         bool) override {
    lastUrl = url;
    lastProtocol = protocol;
    lastPath = path;
    if (protocol != "test") return nullptr;
    return TRamStream::Create(data, sizeof data, true, false);
  }
  std::string lastUrl, lastProtocol, lastPath;
  uint8_t data[1] = {42};
};

TEST(OpenStream, DispatchesOnLowerCasedProtocolCutAtFirstSeparator) {
  auto factory = std::make_shared<RecordingFactory>();
  RegisterStreamFactory(factory);
  auto stream = ReadStream("TeSt::archive.zip::entry");
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(stream->ReadByte(), 42);
  EXPECT_EQ(factory->lastProtocol, "test");
  EXPECT_EQ(factory->lastPath, "archive.zip::entry");
  EXPECT_EQ(ReadStream("other::x"), nullptr);
  UnregisterStreamFactory(factory);
}

TEST(OpenStream, PlainPathsOpenFilesWithBackslashes) {
  const TestFolder folder("stream");
  const auto& dir = folder.Path();
  const std::string systemPath = dir.string() + "\\data.bin";
  {
    auto out = WriteStream(systemPath);
    ASSERT_NE(out, nullptr);
    out->WriteBytes("\x01\x02\x03\x04", 4);
  }
  EXPECT_TRUE(std::filesystem::exists(dir / "data.bin"));
  auto in = ReadStream(systemPath);
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(in->Size(), 4);
  EXPECT_EQ(in->ReadInt(), 0x04030201);
  EXPECT_THROW(in->ReadByte(), StreamError);
  EXPECT_THROW(in->WriteBytes("x", 1), StreamError);
  EXPECT_EQ(ReadStream(dir.string() + "\\missing"), nullptr);
  EXPECT_EQ(ReadStream(dir.string()), nullptr) << "a folder is not a stream";
}

}  // namespace
}  // namespace strohvik
