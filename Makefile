# Front door for building, running and testing Kazoola. Every target installs what it
# needs first, so the two commands in the README work on a fresh Debian 12 machine.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DKAZ_WERROR=ON
endif
ifneq ($(shell command -v ccache 2>/dev/null),)
CMAKE_FLAGS += -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
endif

.PHONY: all deps configure build run run-editor test clean format

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/KAZ

run-editor: build
	$(BUILD)/bin/KazCreate

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
