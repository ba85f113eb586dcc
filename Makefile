# Quick start: `make run` plays the game, `make test` runs every test headless.
BUILD_DIR := build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

SANITIZE_DIR := build-sanitizers

.PHONY: run test build deps clean check-sanitizers

deps:
	bash tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	./$(BUILD_DIR)/zampirolo2

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

# The whole suite built with AddressSanitizer (leaks included) and UndefinedBehaviorSanitizer.
check-sanitizers: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DZAMPIROLO_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j$(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
