#pragma once
// minizip's file access goes through here, so that an archive's name reaches the system
// as the platform layer opens files (in wide characters on Windows), never through
// minizip's own narrow fopen.
//
// minizip takes the last end-record signature in a file as the end record, so a comment
// holding those bytes makes it refuse a sound archive. Opened over a view of the file
// that ends right after the end record the directory scan chose, it reads the same
// directory as the entry list.

#include <cstdint>
#include <string>

#include <minizip/unzip.h>
#include <minizip/zip.h>

namespace strohvik {

// Null when minizip cannot open the archive within the first viewEnd bytes.
unzFile OpenUnzipUpTo(const std::string& systemPath, int64_t viewEnd);
// The whole archive, where minizip searches the end record itself.
unzFile OpenUnzip(const std::string& systemPath);
// An archive to write: created, or with APPEND_STATUS_ADDINZIP added to.
zipFile OpenZipForWriting(const std::string& systemPath, int append);

}  // namespace strohvik
