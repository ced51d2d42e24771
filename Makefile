# Thin wrapper over CMake presets: `make run` and `make test` are all a newcomer needs.
PRESET ?= dev
BUILD := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build deps clean

run: build
	./$(BUILD)/plicanza

test: build
	ctest --preset $(PRESET)

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

deps:
	@sh scripts/deps.sh

clean:
	rm -rf build

# The instruments of the safety net, each on its own; .ci/run calls them in turn.
FUZZ_SECONDS ?= 300

.PHONY: test-asan fuzz bench package package-check

# The whole suite under AddressSanitizer, LeakSanitizer and UBSan.
test-asan:
	$(MAKE) test PRESET=asan

# Each libFuzzer target for FUZZ_SECONDS, in a clang build of its own.
fuzz:
	@sh scripts/deps.sh fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	sh fuzz/run.sh build/fuzz $(FUZZ_SECONDS)

# The performance figures, as the table of the README's performance section.
bench: build
	./build/dev/bench/edicola-bench

# The .deb, and the check that it installs and its program starts and paints.
package: build
	@sh scripts/deps.sh package
	cmake --build --preset dev --target package

package-check: package
	sh scripts/check-package.sh build/dev
