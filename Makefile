# Quick start: `make run` plays the game, `make test` runs every test headless and checks the
# Debian package; `make package` builds the package.
BUILD_DIR := build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2
# A compiler cache, where one is installed, makes rebuilds in other folders cheap.
LAUNCHER := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache,)

SANITIZE_DIR := build-sanitizers
BENCH_DIR := build-bench
DEBUG_DIR := build-debug

.PHONY: run test bench build deps deps-packaging package check-package check-sanitizers check-debug fuzz clean

deps:
	bash tools/install-deps.sh

deps-packaging:
	bash tools/install-deps.sh --packaging

# The benchmark programs are compiled with everything else, so a change that breaks them shows
# at once; only `make bench` runs them.
build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DZAMPIROLO_BENCH=ON $(LAUNCHER)
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	./$(BUILD_DIR)/zampirolo2

test: build deps-packaging
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)
	bash tools/packaging/check.sh $(BUILD_DIR)

# The Debian package, build/zampirolo2_<version>_<arch>.deb.
package: build deps-packaging
	cmake --build $(BUILD_DIR) --target package

# Menu entries, AppStream data, the package and what it installs (also run by `make test`).
check-package: build deps-packaging
	bash tools/packaging/check.sh $(BUILD_DIR)

# The whole suite built with AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer.
check-sanitizers: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DZAMPIROLO_SANITIZE=ON $(LAUNCHER)
	cmake --build $(SANITIZE_DIR) -j$(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j$(JOBS)

# The whole suite in a Debug build, where every Q_ASSERT (ours and Qt's inline ones) runs.
check-debug: deps
	cmake -S . -B $(DEBUG_DIR) -DCMAKE_BUILD_TYPE=Debug $(LAUNCHER)
	cmake --build $(DEBUG_DIR) -j$(JOBS)
	cd $(DEBUG_DIR) && ctest --output-on-failure -j$(JOBS)

# Speed and memory against a bare Qt window, in Release in its own folder (not a test).
bench: deps
	bash tools/install-deps.sh --bench
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZAMPIROLO_BENCH=ON
	cmake --build $(BENCH_DIR) -j$(JOBS)
	bash bench/esegui.sh $(BENCH_DIR)

# Fuzzes the word-list reader for FUZZ_SECONDS, then the syllable division for FUZZ_RUNS_SILLABE
# inputs, with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, in its own build folder; the corpus it grows is kept there between
# runs, seeded from the shipped lists. Prints libFuzzer's figures; fails on any finding, which is
# saved as $(FUZZ_DIR)/crash-*. One process on one core: the fuzzer runs in the foreground.
# Qt is built without frame pointers, so recording where each block was allocated unwinds into
# junk, fills AddressSanitizer's stack store and triples the time per input; the run leaves it
# out, and running the saved input again shows the full stacks.
FUZZ_DIR := build-fuzz
FUZZ_SECONDS ?= 180
FUZZ_CORPUS ?= $(FUZZ_DIR)/corpus
# A million inputs to the division take about a quarter of an hour on one core.
FUZZ_RUNS_SILLABE ?= 1000000
FUZZ_CORPUS_SILLABE ?= $(FUZZ_DIR)/corpus-sillabe
fuzz:
	bash tools/install-deps.sh --fuzz
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DZAMPIROLO_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_DIR) --target fuzz_lettorelista fuzz_sillabazione -j$(JOBS)
	mkdir -p $(FUZZ_CORPUS) $(FUZZ_CORPUS_SILLABE)
	ASAN_OPTIONS=$${ASAN_OPTIONS:-malloc_context_size=0} \
		./$(FUZZ_DIR)/tests/fuzz/fuzz_lettorelista -max_total_time=$(FUZZ_SECONDS) \
		-dict=tests/fuzz/lettorelista.dict -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/ \
		$(FUZZ_CORPUS) data/testizampirolo2
	ASAN_OPTIONS=$${ASAN_OPTIONS:-malloc_context_size=0} \
		./$(FUZZ_DIR)/tests/fuzz/fuzz_sillabazione -runs=$(FUZZ_RUNS_SILLABE) -max_len=256 \
		-dict=tests/fuzz/sillabazione.dict -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_DIR)/sillabe- $(FUZZ_CORPUS_SILLABE)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(DEBUG_DIR) $(BENCH_DIR) $(FUZZ_DIR)
