#include "platform/host_path.h"

#include <algorithm>

namespace strohvik {

std::string HostPath(std::string_view systemPath) {
  std::string host(systemPath);
  std::replace(host.begin(), host.end(), '\\', '/');
  return host;
}

std::string SystemPath(std::string_view hostPath) {
  std::string system(hostPath);
  std::replace(system.begin(), system.end(), '/', '\\');
  return system;
}

}  // namespace strohvik
