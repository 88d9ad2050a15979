# The interface everyone uses: make run, make test (plus deps, build, bench).
BUILD_DIR ?= build
JOBS ?= $(shell nproc)

PACKAGES := qt6-base-dev cmake g++ make libjpeg62-turbo-dev zlib1g-dev xvfb xauth \
            fonts-liberation2 fonts-dejavu-core fonts-wine \
            xdotool xclip imagemagick libmagickcore-6.q16-6-extra libwmf-bin \
            chromium-headless-shell desktop-file-utils appstream clang-format

.PHONY: deps build run test bench clean

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
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

clean:
	rm -rf $(BUILD_DIR)
