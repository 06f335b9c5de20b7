# The commands of the README:
#   make run                installs what is missing, builds, starts the player
#   make test               installs what is missing, builds, runs the whole suite
#   make install PREFIX=P   builds and installs the player under P (default /usr/local)
#   make package            builds the Debian package vexo_<version>_<arch>.deb here
# and, by hand:
#   make fuzz               runs every fuzz target for FUZZ_SECONDS (default 600) each
.PHONY: run test deps configure build install package bench fuzz fuzz-build clean

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_TSAN ?= build-tsan
BUILD_FUZZ ?= build-fuzz
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(filter true,$(CI)),-DVEXO_WERROR=ON)
# The sanitizer builds: light optimisation and line tables only, which keeps
# them quick to build while reports still name files and lines.
SANITIZER_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DVEXO_BENCH=OFF $(if $(filter true,$(CI)),-DVEXO_WERROR=ON)
# The fuzz build: clang with libFuzzer, ASan and UBSan, optimised for speed.
# It holds only the display-free libraries and the fuzz targets. In CI every
# target runs FUZZ_CI_SECONDS; `make fuzz` runs them FUZZ_SECONDS each.
FUZZ_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O2 -g1" -DCMAKE_CXX_COMPILER=clang++ -DVEXO_FUZZ=ON -DVEXO_BENCH=OFF $(if $(filter true,$(CI)),-DVEXO_WERROR=ON)
FUZZ_CI_SECONDS ?= 20
FUZZ_SECONDS ?= 600

deps:
	@scripts/install-deps

configure: deps
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-player $(BUILD)/bin/vexo

test: build
	@scripts/with-test-services ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
ifeq ($(CI),true)
	@test -f $(BUILD_ASAN)/build.ninja || cmake -S . -B $(BUILD_ASAN) $(SANITIZER_FLAGS) -DVEXO_SANITIZE=ON
	@cmake --build $(BUILD_ASAN) -j $(JOBS)
	@scripts/with-test-services scripts/sanitized ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS)
	@test -f $(BUILD_TSAN)/build.ninja || cmake -S . -B $(BUILD_TSAN) $(SANITIZER_FLAGS) -DVEXO_TSAN=ON
	@scripts/concurrency-targets $(BUILD_TSAN) | xargs -r cmake --build $(BUILD_TSAN) -j $(JOBS) --target
	@scripts/with-test-services scripts/sanitized ctest --test-dir $(BUILD_TSAN) -L concurrency --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz-build
	@scripts/run-fuzzers $(BUILD_FUZZ) $(FUZZ_CI_SECONDS) $(JOBS)
endif

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# CPack writes the package into the build folder; the one of this version is
# copied here, in place of any earlier one.
package: build
	@rm -f vexo_*.deb $(BUILD)/vexo_*.deb
	@cmake --build $(BUILD) --target package
	@cp $(BUILD)/vexo_*.deb .

bench: build
	@scripts/with-test-services bench/run-all $(BUILD)

fuzz-build: deps
	@test -f $(BUILD_FUZZ)/build.ninja || cmake -S . -B $(BUILD_FUZZ) $(FUZZ_FLAGS)
	@cmake --build $(BUILD_FUZZ) -j $(JOBS) --target vexo_fuzzers

fuzz: fuzz-build
	@scripts/run-fuzzers $(BUILD_FUZZ) $(FUZZ_SECONDS) $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_TSAN) $(BUILD_FUZZ)
