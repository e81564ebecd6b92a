# Sprilo: make run | make test | make bench
# Every target first installs missing Debian packages (scripts/pakete-installieren.sh)
# and configures the build directory.

BUILD_DIR  ?= build
BUILD_TYPE ?= Release
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

PREFIX     ?= /usr/local

FUZZ_DIR     ?= build-fuzz
FUZZ_SEKUNDEN ?= 60

.PHONY: all deps configure build run test bench fuzz install clean

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
	cmake --build $(BUILD_DIR) --target sprilo-bench sprilo-bench-fenster sprilo-bench-druck -j$(JOBS)
	$(BUILD_DIR)/sprilo-bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/sprilo-bench-fenster
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/sprilo-bench-druck

# Each reader for FUZZ_SEKUNDEN seconds under libFuzzer with the address and
# undefined-behaviour sanitizers; the fixtures are the seeds, new finds go
# to $(FUZZ_DIR)/korpus-*.
fuzz:
	@bash scripts/pakete-installieren.sh clang libclang-rt-14-dev
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DSPRILO_FUZZ=ON -DSPRILO_GUI=OFF
	cmake --build $(FUZZ_DIR) --target sprilo-fuzz-laden sprilo-fuzz-konfig -j$(JOBS)
	mkdir -p $(FUZZ_DIR)/korpus-laden $(FUZZ_DIR)/korpus-konfig $(FUZZ_DIR)/saat-laden $(FUZZ_DIR)/saat-konfig
	cp tests/fixtures/*/*.SPR $(FUZZ_DIR)/saat-laden/
	for f in tests/fixtures/*/SPRILO*.INI; do cp "$$f" "$(FUZZ_DIR)/saat-konfig/$$(echo "$$f" | tr / _)"; done
	cd $(FUZZ_DIR) && tests/sprilo-fuzz-laden -max_total_time=$(FUZZ_SEKUNDEN) -max_len=4096 korpus-laden saat-laden
	cd $(FUZZ_DIR) && tests/sprilo-fuzz-konfig -max_total_time=$(FUZZ_SEKUNDEN) -max_len=4096 korpus-konfig saat-konfig

# Program, help, desktop entry, icon and file type under PREFIX (DESTDIR
# for packaging). The desktop's caches are refreshed where the tools exist.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"
	@if [ -z "$(DESTDIR)" ]; then \
		! command -v update-mime-database >/dev/null || update-mime-database "$(PREFIX)/share/mime" || true; \
		! command -v update-desktop-database >/dev/null || update-desktop-database -q "$(PREFIX)/share/applications" || true; \
		! command -v gtk-update-icon-cache >/dev/null || gtk-update-icon-cache -q -f -t "$(PREFIX)/share/icons/hicolor" || true; \
	fi

clean:
	rm -rf $(BUILD_DIR)
