# Front door: `make run` and `make test` install what is missing, build, then run.
# CMake does the real work in build/.

# Debian packages in three sets, so that a first `make run` fetches only what it needs.
# Building and running the program, without the packages these recommend (a desktop,
# systemd, GTK): the program needs none of them.
RUN_PACKAGES     := cmake g++ make pkgconf qt6-base-dev qt6-base-dev-tools libgl-dev \
                    qt6-qpa-plugins qt6-translations-l10n fonts-liberation2 fonts-dejavu-core
# What the suite drives or reads back besides the program:
TEST_PACKAGES    := poppler-utils time desktop-file-utils appstream xvfb x11-utils xdotool man-db tidy \
                    lintian weston qt6-wayland openbox cups cups-client printer-driver-cups-pdf ghostscript \
                    dbus at-spi2-core python3-pyatspi faketime \
                    orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng \
                    qt6-gtk-platformtheme gnome-themes-extra qt6ct
# Building the Debian package from debian/ (its Build-Depends beyond the run set):
PACKAGE_PACKAGES := build-essential debhelper dpkg-dev lintian poppler-utils
# Cross-building the Windows program, packing it (strip-nondeterminism: the same zip
# from every build), and running it under Wine for its tests (Liberation Serif for
# Times New Roman, Russian locale data, an X server to draw on, xprop to look for a
# window manager):
WINDOWS_PACKAGES := cmake make g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 nsis strip-nondeterminism wine wine64 fonts-wine fonts-liberation2 \
                    locales x11-utils xvfb xdotool
WINBUILD := build-windows
BUILD    := build
SANBUILD := build-asan
SANENV   := ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
            LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
JOBS     ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps deps-test deps-package deps-bench deps-windows list-packages build suite sanitized run test realx package monkey bench windows clean

all: build

# `make deps` installs the run set; deps-test, deps-package and deps-bench add what
# those need.  A package manager holding apt's lock is waited for (five minutes at most).
install_missing = @scripts/install_packages.sh $(1)

RUN_OPTIONS := --no-install-recommends
deps:
	$(call install_missing,$(RUN_OPTIONS) $(RUN_PACKAGES))
deps-test:
	$(call install_missing,$(sort $(RUN_PACKAGES) $(TEST_PACKAGES) $(PACKAGE_PACKAGES)))
deps-package:
	$(call install_missing,$(sort $(RUN_PACKAGES) $(PACKAGE_PACKAGES)))
deps-bench:
	$(call install_missing,$(RUN_OPTIONS) $(RUN_PACKAGES) time)
deps-windows:
	$(call install_missing,$(RUN_OPTIONS) $(WINDOWS_PACKAGES))

# The three sets, one a line with the options they are installed with, for
# scripts/check_package.sh's figures and the package test.
list-packages:
	@echo "run: $(RUN_OPTIONS) $(RUN_PACKAGES)"
	@echo "test: $(sort $(RUN_PACKAGES) $(TEST_PACKAGES) $(PACKAGE_PACKAGES))"
	@echo "package: $(sort $(RUN_PACKAGES) $(PACKAGE_PACKAGES))"

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
suite: deps-test
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DORTELANA_WERROR=ON -DORTELANA_SANITIZE=OFF
	cmake --build $(BUILD) -j $(JOBS)

sanitized: deps-test
	cmake -S . -B $(SANBUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORTELANA_SANITIZE=ON \
	      -DBUILD_TESTING=ON -DORTELANA_WERROR=ON
	cmake --build $(SANBUILD) -j $(JOBS)

test: suite sanitized windows
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cd $(SANBUILD) && QT_QPA_PLATFORM=offscreen $(SANENV) ctest --output-on-failure -j $(JOBS)
	cd $(WINBUILD) && ctest --output-on-failure -j $(JOBS)

# The Windows program, cross-built with mingw-w64 into build-windows/: ortelana.exe
# with its help beside it, the zip and the installer; scripts/wine-run starts it under
# Wine.  Its tests carry the label wine: the logic here, the real program in $(BUILD).
windows: deps-windows
	cmake -S . -B $(WINBUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
	      -DBUILD_TESTING=ON -DORTELANA_WERROR=ON
	cmake --build $(WINBUILD) -j $(JOBS)
	cmake --build $(WINBUILD) --target windows-package

# Only the tests that drive the real program with real clients: Xvfb, weston, AT-SPI.
realx: suite
	cd $(BUILD) && ctest --output-on-failure -L realclient

# The Debian package from debian/, built by dpkg-buildpackage in a clean copy of the
# tree, with the offscreen tests; the results land in build/.
package: deps-package
	scripts/build_deb.sh $(BUILD)

# The careless-user test with a fresh seed, printed first so a failure can be replayed
# with ORTELANA_MONKEY_SEED=<seed>.
monkey: suite
	QT_QPA_PLATFORM=offscreen ORTELANA_MONKEY_SEED=$${ORTELANA_MONKEY_SEED:-fresh} ./$(BUILD)/tests/app/tst_monkey

bench: deps-bench build
	cmake --build $(BUILD) -j $(JOBS) --target bench_newgod bench_export bench_dialogs bench_memory
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/bench_newgod
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/bench_export
	QT_QPA_PLATFORM=offscreen /usr/bin/time -v ./$(BUILD)/bench/bench_dialogs 2>&1 | grep -E 'KiB|Maximum resident'
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/bench/bench_memory

clean:
	rm -rf $(BUILD) $(SANBUILD) $(WINBUILD)
