# Front door: `make run` and `make test` install what is missing, build, then run.
# CMake does the real work in build/.

PACKAGES := cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins \
            libgl-dev fonts-liberation2 fonts-dejavu-core poppler-utils time \
            desktop-file-utils appstream qt6-translations-l10n xvfb xdotool \
            lintian man-db tidy
BUILD    := build
SANBUILD := build-asan
SANENV   := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build suite sanitized run test realx package monkey bench clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  if [ "$$(id -u)" = 0 ]; then \
	    apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	  elif command -v sudo >/dev/null 2>&1; then \
	    sudo apt-get update && sudo DEBIAN_FRONTEND=noninteractive apt-get install -y $$missing; \
	  else \
	    echo "Please run as root: apt-get install -y $$missing"; exit 1; \
	  fi; \
	fi

# The program alone: the suite and the benchmarks are built by `make test` and
# `make bench`.
# Every configure sets every option of ours, so that `make build` after `make test`
# (or the other way round) in the same folder keeps nothing of the other's.
build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DORTELANA_WERROR=OFF -DORTELANA_SANITIZE=OFF
	cmake --build $(BUILD) -j $(JOBS) --target ortelana

# Without a display the program says so itself, in one line.
run: build
	./$(BUILD)/ortelana

# The same suite twice: the ordinary build, then under AddressSanitizer and
# UndefinedBehaviorSanitizer; here a compiler warning is an error.
suite: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DORTELANA_WERROR=ON -DORTELANA_SANITIZE=OFF
	cmake --build $(BUILD) -j $(JOBS)

sanitized: deps
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORTELANA_SANITIZE=ON \
	      -DBUILD_TESTING=ON -DORTELANA_WERROR=ON
	cmake --build $(SANBUILD) -j $(JOBS)

test: suite sanitized
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(SANBUILD) && QT_QPA_PLATFORM=offscreen $(SANENV) ctest --output-on-failure -j $(JOBS)

# Only the tests that drive the real program on a private Xvfb.
realx: suite
	cd $(BUILD) && ctest --output-on-failure -R tst_realx

# A Debian package of the build, under /usr, in build/.
package: build
	cd $(BUILD) && cpack -G DEB

# The careless-user test with a fresh seed, printed first so a failure can be replayed
# with ORTELANA_MONKEY_SEED=<seed>.
monkey: suite
	QT_QPA_PLATFORM=offscreen ORTELANA_MONKEY_SEED=$${ORTELANA_MONKEY_SEED:-fresh} ./$(BUILD)/tests/app/tst_monkey

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target bench_newgod bench_export bench_dialogs bench_memory
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/bench_newgod
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/bench_export
	QT_QPA_PLATFORM=offscreen /usr/bin/time -v ./$(BUILD)/bench/bench_dialogs 2>&1 | grep -E 'KiB|Maximum resident'
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/bench_memory

clean:
	rm -rf $(BUILD) $(SANBUILD)
