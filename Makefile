# Thin wrapper over CMake presets: `make run` and `make test` are all a newcomer needs.
PRESET ?= dev
BUILD := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test configure deps clean

# The program alone: no tests, benchmarks or tools.
run: configure
	cmake --build --preset $(PRESET) -j $(JOBS) --target plicanza
	./$(BUILD)/app/plicanza

# The program and every test, then the whole suite.
test: configure
	cmake --build --preset $(PRESET) -j $(JOBS)
	ctest --preset $(PRESET)

# Built this way, a compiler warning fails the build.
configure: deps
	cmake --preset $(PRESET) -DEDICOLA_WERROR=ON

deps:
	@sh scripts/deps.sh

clean:
	rm -rf build

# The instruments of the safety net, each on its own; .ci/run calls them in turn.
FUZZ_SECONDS ?= 300

.PHONY: lint test-asan fuzz bench package package-check

# Every tracked C++ file as .clang-format lays it out, and the floors of the code
# as their includes show them.
lint:
	@sh scripts/deps.sh format
	sh scripts/check-format.sh
	sh scripts/check-floors.sh

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
bench: configure
	cmake --build --preset dev -j $(JOBS) --target edicola-bench
	./build/dev/bench/edicola-bench

# The .deb, and the check that it installs and its program starts and paints.
package: configure
	@sh scripts/deps.sh package
	cmake --build --preset dev -j $(JOBS) --target plicanza first-paint
	cmake --build --preset dev --target package

package-check: package
	sh scripts/check-package.sh build/dev

# Windows, cross-compiled here: Qt for 32-bit Windows is built once per machine
# from Debian's source (scripts/qt-windows.sh, about half an hour on 2 idle cores,
# then cached), then the program, its tests and plicanza-setup.exe, and what can
# be checked of them without running them.
.PHONY: windows windows-test
windows:
	@sh scripts/deps.sh windows
	qt=$$(sh scripts/qt-windows.sh) && \
	    cmake --preset windows -DEDICOLA_WERROR=ON -DCMAKE_PREFIX_PATH="$$qt"
	cmake --build --preset windows -j $(JOBS)
	cmake --build --preset windows --target installer
	sh scripts/check-windows-build.sh build/windows

# The first run of qt-windows.sh on a fresh machine, played with a stand-in apt;
# then the suite and the installer under 32-bit Wine, where this machine runs
# 32-bit programs (scripts/runs-32-bit.sh says so when it does not).
windows-test: windows
	sh scripts/check-qt-windows-firstrun.sh
	@status=0; sh scripts/runs-32-bit.sh || status=$$?; \
	if [ $$status -eq 0 ]; then \
	    ctest --preset windows && sh scripts/check-installer.sh build/windows; \
	elif [ $$status -ne 1 ]; then exit $$status; fi
