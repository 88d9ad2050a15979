# The interface everyone uses: make run, make test (plus deps, build, bench, fuzz).
BUILD_DIR ?= build
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)

PACKAGES := qt6-base-dev cmake g++ make libjpeg62-turbo-dev zlib1g-dev xvfb xauth \
            fonts-liberation2 fonts-dejavu-core fonts-wine \
            xdotool xclip dbus imagemagick libmagickcore-6.q16-6-extra libwmf-bin \
            chromium-headless-shell desktop-file-utils appstream clang-format
# Only make fuzz needs these: clang with its sanitizer and libFuzzer runtimes.
FUZZ_PACKAGES := clang libclang-rt-14-dev

.PHONY: deps fuzz-deps build run test bench fuzz clean

deps fuzz-deps: WANTED = $(if $(filter fuzz-deps,$@),$(FUZZ_PACKAGES),$(PACKAGES))
deps fuzz-deps:
	@missing=""; \
	for p in $(WANTED); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/qbkromi

test: build
	tools/check-format
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest -LE xvfb -j $(JOBS) --output-on-failure
	tools/ctest-xvfb $(BUILD_DIR)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do \
	  test -f "$$b" && test -x "$$b" || continue; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; \
	done

# Every parser under libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer,
# FUZZ_SECONDS each; a crash input is kept in fuzz/regressions/ for make test.
fuzz: deps fuzz-deps
	cmake -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKROMI_FUZZ=ON \
	      -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD_DIR) --target kromi_fuzzers -j $(JOBS)
	tools/run-fuzzers $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_BUILD_DIR)
