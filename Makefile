# make run   builds the compiler and runs a bundled example on the 6502 simulator
# make test  installs what the tests need, builds with sanitizers, runs every test
# make bench release build, benchmarks against a peer compiler (see bench/)

JOBS ?= $(shell nproc)

.PHONY: all run test build build-test bench clean

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
	tools/quarn-run examples/sieve.c

test:
	tools/install-deps
	$(MAKE) build-test
	tests/run-tests build-test

clean:
	rm -rf build build-test
