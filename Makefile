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

.PHONY: all deps configure build run test bench fuzz clean

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

bench: build
	@for b in $(BUILD)/bench/bench-*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen ALSOFT_DRIVERS=null $$b; done

clean:
	rm -rf build build-sanitize build-fuzz *.configure.log
