#include "app/embedded_resources.h"

#include <cstring>
#include <memory>

#include "platform/stream.h"

namespace strohvik {
namespace {

// The names the program opens its resources by, and the file each one holds. Some
// files are known by two names (with "\" and with "/", or with and without "Images").
struct ResourceName {
  const char* name;
  const char* fileName;
};

constexpr ResourceName kResourceNames[] = {
    {"Images\\switch-19.wav", "switch-19.wav"},
    {"switch-19.wav", "switch-19.wav"},
    {"Images\\16x16-images.png", "16x16-images.png"},
    {"Images/Brushed prepainted metal.png", "Brushed prepainted metal.png"},
    {"Images/nav.png", "nav.png"},
    {"Images/Strohvik-Logo.png", "Strohvik-Logo.png"},
    {"Images/gebuerstetealuminiumtextur.png", "gebuerstetealuminiumtextur.png"},
    {"Images/holzblocktextur.png", "holzblocktextur.png"},
    {"Images\\bg-image-MB.png", "bg-image-MB.png"},
    {"Images/bg-image-MB.png", "bg-image-MB.png"},
    {"Images\\bg-image-KB.png", "bg-image-KB.png"},
    {"Images/16x16-zip-images.png", "16x16-zip-images.png"},
    {"Images/FarmingSimulator2011-16x16.PNG", "FarmingSimulator2011-16x16.PNG"},
    {"Images\\Folder.png", "Folder.png"},
    {"Images/sign_question.png", "sign_question.png"},
    {"Images/bulb_add.png", "bulb_add.png"},
    {"Images/folder_go.png", "folder_go.png"},
    {"Images/folder_mo.png", "folder_mo.png"},
    {"Images/globe.png", "globe.png"},
    {"Images/ls2011_1.png", "ls2011_1.png"},
    {"Images/save_dark.png", "save_dark.png"},
    {"Images/sign_cacel.png", "sign_cacel.png"},
    {"Images/sign_deny.png", "sign_deny.png"},
    {"Images/sign_explain.png", "sign_explain.png"},
    {"Images/spanner_go.png", "spanner_go.png"},
    {"7.png", "7.png"},   {"8.png", "8.png"},   {"9.png", "9.png"},   {"10.png", "10.png"}, {"11.png", "11.png"},
    {"12.png", "12.png"}, {"13.png", "13.png"}, {"14.png", "14.png"}, {"15.png", "15.png"}, {"16.png", "16.png"},
    {"17.png", "17.png"}, {"18.png", "18.png"}, {"19.png", "19.png"}, {"21.png", "21.png"}, {"24.png", "24.png"},
};

const EmbeddedFile* FindEmbeddedFile(const char* fileName) {
  for (size_t i = 0; i < kEmbeddedFileCount; ++i) {
    if (std::strcmp(kEmbeddedFiles[i].fileName, fileName) == 0) return &kEmbeddedFiles[i];
  }
  return nullptr;
}

class TIncbinStreamFactory : public TStreamFactory {
 public:
  StreamPtr CreateStream(const std::string&, const std::string& protocol, const std::string& path, bool readable,
                         bool writeable) override {
    if (protocol != "incbin" || writeable || !readable) return nullptr;
    const EmbeddedFile* file = FindEmbeddedResource(path);
    if (file == nullptr) return nullptr;
    // The stream never writes, so handing it the constant bytes is safe.
    return TRamStream::Create(const_cast<unsigned char*>(file->data), static_cast<int64_t>(file->size), true, false);
  }
};

}  // namespace

const EmbeddedFile* FindEmbeddedResource(const std::string& name) {
  for (const ResourceName& entry : kResourceNames) {
    if (name == entry.name) return FindEmbeddedFile(entry.fileName);
  }
  return nullptr;
}

void RegisterEmbeddedResources() {
  static const auto factory = std::make_shared<TIncbinStreamFactory>();
  RegisterStreamFactory(factory);
}

}  // namespace strohvik
