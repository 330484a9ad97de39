#include "zip/archive_view.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "platform/host_path.h"

namespace strohvik {
namespace {

// A view without end: the whole file, which a writer also lets grow.
constexpr int64_t kWholeFile = std::numeric_limits<int64_t>::max();

struct View {
  FILE* file;
  int64_t end;
};

View& ViewOf(voidpf stream) { return *static_cast<View*>(stream); }

// The fopen mode for minizip's open mode, as its own file functions choose it.
const char* FileMode(int mode) {
  if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) == ZLIB_FILEFUNC_MODE_READ) return "rb";
  if ((mode & ZLIB_FILEFUNC_MODE_EXISTING) != 0) return "r+b";
  return "wb";
}

voidpf ZCALLBACK OpenView(voidpf opaque, const void* path, int mode) {
  FILE* file = OpenHostFile(static_cast<const char*>(path), FileMode(mode));
  return file ? new View{file, *static_cast<const int64_t*>(opaque)} : nullptr;
}

uLong ZCALLBACK ReadView(voidpf, voidpf stream, void* buffer, uLong size) {
  View& view = ViewOf(stream);
  const int64_t position = ftello(view.file);
  if (position < 0 || position >= view.end) return 0;
  const auto allowed = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(size), view.end - position));
  return static_cast<uLong>(std::fread(buffer, 1, allowed, view.file));
}

uLong ZCALLBACK WriteView(voidpf, voidpf stream, const void* buffer, uLong size) {
  View& view = ViewOf(stream);
  return view.end == kWholeFile ? static_cast<uLong>(std::fwrite(buffer, 1, size, view.file)) : 0;
}

ZPOS64_T ZCALLBACK TellView(voidpf, voidpf stream) {
  return static_cast<ZPOS64_T>(ftello(ViewOf(stream).file));
}

long ZCALLBACK SeekView(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  View& view = ViewOf(stream);
  int64_t target = static_cast<int64_t>(offset);
  if (origin == ZLIB_FILEFUNC_SEEK_CUR) target += ftello(view.file);
  if (origin == ZLIB_FILEFUNC_SEEK_END && view.end == kWholeFile) return fseeko(view.file, target, SEEK_END);
  if (origin == ZLIB_FILEFUNC_SEEK_END) target = view.end + static_cast<int64_t>(offset);
  if (target < 0 || target > view.end) return -1;
  return fseeko(view.file, target, SEEK_SET);
}

int ZCALLBACK CloseView(voidpf, voidpf stream) {
  View* view = static_cast<View*>(stream);
  const int result = std::fclose(view->file);
  delete view;
  return result;
}

int ZCALLBACK ViewError(voidpf, voidpf stream) { return std::ferror(ViewOf(stream).file); }

// minizip calls the open function before its own open returns, so a local end suffices.
zlib_filefunc64_def ViewFunctions(int64_t& viewEnd) {
  return zlib_filefunc64_def{OpenView, ReadView, WriteView, TellView, SeekView, CloseView, ViewError, &viewEnd};
}

}  // namespace

unzFile OpenUnzipUpTo(const std::string& systemPath, int64_t viewEnd) {
  zlib_filefunc64_def functions = ViewFunctions(viewEnd);
  return unzOpen2_64(systemPath.c_str(), &functions);
}

unzFile OpenUnzip(const std::string& systemPath) { return OpenUnzipUpTo(systemPath, kWholeFile); }

zipFile OpenZipForWriting(const std::string& systemPath, int append) {
  int64_t whole = kWholeFile;
  zlib_filefunc64_def functions = ViewFunctions(whole);
  return zipOpen2_64(systemPath.c_str(), append, nullptr, &functions);
}

}  // namespace strohvik
