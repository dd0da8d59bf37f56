# Tallyrune: `make run` and `make test` do everything on a fresh Debian machine.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local
# The fuzz targets: their own clang build; `make fuzz` runs each for FUZZ_SECONDS, `make test`
# for FUZZ_TEST_SECONDS.
FUZZ_BUILD        ?= build-fuzz
FUZZ_SECONDS      ?= 60
FUZZ_TEST_SECONDS ?= 4

# The tests draw offscreen; `make run` shows the designer on the user's own display.
USER_QPA_PLATFORM := $(QT_QPA_PLATFORM)
export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps configure build programs test run install package check-sanitize fuzz-build fuzz bench clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The short fuzz runs come first, so the test summary closes the output.
test: build fuzz-build
	@tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_TEST_SECONDS)
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

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

# Engine tests under AddressSanitizer and UndefinedBehaviorSanitizer.
check-sanitize: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	    -DTALLYRUNE_SANITIZE=ON -DTALLYRUNE_ENGINE_ONLY=ON >/dev/null
	@cmake --build $(BUILD)-sanitize -j $(JOBS) --target test_engine
	@cd $(BUILD)-sanitize && ctest --output-on-failure -j $(JOBS) -L engine

fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTALLYRUNE_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: fuzz-build
	@tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	@bench/run-benchmarks.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize $(FUZZ_BUILD)
