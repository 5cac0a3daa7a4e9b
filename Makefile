# The README's commands. CMake presets do the work; this file only names them.
.PHONY: all deps build run test test-default test-asan asan clang bench package format clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default

run: build
	@scripts/run-velorin build/velorin

# The clang preset is built so that the tree keeps compiling with a second compiler.
test: test-default test-asan clang

test-default: build
	@ctest --preset default

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan

test-asan: asan
	@ctest --preset asan

clang: deps
	@cmake --preset clang >/dev/null
	@cmake --build --preset clang

bench: build
	@scripts/bench

package: build
	@cd build && cpack -G DEB

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-asan build-clang
