// Arbitrary bytes as an XML document: parsed through a memory stream, queried and
// changed by paths made of its own tag names, saved and read back. A saved document
// must read back; a clean one must come out of a second save unchanged.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/scratch_folder.h"
#include "platform/stream.h"
#include "xml/xml_file.h"
#include "xml/xml_limits.h"

namespace strohvik {
namespace {

// Serves the current input as "fuzz::input".
class InputFactory : public TStreamFactory {
 public:
  StreamPtr CreateStream(const std::string&, const std::string& protocol, const std::string&, bool,
                         bool) override {
    if (protocol != "fuzz") return nullptr;
    return TRamStream::Create(const_cast<uint8_t*>(data), static_cast<int64_t>(size), true, false);
  }
  const uint8_t* data = nullptr;
  size_t size = 0;
};

InputFactory& Factory() {
  static const auto factory = [] {
    auto made = std::make_shared<InputFactory>();
    RegisterStreamFactory(made);
    return made;
  }();
  return *factory;
}

// In a folder of the run's own, removed when the run ends. Saving flushes to disk, so
// scripts/fuzz.sh points TMPDIR at memory where the host has it.
std::string ScratchFile(const char* name) {
  static const ScratchFolder folder("fuzz_xml");
  return folder.HostPath() + "/" + name;
}

std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  if (auto stream = ReadStream(path)) stream->ReadAll(bytes, kMaxDocumentBytes);
  return bytes;
}

// A name that reads back as one path segment.
bool IsPlainName(const std::string& name) {
  return !name.empty() && name.find_first_of("/[]") == std::string::npos;
}

struct Paths {
  std::vector<std::string> any;    // odd ones included
  std::vector<std::string> plain;  // made of plain names only
};

// Paths along the document: the names of the first tags joined, some with indexes.
Paths PathsOf(const XMLFile& doc) {
  Paths paths;
  paths.any = {"", "/", "a", "a/b", "a/b[2]", "x[y]", "a[99999999999]", "//a/", "a[-1]", "a]"};
  std::string path;
  bool plain = true;
  for (size_t i = 0; i < doc.taglist.size() && i < 6; ++i) {
    const std::string& name = doc.taglist[i]->name;
    path += (i == 0 ? "" : "/") + name + (i % 3 == 2 ? "[2]" : "");
    plain = plain && IsPlainName(name);
    (plain ? paths.plain : paths.any).push_back(path);
    (IsPlainName(name) ? paths.plain : paths.any).push_back(name);
  }
  return paths;
}

// The attribute names a tag's values hold, as far as a plain split finds them.
std::string FirstAttributeName(const XMLFile& doc) {
  for (const auto& node : doc.taglist) {
    const size_t equals = node->values.find('=');
    if (equals != std::string::npos) return node->values.substr(0, equals);
  }
  return "a";
}

void Query(const XMLFile& doc, const std::vector<std::string>& paths, const std::string& attribute, bool plain) {
  for (const auto& path : paths) {
    doc.ReadNodeText(path);
    doc.ReadNodeValue(path, attribute);
    doc.ReadNodeValue(path, "a");
    if (doc.GetNodeType(path) > 4) std::abort();
    for (const auto& child : doc.GetNodes(path)) {
      const std::string childName = child.substr(0, child.rfind('['));
      // A listed child is found again by its name and index.
      if (plain && IsPlainName(childName) && doc.GetNodeType(path + "/" + child) == 0) std::abort();
    }
  }
}

void Query(const XMLFile& doc, const Paths& paths, const std::string& attribute) {
  Query(doc, paths.any, attribute, false);
  Query(doc, paths.plain, attribute, true);
}

void Write(XMLFile& doc, const Paths& paths, const std::string& attribute) {
  int kind = 1;
  for (const auto* list : {&paths.any, &paths.plain}) {
    for (const auto& path : *list) {
      doc.WriteNode(path + "/n", kind);
      kind = kind % 4 + 1;
      doc.WriteNodeValue(path, attribute, "v'\"");
      doc.WriteNodeValue(path, attribute, attribute);
      doc.WriteNodeText(path, attribute);
    }
  }
}

bool Contains(const std::string& field, char c) { return field.find(c) != std::string::npos; }

// Whether the saved text must read back: with no '<' in any field, every '<' in it
// opens one written tag and has that tag's '>' after it.
bool Reopens(const XMLFile& doc) {
  return std::none_of(doc.taglist.begin(), doc.taglist.end(), [](const XMLNodePtr& node) {
    return Contains(node->name, '<') || Contains(node->values, '<') || Contains(node->text, '<');
  });
}

// Whether a second load and save must also give the same text: no '>' in texts (it
// shifts which end tag an element is paired with), no '?' in declaration names (it
// would end the name), and no start tag written ending in '/' (as in <a x="1"/ >, it
// would read back as an empty element).
bool SurvivesReloading(const XMLFile& doc) {
  if (!Reopens(doc)) return false;
  return std::none_of(doc.taglist.begin(), doc.taglist.end(), [](const XMLNodePtr& node) {
    const std::string& written = node->values.empty() ? node->name : node->values;
    return (node->typ == kStartTag && !written.empty() && written.back() == '/') || Contains(node->text, '>') ||
           (node->typ == kDeclarationTag && Contains(node->name, '?'));
  });
}

// A parsed document is checked for a stable second save; a changed one (its fields may
// hold anything) only for reading back.
void CheckReloading(const XMLFile& doc, bool asParsed, const std::string& first, const std::string& second) {
  // Only deep nesting makes the saved text too large to save or to read back.
  if (doc.Save(first) != 1 || FileSize(first) > kMaxDocumentBytes) return;
  auto reread = XMLFile::New();
  if (reread->Open(first) != 1) {
    if (Reopens(doc)) std::abort();
    return;
  }
  if (!asParsed || !SurvivesReloading(doc) || reread->Save(second) != 1) return;
  if (ReadFileBytes(first) != ReadFileBytes(second)) std::abort();
}

void SaveAndReload(const XMLFile& doc, bool asParsed) {
  const std::string first = ScratchFile("first.xml");
  const std::string second = ScratchFile("second.xml");
  CheckReloading(doc, asParsed, first, second);
  DeleteFile(first);
  DeleteFile(second);
}

}  // namespace
}  // namespace strohvik

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace strohvik;
  auto& factory = Factory();
  factory.data = data;
  factory.size = size;
  auto doc = XMLFile::New();
  const bool parsed = doc->Open("fuzz::input") == 1;
  if (parsed) SaveAndReload(*doc, true);
  const auto paths = PathsOf(*doc);
  const std::string attribute = FirstAttributeName(*doc);
  if (!doc->taglist.empty() || parsed) {
    Query(*doc, paths, attribute);
    Write(*doc, paths, attribute);
    Query(*doc, paths, attribute);
    SaveAndReload(*doc, false);
  }
  return 0;
}
