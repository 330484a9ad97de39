#include "zip/zip_streams.h"

#include <vector>

#include "platform/debug_log.h"
#include "zip/zip_estream.h"

namespace strohvik {
namespace {

std::vector<std::string> SplitAtDoubleColons(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t found; (found = text.find("::", start)) != std::string::npos; start = found + 2) {
    parts.push_back(text.substr(start, found - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

StreamPtr TZipEngineStreamFactory::CreateStream(const std::string& /*url*/, const std::string& protocol,
                                                const std::string& path, bool readable, bool writeable) {
  if (protocol != "zipe") return nullptr;
  if (writeable || !readable) DebugLog("WARNING: ZipEngine streams are read-only");
  const auto parts = SplitAtDoubleColons(path);
  if (parts.size() < 2 || parts.size() > 3) {
    DebugLog("Invalid syntax for URL (ex. zipe::zipfilename::file_in_zip::password)");
    return nullptr;
  }
  return TZipEStream::Create(parts[0], parts[1], 0, parts.size() == 3 ? parts[2] : std::string());
}

void RegisterZipStreams() {
  static const auto factory = std::make_shared<TZipEngineStreamFactory>();
  RegisterStreamFactory(factory);
}

}  // namespace strohvik
