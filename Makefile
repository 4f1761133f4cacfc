# make run  - install what is missing, build, build the default texts, open the reader
# make test - the same set-up, then the whole test suite
BUILD ?= build
BIN := $(BUILD)/bin
JOBS ?= $(shell nproc)

.PHONY: all setup configure build texts run test bench clean

all: texts

setup:
	@bash tools/setup.sh

configure: setup
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

texts: build
	@bash tools/build-texts.sh $(BIN)

run: texts
	$(BIN)/vidoslov

test: texts
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: texts
	$(BIN)/vidoslov-bench
	$(BIN)/vidoslov-results-bench

clean:
	rm -rf $(BUILD)
