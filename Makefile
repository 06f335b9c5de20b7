# The commands of the README:
#   make run                installs what is missing, builds, starts the player
#   make test               installs what is missing, builds, runs the whole suite
#   make install PREFIX=P   builds and installs the player under P (default /usr/local)
.PHONY: run test deps configure build install bench clean

BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_TSAN ?= build-tsan
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(filter true,$(CI)),-DVEXO_WERROR=ON)
# The sanitizer builds: light optimisation and line tables only, which keeps
# them quick to build while reports still name files and lines.
SANITIZER_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DVEXO_BENCH=OFF $(if $(filter true,$(CI)),-DVEXO_WERROR=ON)

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
endif

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

bench: build
	@scripts/with-test-services bench/run-all $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) $(BUILD_TSAN)
