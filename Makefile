# The two commands that matter: `make run` and `make test`.
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
TEST_DIR  := build/test
RUN_DIR   := build/release
BENCH_DIR := build/bench
FUZZ_DIR  := build/fuzz
FUZZ_SECONDS ?= 60
RUN_ARGS ?=

.PHONY: all bootstrap run test install package bench fuzz format format-check tidy clean

all: test

bootstrap:
	@scripts/bootstrap

$(TEST_DIR)/CMakeCache.txt: | bootstrap
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DTARN_SANITIZE=ON -DTARN_TESTS=ON

$(RUN_DIR)/CMakeCache.txt: | bootstrap
	cmake -S . -B $(RUN_DIR) -DCMAKE_BUILD_TYPE=Release -DTARN_TESTS=OFF

$(BENCH_DIR)/CMakeCache.txt: | bootstrap
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTARN_TESTS=OFF -DTARN_BENCH=ON

$(FUZZ_DIR)/CMakeCache.txt: | bootstrap
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARN_TESTS=OFF -DTARN_GUI=OFF \
	    -DTARN_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++

run: bootstrap $(RUN_DIR)/CMakeCache.txt
	cmake --build $(RUN_DIR) -j $(JOBS)
	scripts/run-game $(RUN_DIR)/program $(RUN_ARGS)

test: bootstrap $(TEST_DIR)/CMakeCache.txt
	cmake --build $(TEST_DIR) -j $(JOBS)
	cd $(TEST_DIR) && ctest --output-on-failure -j $(JOBS)

# The optimised build installed below PREFIX (DESTDIR is honoured), or made into a Debian
# package in $(RUN_DIR).
install: bootstrap $(RUN_DIR)/CMakeCache.txt
	cmake --build $(RUN_DIR) -j $(JOBS)
	cmake --install $(RUN_DIR) --prefix $(PREFIX)

package: bootstrap $(RUN_DIR)/CMakeCache.txt
	cmake --build $(RUN_DIR) -j $(JOBS)
	cd $(RUN_DIR) && cpack -G DEB

bench: bootstrap $(BENCH_DIR)/CMakeCache.txt
	cmake --build $(BENCH_DIR) -j $(JOBS)
	scripts/run-benchmarks $(BENCH_DIR)

fuzz: bootstrap $(FUZZ_DIR)/CMakeCache.txt
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	scripts/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# clang-tidy with the checks of .clang-tidy over every source of the test build (and the
# project's headers they include); any finding fails.
tidy: bootstrap $(TEST_DIR)/CMakeCache.txt
	run-clang-tidy -p $(TEST_DIR) -j $(JOBS) -quiet -header-filter='^$(CURDIR)/' \
	    -extra-arg=-Wno-unknown-warning-option \
	    '^$(CURDIR)/(support|settings|game|editor|assets|tools|tests|fuzz)/'

clean:
	rm -rf build
