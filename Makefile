# A thin wrapper: the dependency script installs what is missing, CMake builds, CTest tests.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench format clean package startup icon screenshot

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/window/bisectors

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD_DIR)/bench/calc_bench

# The Debian package, written to $(BUILD_DIR)/bisectors_<version>_<arch>.deb.
package: build
	@cd $(BUILD_DIR) && cpack

# Start-up time and memory of the program next to reference programs, under Xvfb and Weston.
startup: build
	@BUILD_DIR=$(abspath $(BUILD_DIR)) bench/startup

# Renders the 32 x 32 icon from packaging/bisectors.svg after the drawing changed.
icon: deps
	@packaging/render-icon

# docs/screenshot.png: the window after a report for the medians 3, 4, 5, under Xvfb.
screenshot: build
	@scripts/screenshot $(BUILD_DIR)/window/bisectors docs/screenshot.png

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h' '*.c')

clean:
	@rm -rf $(BUILD_DIR)
