# Two commands set everything up on a fresh Debian machine:
#   make run    installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs the whole suite
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps test-deps configure build run test test-asan bench package reproducible install screenshots pictures clean

all: build

# What building and running the game needs; the tests need more.
deps:
	@scripts/install-deps
test-deps:
	@scripts/install-deps test

configure:
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

# The game alone: no test is built before the first window.
run: deps configure
	@cmake --build $(BUILD) --target vojtik-rournik
	./$(BUILD)/vojtik-rournik

# Everything, tests included, with warnings taken as errors.
build: test-deps
	@cmake -S . -B $(BUILD) -G Ninja -DVR_WERROR=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j2
	@$(MAKE) --no-print-directory test-asan

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# (the real-window tests excepted: they run in the plain build above).
test-asan: test-deps
	@cmake -S . -B $(BUILD)-asan -G Ninja -DVR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" >/dev/null
	@cmake --build $(BUILD)-asan
	@cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j2 -LE 'realwindow|style|package'

# The benchmarks and their table (about 5 minutes; QUICK=1: about 1).
bench: build
	@cmake --build $(BUILD) --target bench
	@bench/run $(if $(QUICK),--quick) $(BUILD)

# The pictures of the game in docs/, drawn offscreen with a fixed chance;
# the menu and a level-1 board also at twice the density.
screenshots: build
	@cmake --build $(BUILD) --target vr-screenshots
	@./$(BUILD)/vr-screenshots docs
	@QT_SCALE_FACTOR=2 ./$(BUILD)/vr-screenshots docs menu level-1

# Draws every picture of the game anew into assets/pictures (tools/gen_assets.cpp).
pictures: test-deps configure
	@cmake --build $(BUILD) --target gen-assets
	@./$(BUILD)/gen-assets assets/pictures

# The Debian package, made as Debian makes its own: every time in it is the
# last commit's, and whatever the umask, all can read what it installs.
package: build
	@cd $(BUILD) && umask 022 && \
		SOURCE_DATE_EPOCH=$${SOURCE_DATE_EPOCH:-$$(git log -1 --format=%ct 2>/dev/null || date +%s)} cpack -G DEB

# Builds the package twice from the last commit, in two folders at two
# times, and checks that both are byte for byte the same (a few minutes).
reproducible: test-deps
	@scripts/check-reproducible

# PREFIX=/usr/local by default; DESTDIR is honoured. The game goes to
# $(PREFIX)/games, stripped.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX) --strip

clean:
	rm -rf $(BUILD)
