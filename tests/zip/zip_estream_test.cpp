// The "zipe" stream: reading an entry by URL, seeking, and ending cleanly on damage.

#include <gtest/gtest.h>

#include "platform/stream.h"
#include "tests/zip/zip_test_support.h"
#include "zip/zip_estream.h"
#include "zip/zip_streams.h"

namespace strohvik::ziptest {
namespace {

const std::string kDescription = "<modDesc><title>Trecker</title><price>12000</price></modDesc>";

// A stored block of ten bytes followed by a block of the reserved type 3: inflate
// delivers the ten bytes, then fails.
std::string DamagedDeflate() {
  return std::string("\x00\x0A\x00\xF5\xFF", 5) + "0123456789" + "\x07";
}

class ZipEStreamTest : public ZipTest {
 protected:
  void SetUp() override {
    ZipTest::SetUp();
    RegisterZipStreams();
    RegisterZipStreams();
    Write("mod.zip", BuildZip({FixtureEntry("modDesc.xml", kDescription, 8), FixtureEntry("empty.txt"),
                               FixtureEntry("damaged.bin", "0123456789 and more").Compressed(DamagedDeflate())})
                         .bytes);
  }
  std::string Url(const std::string& rest) const { return "zipe::" + Sys("mod.zip") + rest; }
};

TEST_F(ZipEStreamTest, ReadsAnEntryByUrlIgnoringLetterCase) {
  for (const std::string& url : {Url("::modDesc.xml"), Url("::MODDESC.XML"), "ZiPe::" + Sys("mod.zip") + "::modDesc.xml"}) {
    const auto stream = ReadStream(url);
    ASSERT_NE(stream, nullptr) << url;
    EXPECT_EQ(stream->Size(), static_cast<int64_t>(kDescription.size()));
    std::string text;
    EXPECT_TRUE(stream->ReadAll(text, 1 << 20));
    EXPECT_EQ(text, kDescription);
    EXPECT_TRUE(stream->Eof());
    EXPECT_EQ(stream->Pos(), stream->Size());
  }
}

TEST_F(ZipEStreamTest, RefusesBadUrlsAndUnreadableEntries) {
  for (const std::string& url : {Url(""), Url("::modDesc.xml::pw::more"), Url("::missing.xml"), Url("::empty.txt"),
                                Url("::modDesc.xml::password"), "zipe::" + Sys("missing.zip") + "::modDesc.xml"}) {
    EXPECT_EQ(ReadStream(url), nullptr) << url;
  }
}

TEST_F(ZipEStreamTest, OpensForWritingAsReadOnly) {
  const auto stream = OpenStream(Url("::modDesc.xml"), true, true);
  ASSERT_NE(stream, nullptr);
  try {
    stream->Write("x", 1);
    ADD_FAILURE();
  } catch (const StreamError& error) {
    EXPECT_EQ(std::string(error.what()), "Stream is not writeable");
  }
  EXPECT_EQ(stream->ReadByte(), '<');
}

TEST_F(ZipEStreamTest, SeeksBackByRewindingAndForwardBySkipping) {
  const auto stream = ReadStream(Url("::modDesc.xml"));
  ASSERT_NE(stream, nullptr);
  std::string half(20, '\0');
  stream->ReadBytes(half.data(), 20);
  EXPECT_EQ(stream->Seek(0), 0);
  EXPECT_EQ(stream->ReadByte(), '<');
  EXPECT_EQ(stream->Seek(10), 10);
  EXPECT_EQ(stream->ReadByte(), kDescription[10]);
  EXPECT_EQ(stream->Seek(100000), stream->Size());
  EXPECT_TRUE(stream->Eof());
}

TEST_F(ZipEStreamTest, DamagedDataEndsTheStream) {
  std::string bytes = Read("mod.zip");
  const BuiltZip layout = BuildZip({FixtureEntry("modDesc.xml", kDescription, 8), FixtureEntry("empty.txt"),
                                    FixtureEntry("damaged.bin", "0123456789 and more").Compressed(DamagedDeflate())});
  PutShort(bytes, layout.headerOffsets[2] + 10, 8);
  const size_t local = bytes.rfind(std::string("PK\3\4", 4), layout.directoryOffset);
  PutShort(bytes, local + 8, 8);
  Write("mod.zip", bytes);

  const auto stream = ReadStream(Url("::damaged.bin"));
  ASSERT_NE(stream, nullptr);
  // minizip drops the bytes of the read that met the damage: only a prefix can arrive.
  std::string text;
  stream->ReadAll(text, 1 << 20);
  EXPECT_EQ(std::string("0123456789").substr(0, text.size()), text);
  EXPECT_TRUE(stream->Eof());
  EXPECT_EQ(stream->Read(text.data(), 1), 0);

  // Skipping forward stops at the damage instead of waiting for an end that never comes.
  const auto skipping = ReadStream(Url("::damaged.bin"));
  ASSERT_NE(skipping, nullptr);
  EXPECT_LE(skipping->Seek(1000), 10);
  EXPECT_TRUE(skipping->Eof());
}

TEST_F(ZipEStreamTest, CloseDropsTheReader) {
  const auto stream = ReadStream(Url("::modDesc.xml"));
  ASSERT_NE(stream, nullptr);
  stream->ReadByte();
  stream->Close();
  char byte = 0;
  EXPECT_EQ(stream->Read(&byte, 1), 0);
  EXPECT_TRUE(stream->Eof());
  EXPECT_EQ(stream->Seek(5), 1);
  EXPECT_THROW(stream->Seek(0), StreamError);
  stream->Close();
}

}  // namespace
}  // namespace strohvik::ziptest
