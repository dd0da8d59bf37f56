# Tallyrune: `make run` and `make test` do everything on a fresh Debian machine.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)
PREFIX     ?= /usr/local

# The tests draw offscreen; `make run` shows the designer on the user's own display.
USER_QPA_PLATFORM := $(QT_QPA_PLATFORM)
export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps configure build programs test run install package check-sanitize bench clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
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

bench: build
	@bench/run-benchmarks.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize
