# A thin wrapper: the dependency script installs what is missing, CMake builds, CTest tests.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)
# clang builds unless CXX and CC come from the command line or the environment (make's
# own defaults, CXX=g++ and CC=cc, do not count).
ifeq ($(origin CXX),default)
CXX = clang++
endif
ifeq ($(origin CC),default)
CC = clang
endif
# The project's own builds are strict and hardened as the Debian package is built.
STRICT_ARGS = -DBISECTORS_WERROR=ON -DBISECTORS_DEB_BUILDFLAGS=ON
# The calculation core alone, built and tested once more with GCC.
GCC_BUILD_DIR ?= $(BUILD_DIR)/gcc-core

.PHONY: all deps configure build run test gcc-core bench fuzz format clean package startup icon screenshot

all: build

deps:
	@scripts/install-deps

# A shell test: BUILD_DIR was configured with the compiler $(2) for the language $(1),
# named as here or by its path.
same_compiler = { c=$$(sed -n 's/^CMAKE_$(1)_COMPILER:[A-Z]*=//p' $(BUILD_DIR)/CMakeCache.txt \
	2>/dev/null); [ "$$c" = "$(2)" ] || [ "$$c" = "$$(command -v $(2))" ]; }

# Other compilers than last time: CMake would drop its cache and, with it, the options
# given here, so the build directory is configured afresh.
configure: deps
	@$(call same_compiler,CXX,$(CXX)) && $(call same_compiler,C,$(CC)) || fresh=--fresh; \
	cmake $$fresh -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DCMAKE_CXX_COMPILER=$(CXX) -DCMAKE_C_COMPILER=$(CC) $(STRICT_ARGS) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/app/bisectors

test: build gcc-core
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Keeps the core free of GCC's warnings too, whatever compiler the main build uses.
gcc-core: deps
	@cmake -S . -B $(GCC_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc -DBISECTORS_WINDOW=OFF \
		-DBISECTORS_FUZZ=OFF -DBISECTORS_SANITIZED_TESTS=OFF $(STRICT_ARGS) >/dev/null
	@cmake --build $(GCC_BUILD_DIR) -j $(JOBS)
	@cd $(GCC_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD_DIR)/bench/calc_bench

# The fuzzer for FUZZ_SECONDS seconds, ten minutes unless set (the tests run it for 10).
FUZZ_SECONDS ?= 600
fuzz: build
	@FUZZ_SECONDS=$(FUZZ_SECONDS) cmake --build $(BUILD_DIR) --target fuzz

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
	@scripts/screenshot $(BUILD_DIR)/app/bisectors docs/screenshot.png

# $(BUILD_DIR)/web/bisectors.html: the program as one self-contained web page.
.PHONY: web
web: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target web

# docs/web-screenshot.png: the web page after a report for the medians 3, 4, 5, in
# headless Chromium, as docs/screenshot.png shows the window.
.PHONY: web-screenshot web-bench
web-screenshot: web
	@scripts/web-screenshot $(BUILD_DIR)/web/bisectors.html docs/web-screenshot.png

# The web page in headless Chromium: time to interactive from file://, time of a report.
web-bench: web
	@bench/web_bench.py $(BUILD_DIR)/web/bisectors.html

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h' '*.c')

clean:
	@rm -rf $(BUILD_DIR)
