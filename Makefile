# SPDX-FileCopyrightText: 2026 Kazoola Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Front door for building, running and testing Kazoola. Every target installs what it
# needs first, so the two commands in the README work on a fresh Debian 12 machine.
#
# Build folders: build (the programs and the plain suite), build-asan (everything under
# AddressSanitizer and UndefinedBehaviorSanitizer), build-fuzz (clang, the libFuzzer
# targets), build-release (optimised; `make dist` and `make bench`), build-deb (optimised,
# the installed layout; `make deb`).
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
RELEASE_BUILD ?= build-release
DEB_BUILD ?= build-deb
JOBS ?= 2
# Seconds each fuzz target runs: `make fuzz` 60, `make test` (and so CI) 30.
FUZZ_SECONDS ?= 60
TEST_FUZZ_SECONDS ?= 30
CMAKE_FLAGS ?=
# The package's compiler and linker flags, as Debian's own builds get them, all hardening on.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags
ifdef CI
CMAKE_FLAGS += -DKAZ_WERROR=ON
endif
# Looked up when a recipe runs, so after `deps` has installed ccache on a fresh machine.
LAUNCHER = $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# A gate that finds no test fails rather than passes.
CTEST := ctest --output-on-failure --no-tests=error -j $(JOBS)
# `make run` and `make run-editor` without a screen: one clear line instead of Qt's abort.
NEED_DISPLAY = @[ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ] || [ "$${QT_QPA_PLATFORM:-}" = offscreen ] || \
  { echo "make $@: $(1) needs a graphical session (no DISPLAY or WAYLAND_DISPLAY is set); start it from a desktop, or under Xvfb: xvfb-run -a make $@" >&2; exit 1; }

.PHONY: all deps configure build run run-editor test check sanitize sanitize-build fuzz \
        fuzz-build fuzz-only smoke bench dist deb format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(LAUNCHER) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Builds only the program it starts, and opens the sample set "Animal Kingdom" in it.
run: configure
	$(call NEED_DISPLAY,KAZ)
	cmake --build $(BUILD) -j $(JOBS) --target KAZ
	$(BUILD)/bin/KAZ $(BUILD)/bin/sets/Animals.kazset

run-editor: configure
	$(call NEED_DISPLAY,KazCreate)
	cmake --build $(BUILD) -j $(JOBS) --target KazCreate
	$(BUILD)/bin/KazCreate $(BUILD)/bin/sets/Animals.kazset

# Every gate, in the order that fails soonest for the least work; the plain suite runs last,
# so its CTest summary closes the output. About 7 to 8 minutes from scratch on two cores.
test: build sanitize-build fuzz-build
	$(MAKE) --no-print-directory fuzz-only FUZZ_SECONDS=$(TEST_FUZZ_SECONDS)
	cd $(ASAN_BUILD) && $(CTEST)
	cd $(BUILD) && $(CTEST)

# The quick developer path: the plain suite (unit and widget tests, replays of the fuzz
# findings, the real-window smoke tests), nothing else.
check: build
	cd $(BUILD) && $(CTEST)

sanitize-build: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja $(LAUNCHER) -DKAZ_SANITIZE=address,undefined
	cmake --build $(ASAN_BUILD) -j $(JOBS)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer; the options
# and leak suppressions are built into the executables (tests/sanitizers/).
sanitize: sanitize-build
	cd $(ASAN_BUILD) && $(CTEST)

fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja $(LAUNCHER) -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAZ_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target kaz_fuzz_targets

# Each fuzz target for FUZZ_SECONDS, side by side.
fuzz: fuzz-build
	$(MAKE) --no-print-directory fuzz-only

# Verbose, so the log shows each target's run and its count of inputs.
fuzz-only:
	cd $(FUZZ_BUILD) && KAZ_FUZZ_SECONDS=$(FUZZ_SECONDS) $(CTEST) -L fuzz -V

smoke: build
	cd $(BUILD) && $(CTEST) -L smoke

# Startup time and peak memory of KAZ and KazCreate against a bare Qt window (bench/startup),
# then New Game and a guess on the longest puzzle a set can hold (bench/longpuzzle.cpp), then
# the wheel's pace: median time of 20 spins and repaints a second (bench/spin.cpp), then the
# zoom steps up to 300 %, each repainted (bench/zoom.cpp, on a screen that holds 300 %), then the
# editor's word lists: a 5,000-entry KVTML import and a 101-pair PDF (bench/wordlist.cpp).
bench: deps
	cmake -S . -B $(RELEASE_BUILD) -G Ninja $(LAUNCHER) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(RELEASE_BUILD) -j $(JOBS) --target KAZ kazoola-sound KazCreate KazBaseline KazLongPuzzleBench \
	  KazSpinBench KazZoomBench KazWordListBench
	bench/startup $(RELEASE_BUILD)/bin
	QT_QPA_PLATFORM=offscreen $(RELEASE_BUILD)/bin/KazLongPuzzleBench
	scripts/with-xvfb -- $(RELEASE_BUILD)/bin/KazSpinBench 20
	xvfb-run -a -s '-screen 0 1600x1200x24' $(RELEASE_BUILD)/bin/KazZoomBench
	$(RELEASE_BUILD)/bin/KazWordListBench

# The portable release folder, packed as kazoola-<version>-linux-x86_64.tar.gz.
dist: deps
	cmake -S . -B $(RELEASE_BUILD) -G Ninja $(LAUNCHER) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	  -DKAZ_INSTALL_LAYOUT=portable
	cmake --build $(RELEASE_BUILD) -j $(JOBS)
	cd $(RELEASE_BUILD) && cpack
	scripts/check-release $(RELEASE_BUILD)/kazoola-*-linux-x86_64.tar.gz

# The Debian package kazoola_<version>_amd64.deb (installed layout under /usr, programs in
# /usr/games), checked by lintian and then installed, started and removed in a fresh Debian 12
# root by scripts/check-deb. Needs root and Debian's mirror; a few minutes.
# Built with Debian's hardening flags (_FORTIFY_SOURCE, the stack protector, -z relro -z now),
# the linker's for the programs and the audio module alike;
# lintian must then find no error and no hardening-* tag.
deb: deps
	scripts/install-deps dpkg-dev lintian debootstrap
	cmake -S . -B $(DEB_BUILD) -G Ninja $(LAUNCHER) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	  -DKAZ_INSTALL_LAYOUT=system -DKAZ_INSTALL_BINDIR=games -DCMAKE_INSTALL_PREFIX=/usr \
	  -DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) --get CPPFLAGS) $$($(DEB_FLAGS) --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) --get LDFLAGS)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$$($(DEB_FLAGS) --get LDFLAGS)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$$($(DEB_FLAGS) --get LDFLAGS)"
	cmake --build $(DEB_BUILD) -j $(JOBS)
	rm -f $(DEB_BUILD)/kazoola_*.deb
	cd $(DEB_BUILD) && cpack
	lintian -I --pedantic --fail-on error $(DEB_BUILD)/kazoola_*.deb >$(DEB_BUILD)/lintian.log; \
	  status=$$?; cat $(DEB_BUILD)/lintian.log; [ $$status -eq 0 ] && ! grep -q ' hardening-' $(DEB_BUILD)/lintian.log
	scripts/check-deb $(DEB_BUILD)/kazoola_*.deb

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(RELEASE_BUILD) $(DEB_BUILD)
