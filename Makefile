# Top-level commands. `make demo` and `make test` install what is missing,
# build everything and run; the build itself is CMake's.
JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja
LINUX_DIR := build
ASAN_DIR := build-asan
WIN32_DIR := build-win32
WIN64_DIR := build-win64

.PHONY: all deps build build-asan build-win32 build-win64 test demo bench fuzz samples screenshots format clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(LINUX_DIR) $(CMAKE_GEN) -DXELO_TESTS=ON -DXELO_BENCH=ON
	cmake --build $(LINUX_DIR) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_DIR) $(CMAKE_GEN) -DXELO_TESTS=ON -DXELO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(ASAN_DIR) -j $(JOBS)

build-win32: deps
	cmake -S . -B $(WIN32_DIR) $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
	cmake --build $(WIN32_DIR) -j $(JOBS)

# The 64-bit Windows tree runs the Windows programs under Wine, and compares
# their reports with the Linux tree's.
build-win64: deps build
	cmake -S . -B $(WIN64_DIR) $(CMAKE_GEN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
	  -DXELO_LINUX_BUILD=$(CURDIR)/$(LINUX_DIR)
	cmake --build $(WIN64_DIR) -j $(JOBS)

test: build build-asan build-win32 build-win64
	ctest --test-dir $(LINUX_DIR) --output-on-failure -j $(JOBS)
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)
	ctest --test-dir $(WIN32_DIR) --output-on-failure
	ctest --test-dir $(WIN64_DIR) --output-on-failure

demo: build
	@tools/demo.sh $(LINUX_DIR)

bench: build
	$(LINUX_DIR)/bin/xelo_bench

fuzz: deps
	@tools/fuzz.sh

samples:
	python3 tools/gen_samples.py samples

# PNGs of both windows (Linux and Windows under Wine) in docs/.
screenshots: build build-win64
	tools/screenshots.sh $(LINUX_DIR) $(WIN64_DIR) docs

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(LINUX_DIR) $(ASAN_DIR) $(WIN32_DIR) build-win64 build-fuzz build-cov
