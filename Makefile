# `make run` opens the window; `make test` builds and passes every test. Each installs what the
# machine lacks, then configures and builds first.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
MUTANTS ?= 200
SEED ?= 1

.PHONY: all deps build run test test-sanitize bench fuzz soak mutate package format clean

all: build

# What building and running need; each kind of test, benchmark or fuzz run adds its own tools.
deps:
	@scripts/install-deps run

build/build.ninja: | deps
	cmake --preset dev

# CI builds with warnings as errors (see CMakeLists.txt), also in a build folder configured
# before: it is configured again.
build: deps build/build.ninja
	$(if $(CI),cmake --preset dev)
	cmake --build build -j $(JOBS)

run: build
	./build/curvanta

test: build
	@scripts/install-deps test
	ctest --preset dev -j $(JOBS)

test-sanitize: deps
	@scripts/install-deps fuzz
	cmake --preset sanitize
	cmake --build build-sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --preset sanitize -j $(JOBS)

bench: deps
	@scripts/install-deps bench
	cmake --preset release
	cmake --build build-bench -j $(JOBS)
	bench/run build-bench

fuzz: deps
	@scripts/install-deps fuzz
	cmake --preset fuzz
	cmake --build build-fuzz -j $(JOBS) --target fuzz_strict fuzz_lenient fuzz_catalogue
	scripts/fuzz build-fuzz $(FUZZ_SECONDS)

soak: build
	@scripts/install-deps test
	scripts/soak build/curvanta

# Plants one small fault at a time in the program and runs the tests against each; prints the
# score and every survivor. Too slow for CI: about half a minute per mutant on two cores (200 in
# about 85 minutes). RETEST=1 tests only the last run's unlisted survivors again.
mutate: deps
	@scripts/install-deps test
	MUTANTS=$(MUTANTS) SEED=$(SEED) scripts/mutate

package: build
	@scripts/install-deps test
	cmake --build build --target package

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build build-bench build-sanitize build-fuzz build-mutate
