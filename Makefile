# Quick start: `make run` plays the game, `make test` runs every test headless and checks the
# Debian package; `make package` builds the package.
BUILD_DIR := build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

SANITIZE_DIR := build-sanitizers
BENCH_DIR := build-bench

.PHONY: run test bench build deps deps-packaging package check-package check-sanitizers clean

deps:
	bash tools/install-deps.sh

deps-packaging:
	bash tools/install-deps.sh --packaging

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
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
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DZAMPIROLO_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j$(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j$(JOBS)

# Speed and memory against a bare Qt window, in Release in its own folder (not a test).
bench: deps
	bash tools/install-deps.sh --bench
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZAMPIROLO_BENCH=ON
	cmake --build $(BENCH_DIR) -j$(JOBS)
	bash bench/esegui.sh $(BENCH_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(BENCH_DIR)
