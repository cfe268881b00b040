# Velmora's commands. `make run` builds and starts the game; `make test` builds
# everything and runs every test (the format check among them). Both first
# install what the machine lacks.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
JOBS ?= 2
FUZZ_SECONDS ?= 60

.PHONY: deps build test run bench bench-game fuzz format clean

deps:
	@./scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The game reads its pictures and font from the folder it starts in: the
# build folder, where the build makes them.
run: build
	cd $(BUILD) && ./velmora

# Matches per second and peak memory of the headless simulator.
bench: build
	/usr/bin/time -v $(BUILD)/velmora-sim --nodes 120 --matches 1000 --seed 1
	/usr/bin/time -v $(BUILD)/velmora-sim --nodes 510 --matches 100 --seed 1

# Frames per second and CPU use of the real game on a private X server.
bench-game: build
	scripts/bench-game.sh $(BUILD)

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

# Formats the C++ sources as .clang-format says. The test that checks it
# covers the folders named in tests/CMakeLists.txt.
FORMAT_DIRS = src tools tests
format: deps
	scripts/format.sh fix $(FORMAT_DIRS)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
