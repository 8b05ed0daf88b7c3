# make run            builds and starts the trainer on the sample banks
# make test           builds and runs every test
# make test-sanitize  the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# WERROR=ON turns compiler warnings into errors (.ci/run sets it).
# The leak checker leaves out the thread-local storage of libraries loaded at run time: reading it,
# it crashes at the exit of the test programs that show the windows on the sample banks. Left
# out, it can only report more leaks, never fewer.
BUILD ?= build
BUILD_ASAN ?= build-asan
JOBS ?= $(shell nproc)
WERROR ?= OFF

.PHONY: all deps configure build run test test-sanitize clean

all: build

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVIZ_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/kvizomat

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKVIZ_SANITIZE=ON \
	    -DKVIZ_WERROR=$(WERROR)
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ASAN_OPTIONS=intercept_tls_get_addr=0 ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
