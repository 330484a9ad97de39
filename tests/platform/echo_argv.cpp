// Test helper: writes its working directory and arguments, one per line, to the file
// named by STROHVIK_ECHO_OUT, and exits with the number of arguments.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const char* out = std::getenv("STROHVIK_ECHO_OUT");
  if (out == nullptr) return 100;
  std::FILE* file = std::fopen(out, "wb");
  if (file == nullptr) return 101;
  char cwd[4096];
  std::fprintf(file, "%s\n", getcwd(cwd, sizeof cwd) ? cwd : "?");
  for (int i = 1; i < argc; ++i) std::fprintf(file, "%s\n", argv[i]);
  std::fclose(file);
  return argc - 1;
}
