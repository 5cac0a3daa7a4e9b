# The README's commands. CMake presets do the work; this file only names them.
.PHONY: all deps build run test test-default test-asan asan bench package format clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	@scripts/run-velorin build/velorin

test: test-default test-asan

test-default: build
	@ctest --preset default

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan

test-asan: asan
	@ctest --preset asan

bench: build
	@scripts/bench

package: build
	@cd build && cpack -G DEB

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-asan
