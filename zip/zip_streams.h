#pragma once
// The "zipe" protocol of the stream layer: "zipe::archive::entry" or
// "zipe::archive::entry::password" opens a TZipEStream on the entry.

#include <memory>
#include <string>

#include "platform/stream.h"

namespace strohvik {

class TZipEngineStreamFactory : public TStreamFactory {
 public:
  StreamPtr CreateStream(const std::string& url, const std::string& protocol, const std::string& path,
                         bool readable, bool writeable) override;
};

// Registers the one factory for "zipe"; later calls do nothing.
void RegisterZipStreams();

}  // namespace strohvik
