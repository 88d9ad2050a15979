# The interface everyone uses: make run, make test (plus deps, build, bench, fuzz).
BUILD_DIR ?= build
# make test's second build: assertions on, AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_BUILD_DIR ?= build-asan
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)

# What building and running the program needs.
PACKAGES := qt6-base-dev cmake g++ make libjpeg62-turbo-dev zlib1g-dev \
            fonts-liberation2 fonts-dejavu-core fonts-wine
# What only the tests use: an X server and its tools, the pictures' and pages' checkers,
# the desktop-file validators, the format check, and ccache for the second build.
TEST_PACKAGES := xvfb xauth xdotool xclip dbus imagemagick libmagickcore-6.q16-6-extra \
                 libwmf-bin chromium-headless-shell desktop-file-utils appstream \
                 shared-mime-info xdg-utils clang-format ccache
# Only make fuzz needs these: clang with its sanitizer and libFuzzer runtimes.
FUZZ_PACKAGES := clang libclang-rt-14-dev

# ccache once it is installed (make test installs it); plain g++ otherwise.
CONFIGURE = cmake -S . $$(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: deps test-deps fuzz-deps program build sanitize-build run test bench fuzz clean

deps test-deps fuzz-deps: WANTED = $(PACKAGES) $(if $(filter test-deps,$@),$(TEST_PACKAGES)) \
                                   $(if $(filter fuzz-deps,$@),$(FUZZ_PACKAGES))
deps test-deps fuzz-deps:
	@missing=""; \
	for p in $(WANTED); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y $$missing; \
	fi

# The program alone, for make run.
program: deps
	$(CONFIGURE) -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS) --target qbkromi

# Everything: the program, the tests and the benchmarks.
build: deps
	$(CONFIGURE) -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The tests again as a Debug build (Qt's assertions on) at -O1 with both sanitizers.
sanitize-build: test-deps
	$(CONFIGURE) -B $(SANITIZE_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-g1 -O1" \
	      -DKROMI_SANITIZE=ON -DKROMI_BENCHMARKS=OFF
	cmake --build $(SANITIZE_BUILD_DIR) -j $(JOBS)

run: program
	./$(BUILD_DIR)/qbkromi

test: test-deps
	tools/check-format
	$(MAKE) build sanitize-build
	tools/run-tests $(BUILD_DIR) $(SANITIZE_BUILD_DIR)

bench: build
	tools/run-benchmarks $(BUILD_DIR)

# Every parser under libFuzzer with AddressSanitizer and UndefinedBehaviorSanitizer,
# FUZZ_SECONDS each; a crash input is kept in fuzz/regressions/ for make test.
fuzz: deps fuzz-deps
	cmake -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKROMI_FUZZ=ON \
	      -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD_DIR) --target kromi_fuzzers -j $(JOBS)
	tools/run-fuzzers $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_BUILD_DIR) $(FUZZ_BUILD_DIR)
