# Tallyrune: `make run` and `make test` do everything on a fresh Debian machine.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS       ?= $(shell nproc)
SAMPLE     ?= $(BUILD)/sample.png

export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps configure build test run check-sanitize bench clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

run: build
	@$(BUILD)/tallyrune-cli export --type "Code 128" --text "Tallyrune 2026" -o $(SAMPLE)
	@echo "Wrote a sample barcode to $(abspath $(SAMPLE))"

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
