# The two entry points for a newcomer: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build sanitize fuzz package

# The program alone, from the packages building and running it need.
build:
	@bash scripts/install-deps.sh run
	@bash scripts/configure.sh $(BUILD) run $(CMAKE_FLAGS)
	@cmake --build $(BUILD) -j$(JOBS) --target dorvak

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "make run: no display (DISPLAY and WAYLAND_DISPLAY are unset)." >&2; \
	    echo "Run it from a desktop session, or under a virtual one: xvfb-run -a make run" >&2; \
	    exit 1; \
	fi
	@$(BUILD)/app/dorvak

# Everything, with the test tools, warnings as errors; then every test.
test:
	@bash scripts/install-deps.sh test
	@bash scripts/configure.sh $(BUILD) test $(CMAKE_FLAGS)
	@cmake --build $(BUILD) -j$(JOBS)
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# The unit and window tests again under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-sanitize/), and the fuzzers for a bounded time (build-fuzz/, FUZZ_SECONDS each).
sanitize:
	@bash scripts/install-deps.sh test
	@bash scripts/sanitizer-tests.sh

fuzz:
	@bash scripts/install-deps.sh test
	@bash scripts/run-fuzzers.sh

# The Debian package, in $(BUILD)/package/.
package: build
	@cpack --config $(BUILD)/CPackConfig.cmake -B $(BUILD)/package
