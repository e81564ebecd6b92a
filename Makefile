# Sprilo: make run | make test | make bench
# Every target first installs missing Debian packages (scripts/pakete-installieren.sh)
# and configures the build directory.

BUILD_DIR  ?= build
BUILD_TYPE ?= Release
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@bash scripts/pakete-installieren.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD_DIR) -j$(JOBS)

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

run: configure
	cmake --build $(BUILD_DIR) --target sprilo -j$(JOBS)
	@if [ -z "$$DISPLAY" ]; then \
		echo "Hinweis: Es ist keine grafische Anzeige eingestellt (DISPLAY ist leer)."; \
		echo "Sprilo läuft deshalb auf einem unsichtbaren virtuellen Bildschirm (xvfb-run)."; \
		xvfb-run -a $(BUILD_DIR)/sprilo; \
	else \
		$(BUILD_DIR)/sprilo; \
	fi

bench: configure
	cmake --build $(BUILD_DIR) --target sprilo-bench -j$(JOBS)
	$(BUILD_DIR)/sprilo-bench

clean:
	rm -rf $(BUILD_DIR)
