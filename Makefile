# Top-level commands. `make demo` and `make test` install what is missing,
# build everything and run; the build itself is CMake's.
JOBS ?= $(shell nproc)
CMAKE_GEN := -G Ninja
LINUX_DIR := build
ASAN_DIR := build-asan
WIN32_DIR := build-win32

.PHONY: all deps build build-asan build-win32 test demo bench fuzz samples format clean

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

test: build build-asan build-win32
	ctest --test-dir $(LINUX_DIR) --output-on-failure -j $(JOBS)
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)
	ctest --test-dir $(WIN32_DIR) --output-on-failure

demo: build
	@tools/demo.sh $(LINUX_DIR)

bench: build
	$(LINUX_DIR)/bin/xelo_bench

fuzz: deps
	@tools/fuzz.sh

samples:
	python3 tools/gen_samples.py samples

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(LINUX_DIR) $(ASAN_DIR) $(WIN32_DIR) build-win64 build-fuzz build-cov
