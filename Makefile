# The front door: `make run` builds and starts the panel, `make test` builds
# and runs every test. Both install what they need first.
BUILD ?= build
TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
APP = $(BUILD)/q5_control_panel_artefacts/$(TYPE)/Q5 Control Panel
DEMO = $(BUILD)/q5_demo_artefacts/$(TYPE)/Q5 Control Panel Demo

.PHONY: deps configure build run demo test screenshot clean

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

test: build
	@tools/with-display.sh ctest --test-dir $(BUILD) --output-on-failure -j2

clean:
	rm -rf $(BUILD)
