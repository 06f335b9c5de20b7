// vexo-bench-library [--files | --mixed-files | --seeds] FOLDER [SONGS]:
// writes a synthetic library of SONGS entries (default 10000) for the service
// load benchmark; with --files, a music folder of that many MP3 files
// instead; with --mixed-files, of that many files of mixed formats (MP3,
// FLAC and M4A ones with a 100 KB front cover); with --seeds, the music-file
// fuzz target's seeds, one per format.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_library.h"

namespace {

constexpr std::size_t kMixedCoverBytes = 100 * 1024;

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 && argv[1][0] == '-' ? argv[1] : "";
  if (!mode.empty()) {
    --argc;
    ++argv;
  }
  if (argc < 2 || argc > 3 ||
      (mode != "" && mode != "--files" && mode != "--mixed-files" && mode != "--seeds")) {
    std::fprintf(stderr,
                 "usage: vexo-bench-library [--files | --mixed-files | --seeds] FOLDER [SONGS]\n");
    return 2;
  }
  namespace bench = vexo::service::bench;
  const int songs = argc == 3 ? std::atoi(argv[2]) : 10000;
  bool written = false;
  if (mode == "--seeds") {
    written = bench::WriteMusicFileSeeds(argv[1]);
  } else if (songs > 0) {
    written = mode == "--files"         ? bench::WriteSyntheticFolder(argv[1], songs)
              : mode == "--mixed-files" ? bench::WriteMixedFolder(argv[1], songs, kMixedCoverBytes)
                                        : bench::WriteSyntheticLibrary(argv[1], songs);
  }
  if (!written) {
    std::fprintf(stderr, "vexo-bench-library: cannot write the library in %s\n", argv[1]);
    return 1;
  }
  return 0;
}
