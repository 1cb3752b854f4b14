# Thin wrapper around CMake: `make run` builds and starts Covermint,
# `make test` builds and runs every test, `make bench` runs the benchmarks.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
SANITIZE ?=
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

ifneq ($(SANITIZE),)
CMAKE_FLAGS += -DCOVERMINT_SANITIZE=ON
endif

PREFIX ?= /usr/local
FUZZ_SECONDS ?= 60

.PHONY: run test bench deps configure build clean asan-test install package fuzz

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/covermint $(ARGS)

test: build
	@bash scripts/run-tests.sh $(BUILD)

asan-test:
	@$(MAKE) --no-print-directory test BUILD=build-asan SANITIZE=1 BUILD_TYPE=Debug

# Benchmarks are timed in an optimised build of their own.
bench:
	@$(MAKE) --no-print-directory build BUILD=build-release BUILD_TYPE=Release CMAKE_FLAGS=-DCOVERMINT_TESTS=OFF
	@bash scripts/run-benchmarks.sh build-release

# DESTDIR, when set, is put before PREFIX (staged installs, packaging).
install: build
	@DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the build, installed under /usr.
package: build
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@mv $(BUILD)/covermint_*.deb .
	@ls covermint_*.deb

# Every fuzz target for FUZZ_SECONDS each, in a clang build of its own.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOVERMINT_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzz_all
	@bash scripts/run-fuzz.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-asan build-release build-package build-fuzz
