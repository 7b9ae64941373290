# make run   builds the compiler and runs a bundled example on the 6502 simulator
# make test  installs what the tests need, builds with sanitizers, runs every test
# make install PREFIX=DIR  installs the programs, runtime and manual pages (/usr/local)
# make package  builds the Debian package build/quarn_VERSION_ARCH.deb
# make bench release build, benchmarks against a peer compiler (see bench/)
# make difftest  random programs compiled by Quarn in every mode and by cc65,
#                run on sim65 and compared (DIFF_COUNT programs from SEED on)
# make difftest-opt  random programs in every mode, as compiled and as
#                quarn-opt optimizes them (DIFF_SIZE small for a quick slice)
# make fuzz  fuzzes the compiler with AFL++ for FUZZ_SECONDS (see tools/fuzz/fuzz);
#                FUZZ_TARGET=quarn-opt fuzzes the optimizer instead

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600
PREFIX ?= /usr/local

.PHONY: all run test build build-test bench fuzz difftest difftest-opt install package clean

all: build

build:
	cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build build -j $(JOBS)

build-test:
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DQUARN_SANITIZE=ON -DQUARN_UNIT_TESTS=ON >/dev/null
	cmake --build build-test -j $(JOBS)

run:
	tools/install-deps
	$(MAKE) build
	build/quarn-cc --run examples/sieve.c
	build/quarn-cc --run --opt -O examples/sieve.c

install: build
	cmake --install build --prefix $(PREFIX)

package: build
	cd build && cpack

test:
	tools/install-deps
	$(MAKE) build-test
	tests/run-tests build-test

FUZZ_TARGET ?= quarn

fuzz:
	FUZZ_TARGET=$(FUZZ_TARGET) tools/fuzz/fuzz $(FUZZ_SECONDS)

# Prints the tables of bench/README.md measured anew (also written to
# build/bench/results.md); about a minute and a half.
bench:
	tools/install-deps valgrind
	$(MAKE) build
	python3 bench/run.py --build build

DIFF_COUNT ?= 200
DIFF_SIZE ?= normal
SEED ?= 1

difftest:
	tools/install-deps
	$(MAKE) build-test
	tools/difftest/difftest --build build-test --count $(DIFF_COUNT) --seed $(SEED)

difftest-opt:
	tools/install-deps
	$(MAKE) build-test
	tools/difftest/difftest --opt --build build-test --count $(DIFF_COUNT) --seed $(SEED) --size $(DIFF_SIZE)

clean:
	rm -rf build build-test build-fuzz
