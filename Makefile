# make run   - installs what is missing, builds and starts the program
# make test  - installs what is missing, builds and runs the tests
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 \
           qt6-qpa-plugins libgl-dev fonts-dejavu-core xvfb xauth x11-apps imagemagick \
           poppler-utils

.PHONY: all deps build run test bench clean

all: build

deps:
	@./tools/install-packages.sh $(PACKAGES)

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@./tools/run.sh $(BUILD)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j$(JOBS) --target orrin_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/orrin_bench

clean:
	rm -rf $(BUILD)
