#pragma once
// An XML document as a flat list of tags, read and written by slash-separated paths
// ("modDesc/storeItems/storeItem/xmlFilename"). Every XML file of the system goes
// through it. Reads that find nothing return "0" (or 0, or an empty list); writes
// whose target is missing change nothing. Results are 1 for success and 0 for failure.

#include <memory>
#include <string>
#include <vector>

#include "xml/xml_node.h"

namespace strohvik {

class XMLFile {
 public:
  static std::shared_ptr<XMLFile> New() { return std::make_shared<XMLFile>(); }

  // Starts an empty document. Every operation other than Open needs Create or Open
  // first; using a document before is a programming fault and throws std::logic_error.
  int Create();
  // Reads a file or any stream URL ("zipe::archive::entry"). The document is emptied
  // first, so a failure leaves it empty, except that the tags before a '<' without '>'
  // stay (with level 0 and no text).
  int Open(const std::string& path);
  // Reads a document that is already in memory, as Open reads a file of these bytes.
  int OpenText(const std::string& bytes);
  // Writes the normalised text through a temporary file renamed over the target, so a
  // failed save leaves the old file as it was.
  int Save(const std::string& path) const;

  // The located start tag's text; "0" when nothing is located or the text is empty.
  std::string ReadNodeText(const std::string& path) const;
  // The attribute's value in the located node; "0" when either is missing.
  std::string ReadNodeValue(const std::string& path, const std::string& attribute) const;
  // 1 for a start tag, 2, 3 or 4 for the other located kinds, 0 when nothing is located.
  int GetNodeType(const std::string& path) const;
  // The direct children of the located element, each as name "[" k "]".
  std::vector<std::string> GetNodes(const std::string& path) const;

  // Adds a tag as the last child of the path's parent (or at the end for a one-segment
  // path). Kind 1 adds an element (start and end tag); any other kind one node of that
  // typ. Always 1.
  int WriteNode(const std::string& path, int kind);
  // Sets the located start tag's text. Always 1.
  int WriteNodeText(const std::string& path, const std::string& text);
  // Sets or adds an attribute in the located node. Always 1.
  int WriteNodeValue(const std::string& path, const std::string& attribute, const std::string& value);

  XMLNodeList taglist;

 private:
  void RequireList() const;
  int Parse(const std::string& bytes, const std::string& source);
  XMLNode* Locate(const std::string& path, bool startTagsOnly) const;

  bool hasList_ = false;
};

}  // namespace strohvik
