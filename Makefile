# Quick start: `make run` plays the game, `make test` runs every test headless.
BUILD_DIR := build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= 2

.PHONY: run test build deps clean

deps:
	bash tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	./$(BUILD_DIR)/zampirolo2

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD_DIR)
