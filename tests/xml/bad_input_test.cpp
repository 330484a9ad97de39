// Damaged, hostile and missing input: the documented result, a debug-log line, and
// neither a crash nor a hang nor quadratic work.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "platform/debug_log.h"
#include "platform/stream.h"
#include "tests/xml/xml_test_support.h"
#include "xml/xml_limits.h"

namespace strohvik {
namespace {

using Lines = std::vector<std::string>;

class BadInput : public XmlTest {
 protected:
  // True when some debug-log line contains the text.
  bool Logged(const std::string& text) const {
    return std::any_of(log_.begin(), log_.end(), [&](const std::string& line) { return line.find(text) != std::string::npos; });
  }

  std::vector<std::string> log_;
  ScopedDebugLogSink sink_{[this](const std::string& line) { log_.push_back(line); }};
};

TEST_F(BadInput, MissingFileEmptiesTheDocument) {
  ASSERT_EQ(OpenBytes("<a>1</a>"), 1);
  EXPECT_EQ(doc->Open(Sys("not there.xml")), 0);
  EXPECT_TRUE(doc->taglist.empty());
  EXPECT_EQ(doc->ReadNodeText("a"), "0");
  EXPECT_TRUE(Logged("not there.xml"));
}

TEST_F(BadInput, TruncatedFileKeepsTheTagsBeforeTheCut) {
  EXPECT_EQ(OpenBytes("<modDesc><title x=\"1\">Tra</title><price va"), 0);
  EXPECT_EQ(Describe(doc->taglist), (Lines{"0 0 modDesc||", "0 0 title|x=\"1\"|", "1 0 title||"}));
  EXPECT_EQ(doc->ReadNodeText("modDesc/title"), "0");
  EXPECT_TRUE(Logged("'<' without '>'"));
}

TEST_F(BadInput, UnclosedTagsStillReadWithALogLine) {
  EXPECT_EQ(OpenBytes("<a><b>text</a>"), 1);
  EXPECT_EQ(doc->ReadNodeText("a/b"), "text");
  EXPECT_TRUE(Logged("unbalanced"));
}

TEST_F(BadInput, TenMegabyteAttributeValue) {
  const std::string value(10'000'000, 'v');
  ASSERT_EQ(OpenBytes("<a big=\"" + value + "\"/>"), 1);
  EXPECT_EQ(doc->ReadNodeValue("a", "big"), value);
}

TEST_F(BadInput, HundredThousandNestedTags) {
  constexpr int depth = 100'000;
  std::string text, path;
  for (int i = 0; i < depth; ++i) text += "<a>";
  text += "deep";
  for (int i = 0; i < depth; ++i) text += "</a>";
  for (int i = 0; i < depth; ++i) path += i == 0 ? "a" : "/a";

  ASSERT_EQ(OpenBytes(text), 1);
  ASSERT_EQ(doc->taglist.size(), size_t{2 * depth});
  EXPECT_EQ(doc->taglist[depth - 1]->ebene, depth - 1);
  EXPECT_EQ(doc->taglist[depth]->ebene, depth - 1);
  EXPECT_EQ(doc->ReadNodeText(path), "deep");
  EXPECT_EQ(doc->ReadNodeText("a"), "0");
  EXPECT_EQ(doc->GetNodes("a"), (std::vector<std::string>{"a[1]"}));

  // Its normalised form would hold about 10^10 TABs of indentation.
  WriteFile("deep.xml", "old");
  EXPECT_EQ(doc->Save(Sys("deep.xml")), 0);
  EXPECT_EQ(ReadFile("deep.xml"), "old");
  EXPECT_TRUE(Logged("would exceed"));
}

// Millions of line breaks and blanks: deleting or collapsing them one find at a time
// would move the rest of the text for each one.
TEST_F(BadInput, MillionsOfLineBreaksAndBlanksNormaliseInOnePass) {
  std::string blanks;
  for (int i = 0; i < 600'000; ++i) blanks += "\r\n \t ";
  ASSERT_EQ(OpenBytes(blanks + "<a k='v'" + blanks + "x='1'>one" + blanks + "two</a>" + blanks), 1);
  EXPECT_EQ(Describe(doc->taglist), (Lines{"0 0 a|k=\"v\" x=\"1\"|one two", "1 0 a||"}));
}

TEST_F(BadInput, BinaryGarbage) {
  std::mt19937 random(20110);
  std::string bytes(1 << 20, '\0');
  for (char& c : bytes) c = static_cast<char>(random());
  const int result = OpenBytes(bytes);
  EXPECT_TRUE(result == 1 || Logged("XML:"));
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  EXPECT_EQ(OpenBytes(all + all), 1) << "every '<' has a '>' after it";
  EXPECT_EQ(doc->taglist.size(), 2u);
}

TEST_F(BadInput, OverlappingTagsHitTheMemoryBoundInsteadOfGrowingQuadratically) {
  // Every '<' starts a tag reaching to the one '>': about 2.5 * 10^11 bytes of names.
  EXPECT_EQ(OpenBytes(std::string(1'000'000, '<') + ">"), 0);
  EXPECT_TRUE(doc->taglist.empty());
  EXPECT_TRUE(Logged("more memory"));
}

TEST_F(BadInput, TextsSharedThroughStrayGreaterThansHitTheMemoryBound) {
  // n start tags whose text holds n stray '>', then a long tail every one of them reads.
  constexpr int tags = 2'000;
  std::string text;
  for (int i = 0; i < tags; ++i) text += "<a>";
  for (int i = 0; i < tags; ++i) text += "x>";
  text += std::string(4'000'000, 'y');
  EXPECT_EQ(OpenBytes(text), 0);
  EXPECT_TRUE(doc->taglist.empty());
  EXPECT_TRUE(Logged("more memory"));
}

// A stream whose stated size need not match what it delivers, as with an archive entry
// whose header lies.
class ScriptedStream : public TStream {
 public:
  ScriptedStream(std::string data, int64_t statedSize, bool endless, bool failAtEnd)
      : data_(std::move(data)), statedSize_(statedSize), endless_(endless), failAtEnd_(failAtEnd) {}

  int64_t Read(void* buffer, int64_t count) override {
    if (endless_) {
      std::memset(buffer, 'x', static_cast<size_t>(count));
      return count;
    }
    const int64_t n = std::min<int64_t>(count, static_cast<int64_t>(data_.size()) - pos_);
    if (n <= 0 && failAtEnd_) throw StreamError("damaged data");
    std::memcpy(buffer, data_.data() + pos_, static_cast<size_t>(std::max<int64_t>(n, 0)));
    pos_ += std::max<int64_t>(n, 0);
    return std::max<int64_t>(n, 0);
  }
  int64_t Seek(int64_t position) override { return pos_ = position; }
  int64_t Pos() override { return pos_; }
  int64_t Size() override { return statedSize_; }
  bool Eof() override { return !endless_ && pos_ >= static_cast<int64_t>(data_.size()); }
  void Close() override {}

 private:
  std::string data_;
  int64_t statedSize_;
  bool endless_;
  bool failAtEnd_;
  int64_t pos_ = 0;
};

const std::string kSmallDocument = "<a>hello</a>";

class ScriptedFactory : public TStreamFactory {
 public:
  StreamPtr CreateStream(const std::string&, const std::string& protocol, const std::string& path, bool,
                         bool) override {
    if (protocol != "scripted") return nullptr;
    const int64_t size = static_cast<int64_t>(kSmallDocument.size());
    if (path == "exact") return std::make_shared<ScriptedStream>(kSmallDocument, size, false, false);
    if (path == "understated") return std::make_shared<ScriptedStream>(kSmallDocument, 3, false, false);
    if (path == "short") return std::make_shared<ScriptedStream>(kSmallDocument, size + 1, false, false);
    if (path == "endless") return std::make_shared<ScriptedStream>("", 10, true, false);
    if (path == "failing") return std::make_shared<ScriptedStream>(kSmallDocument, size, false, true);
    return nullptr;
  }
};

class StreamInput : public BadInput {
 protected:
  void SetUp() override {
    BadInput::SetUp();
    RegisterStreamFactory(factory_);
  }
  void TearDown() override { UnregisterStreamFactory(factory_); }

  std::shared_ptr<ScriptedFactory> factory_ = std::make_shared<ScriptedFactory>();
};

TEST_F(StreamInput, ReadsToTheEndOfTheStreamNotToItsStatedSize) {
  EXPECT_EQ(doc->Open("scripted::exact"), 1);
  EXPECT_EQ(doc->ReadNodeText("a"), "hello");
  EXPECT_EQ(doc->Open("SCRIPTED::understated"), 1);
  EXPECT_EQ(doc->ReadNodeText("a"), "hello");
}

TEST_F(StreamInput, ShortReadEndlessStreamOrStreamErrorFail) {
  for (const char* path : {"scripted::short", "scripted::endless", "scripted::failing"}) {
    log_.clear();
    EXPECT_EQ(doc->Open(path), 0) << path;
    EXPECT_TRUE(doc->taglist.empty()) << path;
    EXPECT_TRUE(Logged(path)) << path;
  }
  EXPECT_EQ(doc->Open("scripted::unknown"), 0);
}

}  // namespace
}  // namespace strohvik
