// vexo-bench-library [--files] FOLDER [SONGS]: writes a synthetic library of
// SONGS entries (default 10000) for the service load benchmark; with
// --files, a music folder of that many MP3 files instead.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_library.h"

int main(int argc, char** argv) {
  const bool files = argc > 1 && std::string(argv[1]) == "--files";
  if (files) {
    --argc;
    ++argv;
  }
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: vexo-bench-library [--files] FOLDER [SONGS]\n");
    return 2;
  }
  const int songs = argc == 3 ? std::atoi(argv[2]) : 10000;
  const bool written =
      songs > 0 && (files ? vexo::service::bench::WriteSyntheticFolder(argv[1], songs)
                          : vexo::service::bench::WriteSyntheticLibrary(argv[1], songs));
  if (!written) {
    std::fprintf(stderr, "vexo-bench-library: cannot write the library in %s\n", argv[1]);
    return 1;
  }
  return 0;
}
