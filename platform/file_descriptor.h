#pragma once
// The system's calls beneath TFileStream, on a C runtime file descriptor: the one place
// that knows how this system opens, reads, writes and flushes a file. Every file is
// opened in binary mode and is not inherited by the programs we start.

#include <cstdint>
#include <string>

namespace strohvik::descriptor {

enum class Access { Read, WriteNew, ReadWrite };  // WriteNew creates or truncates

// -1 when the file cannot be opened or is a folder.
int Open(const std::string& systemPath, Access access);
// The bytes moved; 0 at the end, -1 on failure. Interrupted calls are repeated.
int64_t Read(int fd, void* buffer, int64_t count);
int64_t Write(int fd, const void* buffer, int64_t count);
// The position reached, or -1.
int64_t SeekTo(int fd, int64_t position);
// 0 when unknown.
int64_t Size(int fd);
bool FlushToDisk(int fd);
bool Close(int fd);
// Appends what the source holds from its position on to the target without passing the
// bytes through this process, where the system can; the bytes moved, 0 where it cannot.
int64_t CopyInSystem(int source, int target);

}  // namespace strohvik::descriptor
