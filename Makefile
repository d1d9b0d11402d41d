# Z5 - Brelland: the two commands a user needs are `make run` and `make test`.
BUILD      ?= build
JOBS       ?= $(shell nproc)
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
CMAKE_GEN  := -G Ninja
FUZZ_TIME  ?= 20
PREFIX     ?= /usr/local
# Seconds one fuzz input may take before it counts as a hang.
FUZZ_INPUT_TIMEOUT ?= 20
# Fuzz targets run side by side (each for FUZZ_TIME seconds).
FUZZ_JOBS  ?= 1

# Every Debian package the build, the tests, the benchmarks and the fuzzers need
# (locales-all: the comma-decimal locales the number tests run under).
DEB_PACKAGES := cmake ninja-build g++ clang libclang-rt-14-dev make pkg-config \
  qt6-base-dev libgl-dev libfmt-dev libgtest-dev libgmock-dev libbenchmark-dev \
  libgeographiclib-dev nlohmann-json3-dev libgeos-dev libboost-dev fonts-liberation xvfb xauth qt6-qpa-plugins gpsd-clients \
  libpugixml-dev libpng-dev zlib1g-dev libfontconfig-dev gpsbabel python3-gpxpy gpsd desktop-file-utils appstream dpkg-dev file groff-base locales-all poppler-utils

.PHONY: all deps build run test screenshots install package sanitize tsan fuzz bench clean worlddata

all: build

deps:
	@missing=$$(for p in $(DEB_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The window on the sample route; without a display, the sample route's
# report on the terminal and its map as a picture.
run: build
	cd $(BUILD) && if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./z5 README.TXT; else \
	  ./z5 --output --stdout README.TXT && ./z5 --map "$$PWD/README-map.png" README.TXT; fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

# The program, its home directory as shipped, desktop entry, icon, metainfo
# and man page under PREFIX (DESTDIR is honoured too).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the same, in $(BUILD): apt-get install ./$(BUILD)/z5_*.deb
package: build
	cd $(BUILD) && cpack -G DEB

# A picture of every window and dialog, under build/screenshots/.
screenshots: build
	mkdir -p $(BUILD)/screenshots
	cd $(BUILD) && Z5_SCREENSHOTS_DIR=$$PWD/screenshots $(CURDIR)/tests/support/with_xvfb.sh tests/test_ui --gtest_filter='Screenshots*'
	@ls $(BUILD)/screenshots

sanitize: deps
	cmake -S . -B build-sanitize $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DZ5_SANITIZE=address,undefined -DZ5_WITH_BENCH=OFF
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp ctest --output-on-failure -j $(JOBS) --timeout 600

tsan: deps
	cmake -S . -B build-tsan $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DZ5_SANITIZE=thread -DZ5_WITH_BENCH=OFF
	cmake --build build-tsan -j $(JOBS)
	cd build-tsan && TSAN_OPTIONS=suppressions=$(CURDIR)/tests/tsan.supp ctest --output-on-failure -R 'Gps|Serial|Reader' --timeout 600

fuzz: deps
	cmake -S . -B build-fuzz $(CMAKE_GEN) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DZ5_FUZZ=ON -DZ5_WITH_UI=OFF -DZ5_WITH_TESTS=OFF -DZ5_WITH_BENCH=OFF \
	  -DZ5_SANITIZE=address,undefined -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
	cmake --build build-fuzz -j $(JOBS)
	@rm -rf build-fuzz/failed; \
	targets=$$(find build-fuzz/fuzz -maxdepth 1 -name 'fuzz_*' -type f -perm -u+x | sort); \
	[ -n "$$targets" ] || { echo "no fuzz target was built"; exit 1; }; \
	echo "$$targets" | FUZZ_TIME=$(FUZZ_TIME) FUZZ_INPUT_TIMEOUT=$(FUZZ_INPUT_TIMEOUT) \
	  xargs -P $(FUZZ_JOBS) -n 1 fuzz/run_target.sh build-fuzz fuzz/corpus; \
	failed=$$(ls build-fuzz/failed 2>/dev/null | tr '\n' ' '); \
	[ -z "$$failed" ] || { echo "fuzz targets failed: $$failed(their inputs are in build-fuzz/artifacts/)"; exit 1; }

# The start-up benchmark opens the window: it runs under a private Xvfb.
bench: build
	@for b in $(BUILD)/bench/bench_*; do [ -x $$b ] && { echo "== $$b"; \
	  case $$b in *bench_startup) tests/support/with_xvfb.sh $$b ;; *) $$b ;; esac; } ; done

# World data: the line files from the GSHHG shorelines, rivers and borders
# (through gmt, installed here only) at resolution RES = c crude, l low,
# i intermediate (shipped), h high or f full, and port.dat / ocean.dat from
# Natural Earth, written into WORLD_OUT (default data/, the shipped home).
RES           ?= i
WORLD_OUT     ?= data
NATURAL_EARTH ?= tools/naturalearth
GSHHG_PACKAGE  = $(if $(filter h,$(RES)),gmt-gshhg-high,$(if $(filter f,$(RES)),gmt-gshhg-full,gmt-gshhg-low))

worlddata: deps $(BUILD)/build.ninja
	@missing=$$(for p in gmt $(GSHHG_PACKAGE); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi
	@[ -n "$(NATURAL_EARTH)" ] || { echo "Set NATURAL_EARTH to the folder of ne_10m_ports.json"; exit 2; }
	cmake --build $(BUILD) -j $(JOBS) --target make_line_files make_name_files
	mkdir -p $(WORLD_OUT)
	[ -f $(WORLD_OUT)/nav_info.dat ] || cp data/nav_info.dat $(WORLD_OUT)/
	sh tools/build_world_data.sh $(BUILD) $(RES) $(WORLD_OUT) $(NATURAL_EARTH)

clean:
	rm -rf $(BUILD) build-sanitize build-tsan build-fuzz
