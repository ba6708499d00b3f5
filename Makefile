# The two commands of a fresh Debian 12 machine: `make run` and `make test`.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench test-asan fuzz clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# Without a display the desktop program cannot open its window: run the headless demo instead.
run: build
	@if [ -x $(BUILD)/src/gui/vardelin ] && [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD)/src/gui/vardelin; \
	else [ -x $(BUILD)/src/gui/vardelin ] && echo "No display (DISPLAY is not set): running the headless demo instead."; \
	$(BUILD)/src/cli/vardelin-cli examples/demo.txt; fi

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) --timeout 600
	@bash scripts/line_counts.sh

bench: build
	@bash scripts/bench.sh $(BUILD)

# One clang build with AddressSanitizer, UndefinedBehaviorSanitizer and fuzzing coverage serves both
# the sanitized test suite and `make fuzz`.
SANITIZE_CONFIG = CC=clang CXX=clang++ cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug \
	-DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DVD_FUZZ=ON -DVD_WERROR=OFF >/dev/null

test-asan: deps
	@$(SANITIZE_CONFIG)
	@cmake --build $(BUILD)-asan -j$(JOBS)
	@cd $(BUILD)-asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j$(JOBS) --timeout 900

clean:
	rm -rf $(BUILD) $(BUILD)-asan

fuzz: deps
	@$(SANITIZE_CONFIG)
	@bash scripts/fuzz.sh $(BUILD)-asan $(FUZZ_SECONDS)
