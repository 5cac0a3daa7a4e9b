# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The README's commands. CMake presets do the work; this file only names them.
.PHONY: all deps test-deps bench-deps build run test test-default test-asan test-clang asan clang bench package format clean

all: build

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --tests

bench-deps:
	@scripts/install-deps --bench

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	@scripts/run-velorin build/velorin

test: test-default test-asan test-clang

test-default: build test-deps
	@ctest --preset default

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan

test-asan: asan test-deps
	@ctest --preset asan

clang: deps
	@cmake --preset clang >/dev/null
	@cmake --build --preset clang

test-clang: clang test-deps
	@ctest --preset clang

bench: build bench-deps
	@scripts/bench

package: build
	@cd build && cpack -G DEB

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-asan build-clang
