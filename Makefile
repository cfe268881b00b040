# Velmora's commands. `make run` builds and starts the game; `make test` builds
# everything and runs every test (the format check among them). Both first
# install what the machine lacks: `make run` only what the game needs. `sudo make install` installs the game
# (PREFIX=dir for another prefix than /usr/local, DESTDIR as usual); `make
# package` makes build/velmora_*.deb.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
JOBS ?= 2
FUZZ_SECONDS ?= 60
# Matches per node count of `make stats`: 600 keep the 95 % interval of a win
# rate near 50 % within about 4 points and the whole run within a few minutes.
STATS_MATCHES ?= 600
# How long make monkey plays (MONKEY_SEED=S replays a run's moves), and what
# make soak plays.
MONKEY_SECONDS ?= 120
SOAK_SECONDS ?= 300
SOAK_NODES ?= 120

# A folder is configured once, for Ninja (whose check of a built tree takes a
# tenth of a second); a folder configured before with another generator keeps it.
configure = cmake -S . -B $(1) $(if $(wildcard $(1)/CMakeCache.txt),,-G Ninja) \
	-DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps deps-game deps-demo build build-game test run demo install package bench \
	bench-game stats fuzz monkey soak format clean

deps:
	@./scripts/install-deps.sh all

deps-game:
	@./scripts/install-deps.sh game

deps-demo:
	@./scripts/install-deps.sh demo

build: deps
	$(call configure,$(BUILD))
	cmake --build $(BUILD) -j $(JOBS)

# The game and its data alone. The build folder is configured once; after
# that the build itself notices a changed CMakeLists.txt.
build-game: deps-game
	@[ -f $(BUILD)/CMakeCache.txt ] || $(call configure,$(BUILD))
	@cmake --build $(BUILD) -j $(JOBS) --target velmora_game

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The game in the build folder, where its pictures and font are made: full
# screen, or a window where the display has no mode for it; with no display,
# the demo instead.
run: build-game
	@scripts/run-game.sh $(BUILD)

# The game recorded on a private X server: build/demo/velmora-demo.mp4, a GIF
# and a contact sheet.
demo: build-game deps-demo
	@scripts/demo.sh $(BUILD)

install: build
	cmake --install $(BUILD) --strip $(if $(PREFIX),--prefix $(PREFIX))

package: build
	cmake --build $(BUILD) --target package

# Matches per second and peak memory of the headless simulator, one line per
# board size; the raw output lands in $(BUILD)/bench.
bench: build
	@scripts/bench.sh $(BUILD) $(BUILD)/bench 120:1000 510:100

# Frames per second and CPU use of the real game on a private X server.
bench-game: build-game deps-demo
	cmake --build $(BUILD) -j $(JOBS) --target velmora_frame_probe
	scripts/bench-game.sh $(BUILD)

# Balance statistics from seeded matches at every node count: the rows, the
# summary tables and the plots land in $(BUILD)/stats.
stats: build
	scripts/stats.sh $(BUILD) $(STATS_MATCHES)

# Each libFuzzer target for FUZZ_SECONDS under AddressSanitizer.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DVELMORA_FUZZ=ON -DVELMORA_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target velmora_fuzzers
	@set -e; for f in $(FUZZ_BUILD)/fuzz/fuzz_*; do \
	  echo "== $$f for $(FUZZ_SECONDS) s"; \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$(basename $$f); \
	  $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ_BUILD)/corpus/$$(basename $$f); \
	done

# The game under AddressSanitizer and UBSan on a private Xorg, played by
# seeded random real keys and mouse for MONKEY_SECONDS.
monkey: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || $(call configure,$(BUILD))
	cmake --build $(BUILD) -j $(JOBS) --target velmora_monkey
	MONKEY_SECONDS=$(MONKEY_SECONDS) MONKEY_SEED=$(MONKEY_SEED) $(BUILD)/tests/monkey/velmora_monkey

# The game's memory against matches played: F1 every 0.3 s for SOAK_SECONDS
# at SOAK_NODES nodes, and the growth in kB per match.
soak: build-game deps-demo
	SOAK_SECONDS=$(SOAK_SECONDS) SOAK_NODES=$(SOAK_NODES) scripts/soak.sh $(BUILD)

# Formats the C++ sources as .clang-format says. The test that checks it
# covers the folders named in tests/CMakeLists.txt.
FORMAT_DIRS = src tools tests
format: deps
	scripts/format.sh fix $(FORMAT_DIRS)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
