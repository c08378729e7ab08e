# zolt: `make run` runs a demo, `make test` runs the tests. Each first installs the
# Debian packages that are missing (as root), configures and builds.
BUILD ?= build
DEMO ?= zones_demo
TICKS ?= 1250
SANITIZE ?= 0
JOBS ?= $(shell nproc)

PACKAGES := cmake g++ make pkg-config libsdl2-dev libstb-dev libgtest-dev libbenchmark-dev \
            libfreetype-dev fonts-dejavu-core xvfb xdotool imagemagick libx11-dev clang

CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(SANITIZE),1)
CMAKE_FLAGS += -DZOLT_SANITIZE=ON -DZOLT_BENCH=OFF
endif

.PHONY: all deps build test run captures install clean

all: build

# Installs only what is missing, so with everything present this takes a moment.
deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "installing:" $$missing; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null; \
	  else \
	    echo "missing Debian packages (run as root to install them):" $$missing; exit 1; \
	  fi; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

# With sanitizers, leaks that system libraries keep for the process's life are
# not reported as ours.
test: build
	cd $(BUILD) && LSAN_OPTIONS=suppressions=$(abspath tests/lsan-suppressions.txt):print_suppressions=0 \
	  ctest --output-on-failure -j$(JOBS) --timeout 300

# With a display the demo opens its window; without one it runs headless on a
# fixed clock of 16 ms a tick for $(TICKS) ticks (about 20 s), with the scripted
# input of demos/$(DEMO)/headless-input.txt when there is one, and leaves its
# last frame and its sound in $(BUILD)/capture/$(DEMO). A demo runs in its data
# folder, $(BUILD)/demos/$(DEMO).
run: build
	@bin=$(abspath $(BUILD))/bin/$(DEMO); data=$(BUILD)/demos/$(DEMO); \
	if [ ! -x $$bin ]; then echo "no demo $(DEMO); the demos are:" $$(ls demos); exit 1; fi; \
	if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  cd $$data && $$bin; \
	else \
	  out=$(abspath $(BUILD))/capture/$(DEMO); rm -rf $$out; mkdir -p $$out; \
	  script=$(abspath demos/$(DEMO))/headless-input.txt; \
	  [ -f $$script ] && export ZOLT_INPUT=$$script; \
	  echo "no display: running $(DEMO) headless for $(TICKS) ticks of 16 ms"; \
	  cd $$data && ZOLT_VIDEO=headless ZOLT_CLOCK=fixed:16 ZOLT_FRAMES=$(TICKS) \
	    ZOLT_CAPTURE=$$out ZOLT_AUDIO=wav:$$out/sound.wav $$bin; \
	  echo "frame and sound written to $$out (sound.wav)"; \
	fi

# Refreshes the pictures of the demos that README.md shows: each demo runs
# headless as `make run` runs it, and its last frame goes to docs/captures.
DEMOS := $(notdir $(patsubst %/CMakeLists.txt,%,$(wildcard demos/*/CMakeLists.txt)))
captures: build
	@mkdir -p docs/captures
	@for demo in $(DEMOS); do \
	  $(MAKE) --no-print-directory run DEMO=$$demo DISPLAY= WAYLAND_DISPLAY= >/dev/null || exit 1; \
	  frame=$$(ls $(BUILD)/capture/$$demo/frame-*.png 2>/dev/null | tail -n 1); \
	  if [ -z "$$frame" ]; then echo "$$demo: no frame (its window has no client area)"; continue; fi; \
	  cp $$frame docs/captures/$$demo.png; echo "docs/captures/$$demo.png"; \
	done

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)
