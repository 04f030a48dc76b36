# make run   - installs what is missing, builds and starts the program
# make test  - installs what is missing, builds and runs the tests
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 \
           qt6-qpa-plugins libgl-dev fonts-dejavu-core xvfb xauth x11-apps imagemagick \
           poppler-utils unrtf desktop-file-utils appstream

# Warnings are errors in every build made here, so CI catches a new one.
CONFIGURE = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORRIN_WARNINGS_AS_ERRORS=ON >/dev/null
SANITIZE_BUILD ?= build-sanitize

.PHONY: all deps build run test bench sanitize roundtrip-libreoffice clean

all: build

deps:
	@./tools/install-packages.sh $(PACKAGES)

build: deps
	@$(CONFIGURE)
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@./tools/run.sh $(BUILD)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: deps
	@$(CONFIGURE)
	@cmake --build $(BUILD) -j$(JOBS) --target orrin_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)/orrin_bench

# The whole test suite under the address and undefined-behaviour sanitizers.
sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORRIN_SANITIZE=ON \
	    -DORRIN_WARNINGS_AS_ERRORS=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j$(JOBS)
	@cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan-suppressions.txt:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j$(JOBS)

# LibreOffice opens a saved Tea Leaf report with its text, its three colours
# and bold in every script. LibreOffice is large, so make test leaves it out.
roundtrip-libreoffice: deps
	@./tools/install-packages.sh libreoffice-writer-nogui
	@$(CONFIGURE)
	@cmake --build $(BUILD) -j$(JOBS) --target test_oracles_tea_leaf
	@QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 ORRIN_LIBREOFFICE=1 \
	    $(BUILD)/tests/test_oracles_tea_leaf libreOfficeReadsTheReport

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
