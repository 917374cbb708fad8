# The two commands a newcomer needs: `make run` and `make test`.
# Each first installs the Debian packages that are missing, then builds in build/.

BUILD        ?= build
SAN_BUILD    ?= build-sanitize
PKG_BUILD    ?= build-package
FUZZ_BUILD   ?= build-fuzz
MUTATE_BUILD ?= build-mutate
MUTANTS      ?= 300
SEED         ?= 1
FUZZ_SECONDS ?= 60
PREFIX       ?= /usr/local
GENERATOR    := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")
JOBS         ?= 2

DEBS := g++ cmake make ninja-build pkg-config \
        qt6-base-dev qt6-svg-dev qt6-qpa-plugins libasound2-dev libgl-dev \
        libgtest-dev libxcb1-dev fonts-dejavu-core \
        xvfb xauth xdotool imagemagick \
        qt6-translations-l10n qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools \
        dbus at-spi2-core python3-pyatspi weston qt6-wayland \
        desktop-file-utils appstream dpkg-dev

# Only `make fuzz` needs these: clang with its libFuzzer and sanitizer runtimes.
FUZZ_DEBS := clang libclang-rt-14-dev
FUZZ_TARGETS := reg_file high_score_record store_tables

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

# Installs those of the Debian packages listed that are missing.
install-missing = missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
	    | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

.PHONY: all deps configure build run test test-sanitize fuzz mutate bench install uninstall package \
        test-package translations format clean

all: build

deps:
	@$(call install-missing,$(DEBS))

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/src/kelvara

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Debug -DKELVARA_SANITIZE=ON
	cmake --build $(SAN_BUILD) -j$(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j$(JOBS) -LE e2e

# Each fuzz target for FUZZ_SECONDS with clang and libFuzzer, from the committed corpus; what it
# finds goes to $(FUZZ_BUILD)/corpus, and an input that crashes to $(FUZZ_BUILD)/<target>-crash-*.
# Add such an input to fuzz/corpus/<target> once mended: `make test` replays that corpus.
fuzz: deps
	@$(call install-missing,$(FUZZ_DEBS))
	cmake -S . -B $(FUZZ_BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DKELVARA_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_BUILD) -j$(JOBS) --target $(addprefix kelvara_fuzz_,$(FUZZ_TARGETS))
	for target in $(FUZZ_TARGETS); do \
	    mkdir -p $(FUZZ_BUILD)/corpus/$$target && \
	    $(FUZZ_BUILD)/fuzz/kelvara_fuzz_$$target -max_total_time=$(FUZZ_SECONDS) \
	        -artifact_prefix=$(FUZZ_BUILD)/$$target- \
	        $(FUZZ_BUILD)/corpus/$$target fuzz/corpus/$$target || exit 1; \
	done

# Plants MUTANTS faults drawn from SEED in src/, one at a time, and reports which the suite
# kills; the same seed and sample name the same mutants while src/ stays the same. MATRIX=1
# runs every unit case on each mutant, to name all that kill it; ONLY="3 17" judges just those
# mutants of the sample again.
mutate: deps
	cmake -S . -B $(MUTATE_BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
	    -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=gold
	python3 tools/mutate.py . $(MUTATE_BUILD) $(MUTANTS) $(SEED)

bench: build
	cmake --build $(BUILD) -j$(JOBS) --target kelvara_bench
	$(BUILD)/bench/kelvara_bench

# The program finds its audio module under the prefix it was built for, hence the configure.
# DESTDIR stages the install elsewhere. The list of installed files is kept for uninstall
# (CMake's own list leaves DESTDIR out, and the install test rewrites it).
install: deps
	cmake -S . -B $(BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD) -j$(JOBS)
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD)
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt >$(BUILD)/kelvara-installed.txt

# Removes what the last install from $(BUILD) added, the shared store with its players and high
# scores too (as a purge of the package does).
uninstall:
	sh packaging/uninstall.sh $(BUILD)/kelvara-installed.txt

# A Debian package for /usr, built apart from the development build.
package: deps
	cmake -S . -B $(PKG_BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_INSTALL_PREFIX=/usr -DBUILD_TESTING=OFF
	cmake --build $(PKG_BUILD) -j$(JOBS)
	cd $(PKG_BUILD) && cpack

# Installs, uses, attacks and removes the package in a throw-away Debian 12 root (debootstrap,
# root rights, network; several minutes). The store writer of the process tests counts the high
# scores there, and the e2e tests' word helper guesses the secret word.
test-package: package $(BUILD)/CMakeCache.txt
	@$(call install-missing,debootstrap)
	cmake --build $(BUILD) -j$(JOBS) --target kelvara_store_writer kelvara_words
	$(SUDO) bash tests/install/package_round_trip.sh $(PKG_BUILD)/kelvara_*.deb \
	    $(BUILD)/tests/store/kelvara_store_writer $(BUILD)/tests/e2e/kelvara_words

# Brings every catalog in res/i18n up to date with the texts the code marks: a new text comes in
# unfinished, a vanished one stays as obsolete. Then edit a catalog in Qt Linguist and rebuild.
translations: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) --target update_translations

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(PKG_BUILD) $(FUZZ_BUILD) $(MUTATE_BUILD)
