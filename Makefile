# Quick start: `make run` plays, `make test` runs every test headless.
BUILD    ?= build
TYPE     ?= RelWithDebInfo
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?=
ifeq ($(SANITIZE),1)
  BUILD := build-sanitize
  CMAKE_FLAGS += -DQUARRIX_SANITIZE=ON -DQUARRIX_BENCH=OFF
endif
ifeq ($(WERROR),1)
  CMAKE_FLAGS += -DQUARRIX_WERROR=ON
endif

PREFIX   ?= /usr/local

.PHONY: all deps configure build run test bench fuzz faults screenshots install package check-package lint clean

all: build

deps:
	@bash tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(TYPE) $(CMAKE_FLAGS) > $(BUILD).configure.log || (cat $(BUILD).configure.log; exit 1)

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/play && ../app/quarrix-solo

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=20

# The HighScores reader under libFuzzer: a clang build of the records library (QUARRIX_FUZZ),
# run for FUZZ_SECONDS. New inputs go to build-fuzz/corpus; the seeds stay in the repository.
FUZZ_SECONDS ?= 60
FUZZ_DIR     := build-fuzz
FUZZ_SEEDS   := tests/records/fuzz/corpus

fuzz:
	@cmake -S . -B $(FUZZ_DIR) -DQUARRIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Debug \
	  > $(FUZZ_DIR).configure.log || (cat $(FUZZ_DIR).configure.log; exit 1)
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target highscores-fuzz
	@mkdir -p $(FUZZ_DIR)/corpus
	$(FUZZ_DIR)/highscores-fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=16384 -timeout=10 \
	  -dict=tests/records/fuzz/highscores.dict -print_final_stats=1 $(FUZZ_DIR)/corpus $(FUZZ_SEEDS)

# Plants every fault of tests/faults.txt in a scratch copy of the tree and reports which test
# catches it; FAULTS_MATCH=text plants only the lines holding that text; FAULTS_WITHOUT=regex
# leaves the matching tests out, to see whether the others catch those faults too. Slow, so not
# part of CI.
FAULTS_MATCH ?=
FAULTS_WITHOUT ?=
faults: deps
	/usr/bin/python3 tools/faults.py $(if $(FAULTS_MATCH),--match '$(FAULTS_MATCH)') \
	  $(if $(FAULTS_WITHOUT),--without '$(FAULTS_WITHOUT)')

# Pictures of the three windows for the README, taken under Xvfb from the game in $(BUILD).
screenshots: build
	bash tools/screenshots.sh $(BUILD)

bench: build
	@for b in $(BUILD)/bench/bench-*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$b"; \
	  QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null $$b; done

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB

# Builds the package, installs it here, checks the launcher and the desktop files, removes it.
check-package: build
	bash tools/check-package.sh $(BUILD)

clean:
	rm -rf build build-sanitize build-fuzz *.configure.log

# clang-format must leave every tracked C++ file unchanged, and clang-tidy (.clang-tidy) must
# find nothing in the program's own sources.
lint: build
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
	git ls-files 'src/*.cpp' 'app/*.cpp' 'tools/*.cpp' | xargs -P $(JOBS) -n 4 clang-tidy -p $(BUILD) --quiet
