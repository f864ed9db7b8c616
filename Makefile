# Two commands set everything up on a fresh Debian machine:
#   make run    installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs the whole suite
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps build run test bench package install clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)

run: build
	./$(BUILD)/vojtik-rournik

test: build
	@cd $(BUILD) && ctest --output-on-failure -j2

bench: build
	@cmake --build $(BUILD) --target bench
	@./$(BUILD)/bench/vr-bench

package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
