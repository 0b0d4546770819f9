# The two entry points: `make run` and `make test`. Both install what is
# missing from Debian's packages, then configure and build.

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)
# Set SANITIZE=0 to skip the AddressSanitizer + UndefinedBehaviorSanitizer pass.
SANITIZE ?= 1

.PHONY: run demo test package fuzz deps build build-sanitize

# What scripts/install-deps.sh installs first: what building and running need,
# plus the test tools for the tests and the package, or clang for fuzzing.
DEPS = run
test package: DEPS = test
fuzz: DEPS = fuzz

run: build
	./$(BUILD_DIR)/quillomat

# Quillomat with a virtual pad that moves by itself: no controller needed.
demo: build
	./$(BUILD_DIR)/quillomat-demo

# Most tests of the real program wait on it, its desktop or its demo pad: one
# test more than there are cores keeps the cores busy.
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$$(( $(JOBS) + 1 ))
ifeq ($(SANITIZE),1)
	$(MAKE) build-sanitize
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j$(JOBS) -LE nosanitize
endif

# The Debian package, build/quillomat_<version>-1_<arch>.deb, made by CPack.
package: build
	cd $(BUILD_DIR) && cpack

# libFuzzer runs of the HTTP client (clang, built apart into build-fuzz/).
FUZZ_SECONDS ?= 60
fuzz: deps
	./fuzz/run.sh $(FUZZ_SECONDS)

deps:
	./scripts/install-deps.sh $(DEPS)

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLOMAT_WERROR=ON
	cmake --build $(BUILD_DIR) -j$(JOBS)

build-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUILLOMAT_SANITIZE=ON \
	      -DQUILLOMAT_WERROR=ON
	cmake --build $(SANITIZE_DIR) -j$(JOBS)
