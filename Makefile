# Thin convenience layer over CMake. `make run` builds and starts the game, `make test` builds and
# runs every test. Both install the Debian packages they need first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

# Hardening (docs/reliability.md): the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer, the file readers and the dropped-text parser under libFuzzer (clang),
# and the real game under valgrind's memcheck. Each has a build folder of its own.
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
# Any report ends the program with an error, so the test that provoked it fails.
ASAN_CHECKS = detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
SANITIZER_ENV = ASAN_OPTIONS=$(ASAN_CHECKS) UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/hardening/lsan.supp:print_suppressions=0

CTEST_FLAGS = --output-on-failure -j $(JOBS)

.PHONY: all deps configure build run test bench clean sanitize fuzz valgrind translations

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
	@cd $(BUILD) && ctest $(CTEST_FLAGS)
	@$(MAKE) --no-print-directory sanitize
	@$(MAKE) --no-print-directory fuzz
	@$(MAKE) --no-print-directory valgrind

# The sanitizers also watch the build itself: the art program and the test listing run during it.
sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DVANTEL_SANITIZE=ON -DVANTEL_BUILD_BENCHMARKS=OFF \
		$(CMAKE_FLAGS) > /dev/null
	@$(SANITIZER_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest $(CTEST_FLAGS)

fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DVANTEL_FUZZ=ON > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target vantel_fuzzers
	@$(SANITIZER_ENV) ./tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

valgrind: build
	@./tests/hardening/valgrind-round.sh $(BUILD)

bench: build
	@./bench/run.sh $(BUILD)

# Every translation brought up to date with the sources: new texts in, gone texts out.
translations: deps
	@./tools/update-translations.sh

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
