# Two commands set everything up on a fresh Debian machine:
#   make run    installs what is missing, builds and starts the game
#   make test   installs what is missing, builds and runs the whole suite
BUILD ?= build
# The game as a packager builds it (make package, make install): no tests,
# and no warning taken as an error, so that a warning that a newer compiler
# adds cannot stop a packager.
RELEASE_BUILD ?= $(BUILD)-release
CMAKE_FLAGS ?=
# Ninja runs as many jobs as the machine has cores; so do the tests.
JOBS ?= $(shell nproc)

.PHONY: all deps package-deps test-deps configure build release run test test-asan fuzz-build fuzz-smoke fuzz bench package reproducible install screenshots pictures clean

all: build

# What building and running the game needs; packing it and the tests need more.
deps:
	@scripts/install-deps
package-deps:
	@scripts/install-deps package
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
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory test-asan
	@$(MAKE) --no-print-directory fuzz-smoke

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# (the real-window tests excepted: they run in the plain build above).
test-asan: test-deps
	@cmake -S . -B $(BUILD)-asan -G Ninja -DVR_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" >/dev/null
	@cmake --build $(BUILD)-asan
	@cd $(BUILD)-asan && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j$(JOBS) -LE 'realwindow|style|package'

# Everything `make test` builds in its first step, built by clang with
# warnings taken as errors, and its suite run, but the style check (it reads
# the sources, whichever compiler builds them).
.PHONY: test-clang test-debian12 test-debian13
CLANG_BUILD = $(BUILD)-clang
test-clang: test-deps
	@CXX=clang++ cmake -S . -B $(CLANG_BUILD) -G Ninja -DVR_WERROR=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(CLANG_BUILD)
	@cd $(CLANG_BUILD) && ctest --output-on-failure -j$(JOBS) -LE style

# `make test` as a new user runs it: in a fresh minimal Debian 13 (or 12)
# with only git and make, on the last commit (root; 43 minutes on 2 busy cores).
test-debian13:
	@scripts/test-in-debian trixie
test-debian12:
	@scripts/test-in-debian bookworm

# The game played by clang's libFuzzer, on the same sanitizers: twenty seconds
# and the corpus in `make test`; FUZZ_SECONDS (600) from the corpus in
# `make fuzz`, which tells the runs, the coverage, how deep the games went and
# what was found (in build-fuzz/findings).
FUZZ_BUILD = $(BUILD)-fuzz
FUZZ_SECONDS ?= 600
fuzz-build: test-deps
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DVR_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) --target vr-fuzz vr-fuzz-replay

fuzz-smoke: fuzz-build
	@cd $(FUZZ_BUILD) && ctest --output-on-failure -L fuzz

fuzz: fuzz-build
	@cd $(FUZZ_BUILD) && rm -rf corpus findings && mkdir findings && cp -r $(CURDIR)/tests/fuzz/corpus corpus
	@echo "fuzzing for $(FUZZ_SECONDS) s (log: $(FUZZ_BUILD)/fuzz.log)"
	@cd $(FUZZ_BUILD) && status=0; tests/fuzz/vr-fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
		-print_final_stats=1 -artifact_prefix=findings/ corpus >fuzz.log 2>&1 || status=$$?; \
	awk '/cov: .*ft:/ { for (i = 1; i < NF; ++i) { if ($$i == "cov:") c = $$(i + 1); if ($$i == "ft:") f = $$(i + 1) } } \
		/number_of_executed_units/ { n = $$2 } /average_exec_per_sec/ { r = $$2 } \
		END { printf "%s runs, %s runs/s; coverage: %s edges, %s features\n", n, r, c, f }' fuzz.log; \
	tests/fuzz/vr-fuzz-replay corpus; \
	if [ -n "$$(ls findings)" ]; then grep -A30 -m1 -E 'broken rule|ERROR|runtime error' fuzz.log; \
		echo "findings: $$(ls findings | tr '\n' ' ')"; else echo "no findings"; fi; exit $$status

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

# The game alone, its manual page and changelog, as the package and the
# installation need them.
release:
	@cmake -S . -B $(RELEASE_BUILD) -G Ninja -DVR_WERROR=OFF -DBUILD_TESTING=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(RELEASE_BUILD)

# The Debian package (in $(RELEASE_BUILD)), made as Debian makes its own:
# every time in it is the last commit's, and whatever the umask, all can read
# what it installs.
package: package-deps release
	@cd $(RELEASE_BUILD) && umask 022 && \
		SOURCE_DATE_EPOCH=$${SOURCE_DATE_EPOCH:-$$(git log -1 --format=%ct 2>/dev/null || date +%s)} cpack -G DEB

# Builds the package twice from the last commit, in two folders at two
# times, and checks that both are byte for byte the same (a few minutes).
reproducible: test-deps
	@scripts/check-reproducible

# PREFIX=/usr/local by default; DESTDIR is honoured. The game goes to
# $(PREFIX)/games, stripped.
PREFIX ?= /usr/local
install: deps release
	@cmake --install $(RELEASE_BUILD) --prefix $(PREFIX) --strip

clean:
	rm -rf $(BUILD) $(RELEASE_BUILD)
