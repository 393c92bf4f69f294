# Thin convenience layer over CMake. `make run` builds and starts the game, `make test` builds and
# runs every test. Both install the Debian packages they need first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@./tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/bin/vantel

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@./bench/run.sh $(BUILD)

clean:
	@rm -rf $(BUILD)
