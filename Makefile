# The front door: `make run` builds and starts the panel, `make test` builds
# and runs every test. Both install what they need first.
BUILD ?= build
TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
APP = $(BUILD)/q5_control_panel_artefacts/$(TYPE)/Q5 Control Panel
DEMO = $(BUILD)/q5_demo_artefacts/$(TYPE)/Q5 Control Panel Demo

SAN_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	TSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitizers/tsan.supp:halt_on_error=1:second_deadlock_stack=1
# The threaded tests, also run under ThreadSanitizer.
THREADED = Incoming|HotPlugTorture|ConnectionMonitor|LoginItem|Shell
FUZZ = build-asan/tools/fuzz/q5_fuzz_incoming_artefacts/$(TYPE)/q5_fuzz_incoming

.PHONY: deps configure build run demo test test-plain test-asan test-tsan fuzz-smoke fuzz install package clean

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(TYPE) $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# Without a display, run the panel on a private X server for a few seconds
# and keep a picture of it.
run: build
	@if [ -n "$$DISPLAY" ]; then exec "$(APP)"; \
	else tools/with-display.sh tools/screenshot.sh $(BUILD)/screenshots/panel.png 4 "$(APP)"; fi

demo: build
	@if [ -n "$$DISPLAY" ]; then exec "$(DEMO)"; \
	else tools/with-display.sh tools/screenshot.sh $(BUILD)/screenshots/demo.png 4 "$(DEMO)"; fi

# Tests run one at a time: several of them drive the one X pointer.
# Every test in the normal build, again with Address- and UndefinedBehavior-
# Sanitizer, the threaded ones with ThreadSanitizer, and a short fuzzing run.
test: test-plain test-asan test-tsan fuzz-smoke

test-plain: build
	@tools/with-display.sh ctest --test-dir $(BUILD) --output-on-failure -j1

test-asan: deps
	@CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=$(TYPE) -DQ5_SANITIZE=address,undefined \
		-DQ5_BUILD_BENCHMARKS=OFF >/dev/null
	@cmake --build build-asan -j$(JOBS) --target q5_tests q5_control_panel q5_fuzz_incoming
	@$(SAN_ENV) tools/with-display.sh ctest --test-dir build-asan --output-on-failure -j1

test-tsan: deps
	@CC=clang CXX=clang++ cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=$(TYPE) -DQ5_SANITIZE=thread \
		-DQ5_BUILD_BENCHMARKS=OFF >/dev/null
	@cmake --build build-tsan -j$(JOBS) --target q5_tests
	@$(SAN_ENV) tools/with-display.sh ctest --test-dir build-tsan --output-on-failure -j1 -R '$(THREADED)'

# The incoming path under libFuzzer: a short run in the tests, a long one here.
FUZZ_SECONDS ?= 600
fuzz-smoke: test-asan
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=30

fuzz:
	@mkdir -p build-asan/fuzz-corpus
	@$(SAN_ENV) tools/with-display.sh $(FUZZ) -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 -artifact_prefix=build-asan/ \
		build-asan/fuzz-corpus tools/fuzz/seeds

# The program, its desktop entry, icons and licences under PREFIX (bin/,
# share/applications/, share/icons/hicolor/, share/doc/q5-control-panel/).
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix "$(PREFIX)"

# A Debian package for /usr, left in $(BUILD).
package: build
	@cd $(BUILD) && out=$$(cpack -G DEB 2>&1) || { echo "$$out" >&2; exit 1; }; \
	echo "$$out" | sed -n 's/^CPack: - package: \(.*\) generated\.$$/\1/p'

clean:
	rm -rf $(BUILD) build-asan build-tsan
