#pragma once
// The pictures and the sound the program carries inside itself, opened through the
// stream layer as "incbin::" + name. Names match exactly, "\" and "/" included.

#include <cstddef>
#include <string>

namespace strohvik {

struct EmbeddedFile {
  const char* fileName;  // the file in Images/ it was made from
  const unsigned char* data;
  size_t size;
};

// The files compiled in, generated from Images/.
extern const EmbeddedFile kEmbeddedFiles[];
extern const size_t kEmbeddedFileCount;

// Null when no resource has this name.
const EmbeddedFile* FindEmbeddedResource(const std::string& name);

// Makes "incbin::" streams available; registering again does nothing.
void RegisterEmbeddedResources();

}  // namespace strohvik
