// vexo-bench-library FOLDER [SONGS]: writes a synthetic library of SONGS
// entries (default 10000) for the service load benchmark.
#include <cstdio>
#include <cstdlib>

#include "bench_library.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: vexo-bench-library FOLDER [SONGS]\n");
    return 2;
  }
  const int songs = argc == 3 ? std::atoi(argv[2]) : 10000;
  if (songs <= 0 || !vexo::service::bench::WriteSyntheticLibrary(argv[1], songs)) {
    std::fprintf(stderr, "vexo-bench-library: cannot write the library in %s\n", argv[1]);
    return 1;
  }
  return 0;
}
