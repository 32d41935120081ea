# The two commands a newcomer needs: `make run` and `make test`. Both set up the machine
# first (scripts/bootstrap installs the Debian packages that are missing).
PRESET ?= default
BUILD_DIR := build/$(PRESET)

.PHONY: all bootstrap configure build run test bench screenshots package clean test-sanitize fuzz

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "make run: der er ingen skærm at åbne vinduet på (hverken DISPLAY eller WAYLAND_DISPLAY er sat)."; \
	  echo "          Start programmet fra en skrivebordssession, eller prøv: xvfb-run make run"; \
	  exit 1; \
	fi
	@$(BUILD_DIR)/app/vesparo

# Every test runs offscreen with a configuration folder of its own, never the user's.
test: build
	@tmp=$$(mktemp -d) && trap 'rm -rf "$$tmp"' EXIT && \
	  XDG_CONFIG_HOME="$$tmp" QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET)

bench: build
	@tmp=$$(mktemp -d) && trap 'rm -rf "$$tmp"' EXIT && \
	  for b in $(BUILD_DIR)/bench/vesparo_bench_*; do \
	    [ -x "$$b" ] || continue; echo "== $$(basename $$b)"; \
	    XDG_CONFIG_HOME="$$tmp" QT_QPA_PLATFORM=offscreen "$$b" || exit 1; \
	  done

screenshots: build
	@cmake --build --preset $(PRESET) --target screenshots

# The Debian package, from a hardened release tree of its own without tests or benchmarks:
# build/package/vesparo_<version>_<arch>.deb.
package: bootstrap
	@cmake --preset package >/dev/null
	@cmake --build --preset package
	@cd build/package && cpack -G DEB
	@ls -l build/package/vesparo_*.deb

# The program and its tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# (build/sanitize); any report fails the run. The Wine test is left out: its program is a
# MinGW build that the sanitizers cannot instrument.
test-sanitize: bootstrap
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@tmp=$$(mktemp -d) && trap 'rm -rf "$$tmp"' EXIT && \
	  XDG_CONFIG_HOME="$$tmp" QT_QPA_PLATFORM=offscreen ctest --preset sanitize

# Every libFuzzer target (build/fuzz) for FUZZ_SECONDS each, from the corpora in fuzz/corpus.
FUZZ_SECONDS ?= 20
fuzz: bootstrap
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@fuzz/run_fuzzers build/fuzz/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
