#include "zip/archive_view.h"

#include <algorithm>
#include <cstdio>

namespace strohvik {
namespace {

struct View {
  FILE* file;
  int64_t end;
};

View& ViewOf(voidpf stream) { return *static_cast<View*>(stream); }

voidpf ZCALLBACK OpenView(voidpf opaque, const void* path, int /*mode*/) {
  FILE* file = std::fopen(static_cast<const char*>(path), "rb");
  return file ? new View{file, *static_cast<const int64_t*>(opaque)} : nullptr;
}

uLong ZCALLBACK ReadView(voidpf, voidpf stream, void* buffer, uLong size) {
  View& view = ViewOf(stream);
  const int64_t position = ftello(view.file);
  if (position < 0 || position >= view.end) return 0;
  const auto allowed = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(size), view.end - position));
  return static_cast<uLong>(std::fread(buffer, 1, allowed, view.file));
}

uLong ZCALLBACK WriteView(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK TellView(voidpf, voidpf stream) {
  return static_cast<ZPOS64_T>(ftello(ViewOf(stream).file));
}

long ZCALLBACK SeekView(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  View& view = ViewOf(stream);
  int64_t target = static_cast<int64_t>(offset);
  if (origin == ZLIB_FILEFUNC_SEEK_CUR) target += ftello(view.file);
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

}  // namespace

unzFile OpenUnzipUpTo(const std::string& hostPath, int64_t viewEnd) {
  // minizip calls the open function before unzOpen2_64 returns, so the local end suffices.
  zlib_filefunc64_def functions{OpenView, ReadView, WriteView, TellView, SeekView, CloseView, ViewError, &viewEnd};
  return unzOpen2_64(hostPath.c_str(), &functions);
}

}  // namespace strohvik
