// vexo-demo-generator OUTPUT_DIR [STAMP_FILE]: writes the demo library into
// OUTPUT_DIR, then touches STAMP_FILE so the build knows it is complete.
#include <cstdio>
#include <fstream>
#include <thread>

#include "service/demo/demo_library.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: vexo-demo-generator OUTPUT_DIR [STAMP_FILE]\n");
    return 2;
  }
  const int threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  std::string error;
  if (!vexo::service::demo::GenerateDemoLibrary(argv[1], threads, error)) {
    std::fprintf(stderr, "vexo-demo-generator: %s\n", error.c_str());
    return 1;
  }
  if (argc == 3) {
    std::ofstream stamp(argv[2], std::ios::trunc);
    stamp << "demo library complete\n";
    if (!stamp.flush()) {
      std::fprintf(stderr, "vexo-demo-generator: cannot write %s\n", argv[2]);
      return 1;
    }
  }
  return 0;
}
