# A thin wrapper: the dependency script installs what is missing, CMake builds, CTest tests.
# The configurations themselves are the presets of CMakePresets.json; the main build in
# $(BUILD_DIR) is the release preset, with the compilers chosen here.
SHELL := /bin/bash
.SHELLFLAGS := -o pipefail -c
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
# The other configurations, each in a folder of its own under $(BUILD_DIR).
GCC_BUILD_DIR ?= $(BUILD_DIR)/gcc-core
ASAN_BUILD_DIR ?= $(BUILD_DIR)/asan-ubsan
# Groups of the dependency script to install (as root); empty: all of them.
DEPS ?=

# Every optional part of the build (cmake/Parts.cmake). A plain build takes those whose
# tools are installed; `make test` and CI ask for each, so that a missing tool fails the
# configuration instead of leaving a test out.
PARTS = DEB_BUILDFLAGS WEB BROWSER_TESTS E2E_TESTS A11Y_TESTS PACKAGE_TESTS STARTUP_BENCH COMMAND_LINE_BENCH \
	BENCH FUZZ SANITIZED_TESTS FORMAT_CHECK WEB_FORMAT_CHECK CLANG_TIDY FONTCONFIG DOCX
EVERY_PART = $(foreach part,$(PARTS),-DBISECTORS_$(part)=ON)
# libFuzzer comes with clang only: a GCC build leaves the fuzzer out.
ifeq ($(findstring clang,$(notdir $(CXX))),)
EVERY_PART := $(filter-out -DBISECTORS_FUZZ=ON,$(EVERY_PART)) -DBISECTORS_FUZZ=OFF
endif
PART_ARGS ?=
test: PART_ARGS = $(EVERY_PART)

# The fast loop: the Qt-free unit tests and the Qt widget tests, no display needed.
CHECK_LABELS = ^(unit|gui)$$
# The long fuzzing run of `make fuzz`, in seconds.
FUZZ_SECONDS ?= 600

.PHONY: all deps configure build run test check gcc-core asan-ubsan bench fuzz format tidy \
	clean package startup icon screenshot web web-screenshot web-bench

all: build

deps:
	@scripts/install-deps $(DEPS)

# A shell test: BUILD_DIR was configured with the compiler $(2) for the language $(1),
# named as here or by its path.
same_compiler = { c=$$(sed -n 's/^CMAKE_$(1)_COMPILER:[A-Z]*=//p' $(BUILD_DIR)/CMakeCache.txt \
	2>/dev/null); [ "$$c" = "$(2)" ] || [ "$$c" = "$$(command -v $(2))" ]; }

# Other compilers than last time: CMake would drop its cache and, with it, the options
# given here, so the build directory is configured afresh. The one line that names the
# parts left out is shown.
configure: deps
	@$(call same_compiler,CXX,$(CXX)) && $(call same_compiler,C,$(CC)) || fresh=--fresh; \
	cmake $$fresh --preset release -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DCMAKE_CXX_COMPILER=$(CXX) -DCMAKE_C_COMPILER=$(CC) $(PART_ARGS) $(CMAKE_ARGS) \
		| grep '^-- bisectors:'

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/app/bisectors

# Everything: every part of the main build and all its tests, the core with GCC, and the
# unit, Qt and end-to-end tests once more under AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: build gcc-core asan-ubsan
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The inner loop: the unit and Qt widget tests of the main build, in seconds.
check: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) -L '$(CHECK_LABELS)'

# Keeps the core free of GCC's warnings too, whatever compiler the main build uses.
gcc-core: deps
	@cmake --preset gcc-core -B $(GCC_BUILD_DIR) $(filter -DBISECTORS_DEB_BUILDFLAGS=%,$(PART_ARGS)) \
		>/dev/null
	@cmake --build $(GCC_BUILD_DIR) -j $(JOBS)
	@cd $(GCC_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The unit, Qt widget and end-to-end tests built with ASan and UBSan (Qt itself is not
# instrumented); only what those tests need is built. e2e_launch counts the libraries the
# command line loads, which the sanitizers' runtime adds to.
asan-ubsan: deps
	@cmake --preset asan-ubsan -B $(ASAN_BUILD_DIR) >/dev/null
	@cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	@cd $(ASAN_BUILD_DIR) && ctest --output-on-failure -j $(JOBS) -L '^(unit|gui|e2e)$$' \
		-E '^e2e_launch$$'

# The core's micro-benchmarks, then the answer key for Word and Writer next to the HTML key.
bench: PART_ARGS = -DBISECTORS_BENCH=ON
bench: build
	@$(BUILD_DIR)/bench/calc_bench
	@BUILD_DIR=$(abspath $(BUILD_DIR)) bench/documents

# The fuzzer for $(FUZZ_SECONDS) seconds (the tests run it for 10).
fuzz: PART_ARGS = -DBISECTORS_FUZZ=ON
fuzz: build
	@FUZZ_SECONDS=$(FUZZ_SECONDS) cmake --build $(BUILD_DIR) --target fuzz

# The Debian package, written to $(BUILD_DIR)/bisectors_<version>_<arch>.deb, with the
# web edition in it.
package: PART_ARGS = -DBISECTORS_WEB=ON
package: build
	@cd $(BUILD_DIR) && cpack

# Start-up time and memory of the program next to reference programs, under Xvfb and Weston.
startup: PART_ARGS = -DBISECTORS_STARTUP_BENCH=ON
startup: build
	@BUILD_DIR=$(abspath $(BUILD_DIR)) bench/startup

# Renders the 32 x 32 icon from packaging/bisectors.svg after the drawing changed.
icon: deps
	@packaging/render-icon

# docs/screenshot.png: the window after a report for the medians 3, 4, 5, under Xvfb.
screenshot: build
	@scripts/screenshot $(BUILD_DIR)/app/bisectors docs/screenshot.png

# $(BUILD_DIR)/web/bisectors.html: the program as one self-contained web page.
web: PART_ARGS = -DBISECTORS_WEB=ON
web: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target web

# docs/web-screenshot.png: the web page after a report for the medians 3, 4, 5, in
# headless Chromium, as docs/screenshot.png shows the window.
web-screenshot: web
	@scripts/web-screenshot $(BUILD_DIR)/web/bisectors.html docs/web-screenshot.png

# The web page in headless Chromium: time to interactive from file://, time of a report.
web-bench: web
	@bench/web_bench.py $(BUILD_DIR)/web/bisectors.html

# Reformats the C++ sources with .clang-format and the page's JavaScript and CSS with
# Prettier (which `npm ci` installs into the build tree), each where it is installed.
format: configure
	@cmake --build $(BUILD_DIR) --target format

# clang-tidy on every C++ source of the main build (the lint tests run it too).
tidy: PART_ARGS = -DBISECTORS_CLANG_TIDY=ON
tidy: build
	@cmake --build $(BUILD_DIR) --target tidy

clean:
	@rm -rf $(BUILD_DIR)
