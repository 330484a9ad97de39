#include "xml/xml_file.h"

#include <stdexcept>

#include "platform/debug_log.h"
#include "platform/file_system.h"
#include "platform/stream.h"
#include "xml/xml_attributes.h"
#include "xml/xml_limits.h"
#include "xml/xml_parser.h"
#include "xml/xml_path.h"
#include "xml/xml_writer.h"

namespace strohvik {
namespace {

// Reads the stream to its end (its stated size may be a header field) and insists on
// at least the stated size: less means a damaged or cut-off source.
bool ReadDocumentBytes(const std::string& path, std::string& bytes) {
  const auto stream = ReadStream(path);
  if (!stream) {
    DebugLog("XML: cannot open " + path);
    return false;
  }
  try {
    const int64_t statedSize = stream->Size();
    const bool complete = stream->ReadAll(bytes, kMaxDocumentBytes);
    stream->Close();
    if (!complete) {
      DebugLog("XML: " + path + " is larger than " + std::to_string(kMaxDocumentBytes) + " bytes");
      return false;
    }
    if (static_cast<int64_t>(bytes.size()) < statedSize) {
      DebugLog("XML: " + path + " ended after " + std::to_string(bytes.size()) + " of " +
               std::to_string(statedSize) + " bytes");
      return false;
    }
  } catch (const StreamError& error) {
    DebugLog("XML: reading " + path + " failed: " + error.what());
    return false;
  }
  return true;
}

XMLNodePtr NewNode(const std::string& name, int32_t typ, int32_t ebene) {
  auto node = std::make_shared<XMLNode>();
  node->name = name;
  node->typ = typ;
  node->ebene = ebene;
  return node;
}

// The node or nodes WriteNode adds: an element is its start tag and its end tag.
XMLNodeList NewTag(const std::string& name, int kind, int32_t ebene) {
  if (kind == 1) return {NewNode(name, kStartTag, ebene), NewNode(name, kEndTag, ebene)};
  return {NewNode(name, kind, ebene)};
}

}  // namespace

void XMLFile::RequireList() const {
  if (!hasList_) throw std::logic_error("XMLFile used before Create or Open");
}

XMLNode* XMLFile::Locate(const std::string& path, bool startTagsOnly) const {
  RequireList();
  const size_t index =
      LocateNode(taglist, ParsePath(path), startTagsOnly ? CountedTags::StartOnly : CountedTags::StartOrLastStepAny);
  return index == kNotLocated ? nullptr : taglist[index].get();
}

int XMLFile::Create() {
  taglist = XMLNodeList();
  hasList_ = true;
  return 1;
}

int XMLFile::Open(const std::string& path) {
  Create();
  std::string bytes;
  if (!ReadDocumentBytes(path, bytes)) return 0;
  return Parse(bytes, path);
}

int XMLFile::OpenText(const std::string& bytes) {
  Create();
  if (static_cast<int64_t>(bytes.size()) > kMaxDocumentBytes) {
    DebugLog("XML: a document in memory is larger than " + std::to_string(kMaxDocumentBytes) + " bytes");
    return 0;
  }
  return Parse(bytes, "a document in memory");
}

int XMLFile::Parse(const std::string& bytes, const std::string& source) {
  if (!ParseDocument(bytes, taglist)) {
    DebugLog("XML: " + source + " could not be parsed completely");
    return 0;
  }
  return 1;
}

int XMLFile::Save(const std::string& path) const {
  RequireList();
  std::string text;
  if (!FormatDocument(taglist, text)) return 0;
  if (!WriteFileAtomically(path, text, Durability::Durable)) {
    DebugLog("XML: cannot save " + path);
    return 0;
  }
  return 1;
}

std::string XMLFile::ReadNodeText(const std::string& path) const {
  const XMLNode* node = Locate(path, false);
  return node == nullptr || node->text.empty() ? "0" : node->text;
}

std::string XMLFile::ReadNodeValue(const std::string& path, const std::string& attribute) const {
  const XMLNode* node = Locate(path, false);
  return ReadAttribute(node == nullptr ? std::string() : node->values, attribute);
}

int XMLFile::GetNodeType(const std::string& path) const {
  const XMLNode* node = Locate(path, false);
  if (node == nullptr) return 0;
  return node->typ == kStartTag ? 1 : node->typ;
}

std::vector<std::string> XMLFile::GetNodes(const std::string& path) const {
  RequireList();
  const size_t parent = LocateNode(taglist, ParsePath(path), CountedTags::StartOnly);
  if (parent == kNotLocated) return {};
  return ListChildren(taglist, parent);
}

int XMLFile::WriteNode(const std::string& path, int kind) {
  RequireList();
  const auto segments = ParsePath(path);
  const std::string& name = segments.back().name;
  if (segments.size() == 1) {
    for (auto& node : NewTag(name, kind, 0)) taglist.push_back(std::move(node));
    return 1;
  }
  const size_t endTag = LocateParentEndTag(taglist, segments);
  if (endTag == kNotLocated) return 1;
  const auto added = NewTag(name, kind, taglist[endTag]->ebene + 1);
  taglist.insert(taglist.begin() + static_cast<std::ptrdiff_t>(endTag), added.begin(), added.end());
  return 1;
}

int XMLFile::WriteNodeText(const std::string& path, const std::string& text) {
  if (XMLNode* node = Locate(path, true)) node->text = text;
  return 1;
}

int XMLFile::WriteNodeValue(const std::string& path, const std::string& attribute, const std::string& value) {
  if (XMLNode* node = Locate(path, false)) WriteAttribute(node->values, attribute, value);
  return 1;
}

}  // namespace strohvik
