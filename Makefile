# The two commands of the README, and the steps they chain. Each step only
# drives CMake; anyone can run those steps by hand.
BUILD_DIR ?= $(CURDIR)/build
NATIVE := $(BUILD_DIR)/native
WIN := $(BUILD_DIR)/win
JOBS ?= $(shell nproc)
export BUILD_DIR

.PHONY: all deps build native win prefix test test-native test-win test-fuzz demo dist bench fuzz clean

all: build

deps:
	@./scripts/install-deps.sh

native: deps
	cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build $(NATIVE) -j $(JOBS)

win: deps
	cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-i686.cmake >/dev/null
	cmake --build $(WIN) -j $(JOBS)

build: native win

prefix: deps
	@./scripts/wine-prefix.sh

test-native: native
	ctest --test-dir $(NATIVE) --output-on-failure

test-win: win prefix
	./scripts/with-display.sh ctest --test-dir $(WIN) --output-on-failure --timeout 1200

# Short bounded fuzz runs; `make fuzz` runs them long.
test-fuzz: deps
	./scripts/fuzz.sh short

test: test-native test-win test-fuzz dist

fuzz: deps
	./scripts/fuzz.sh long

# The shippable folder: the installer with tablora_file/ beside it.
dist: win
	./scripts/dist.sh

bench: win prefix
	./scripts/bench.sh

demo: win prefix
	./scripts/demo.sh

clean:
	rm -rf $(BUILD_DIR)
