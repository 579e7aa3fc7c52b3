# The two entry points for a newcomer: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test deps build sanitize fuzz package

deps:
	@bash scripts/install-deps.sh

build: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "make run: no display (DISPLAY and WAYLAND_DISPLAY are unset)." >&2; \
	    echo "Run it from a desktop session, or under a virtual one: xvfb-run -a make run" >&2; \
	    exit 1; \
	fi
	@$(BUILD)/app/dorvak

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# The unit and window tests again under AddressSanitizer and UndefinedBehaviorSanitizer
# (build-sanitize/), and the fuzzers for a bounded time (build-fuzz/, FUZZ_SECONDS each).
sanitize: deps
	@bash scripts/sanitizer-tests.sh

fuzz: deps
	@bash scripts/run-fuzzers.sh

# The Debian package, in $(BUILD)/package/.
package: build
	@cpack --config $(BUILD)/CPackConfig.cmake -B $(BUILD)/package
