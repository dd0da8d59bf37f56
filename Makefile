# Tallyrune: `make run` and `make test` do everything on a fresh Debian machine.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
# The second tree: clang with AddressSanitizer and UndefinedBehaviorSanitizer, which builds every
# test and the fuzz targets; `make fuzz` runs each target for FUZZ_SECONDS, `make test` for
# FUZZ_TEST_SECONDS.
SANITIZE_BUILD    ?= $(BUILD)-sanitize
FUZZ_BUILD        ?= $(SANITIZE_BUILD)
FUZZ_SECONDS      ?= 60
FUZZ_TEST_SECONDS ?= 4

# The tests draw offscreen; `make run` shows the designer on the user's own display.
USER_QPA_PLATFORM := $(QT_QPA_PLATFORM)
export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps configure build programs check test run install package sanitize-configure sanitize-build \
        sanitize-test check-sanitize fuzz-build fuzz bench clean

all: build

deps:
	@tools/install-deps.sh

# Line tables are all that test failures, sanitizer reports and crash backtraces read; full
# debugging information takes a fifth of the compile time (BUILD_TYPE=Debug gives it).
LINE_TABLES_ONLY := -O2 -g1 -DNDEBUG

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$(LINE_TABLES_ONLY)" >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# Every test twice: built by gcc, and by clang under the sanitizers; the short fuzz runs come
# first, so the test summary closes the output.
test: build sanitize-build
	@tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_TEST_SECONDS)
	@$(MAKE) --no-print-directory sanitize-test
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The day-to-day loop: the gcc tree and its tests, without the package build.
check: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE package

# Only the two programs, not the tests and benchmarks.
programs: configure
	@cmake --build $(BUILD) -j $(JOBS) --target tallyrune tallyrune-cli

run: programs
	@$(if $(USER_QPA_PLATFORM),QT_QPA_PLATFORM=$(USER_QPA_PLATFORM),env -u QT_QPA_PLATFORM) \
	    $(BUILD)/tallyrune

# The programs, help page, desktop entry, MIME type, icons and manual page below $(PREFIX);
# DESTDIR stages them elsewhere (make install DESTDIR=/tmp/stage PREFIX=/usr).
install: programs
	@cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the same files below /usr: apt install ./$(BUILD)/package/tallyrune_*.deb
package: programs
	@cd $(BUILD) && cpack -G DEB

# The whole test suite (all but the package build) under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer; any finding fails its test. Leaks inside system libraries that
# never free what they cache are listed in tools/lsan-suppressions.txt.
check-sanitize: sanitize-build
	@$(MAKE) --no-print-directory sanitize-test

sanitize-configure: deps
	@CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$(LINE_TABLES_ONLY)" -DTALLYRUNE_SANITIZE=ON \
	    -DTALLYRUNE_FUZZ=ON >/dev/null

sanitize-build: sanitize-configure
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)

sanitize-test:
	@cd $(SANITIZE_BUILD) && \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan-suppressions.txt:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS) -LE package

fuzz-build: sanitize-configure
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets

fuzz: fuzz-build
	@tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	@bench/run-benchmarks.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
