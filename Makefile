# make run  - install what is missing, build, build the default texts, open the reader
# make test - the same set-up, then the whole test suite
# make test-sanitize - the test suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# make fuzz - each fuzz target for FUZZ_SECONDS seconds (clang, libFuzzer)
# make install PREFIX=/usr/local [DESTDIR=...] - the program folder into PREFIX/lib/vidoslov,
#   its links into PREFIX/bin, the menu entry, the icon and the manual pages into PREFIX/share
# make package - the Debian package build/vidoslov_<version>_<arch>.deb, default texts inside
BUILD ?= build
BIN := $(BUILD)/bin
JOBS ?= $(shell nproc)

.PHONY: all setup configure build texts run test bench clean test-sanitize fuzz install package

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

BENCH_BIN := $(BUILD)/bench-bin

bench: texts
	$(BENCH_BIN)/vidoslov-bench
	$(BENCH_BIN)/vidoslov-results-bench
	$(BENCH_BIN)/vidoslov-marks-bench
	$(BENCH_BIN)/vidoslov-bench-layout
	$(BENCH_BIN)/vidoslov-bench-jet
	$(BENCH_BIN)/vidoslov-bench-reminders
	$(BENCH_BIN)/vidoslov-bench-numbering
	$(BENCH_BIN)/vidoslov-bench-session
	@if [ -x $(BENCH_BIN)/vidoslov-bench-import ]; then $(BENCH_BIN)/vidoslov-bench-import; fi

PREFIX ?= /usr/local

install: texts
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX) --strip

package: texts
	@cd $(BUILD) && cpack

SANITIZE_BUILD ?= build-san
# Any sanitizer report ends the test program with an error.
SANITIZE_ENV := ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test-sanitize: setup
	@test -f $(SANITIZE_BUILD)/CMakeCache.txt || cmake -S . -B $(SANITIZE_BUILD) \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIDOSLOV_SANITIZE=ON
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS) --target vidoslov_tests
	@cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j$(JOBS)

FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

fuzz: setup
	@test -f $(FUZZ_BUILD)/CMakeCache.txt || CXX=clang++ cmake -S . -B $(FUZZ_BUILD) \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIDOSLOV_FUZZ=ON
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzz_targets
	@bash fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
