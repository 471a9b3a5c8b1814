# ぽに狩り — build, play, test, install and pack. Every target installs what it lacks first.
BUILD ?= build
PREFIX ?= /usr/local
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# What `make run`, `make install` and `make deb` configure a new build folder with: the game
# and its music alone, no tests. `make build` and `make test` switch the tests on.
GAME_FLAGS = -DBUILD_TESTING=OFF
GAME_TARGETS = ponigari music

.PHONY: all deps configure configure-game build game run test install uninstall deb clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DBUILD_TESTING=ON >/dev/null

# A build folder that exists is left as it is configured: the game builds in either.
configure-game:
	@tools/install-deps.sh run
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) $(CMAKE_FLAGS) $(GAME_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) --parallel

game: configure-game
	@cmake --build $(BUILD) --parallel --target $(GAME_TARGETS)

# The game runs in build/play, where Ranking.sav lives, with links to the music and to the
# folder of the sound effects (unless the player keeps a folder of their own there).
run: game
	@mkdir -p $(BUILD)/play
	@for f in $(BUILD)/music/*.wav; do [ -e "$$f" ] && ln -sf "$$(realpath $$f)" $(BUILD)/play/; done; true
	@[ -L $(BUILD)/play/effects ] || [ ! -e $(BUILD)/play/effects ] && ln -sfn "$$(realpath $(BUILD)/music/effects)" $(BUILD)/play/effects; true
	@cd $(BUILD)/play && ../ponigari

test: build
	@cd $(BUILD) && ctest --output-on-failure --timeout 900

# A staged install (DESTDIR) keeps no list: its files are a packager's, and a later
# `make uninstall` must not take the same paths away from the real prefix.
install: game
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	@[ -n "$(DESTDIR)" ] || tools/manifest.sh record "$(PREFIX)" $(BUILD)/install_manifest.txt

uninstall:
	@tools/manifest.sh remove "$(PREFIX)"

# ponigari_VERSION_ARCH.deb in the build folder.
deb: game
	@tools/install-deps.sh deb
	@cd $(BUILD) && cpack -G DEB >/dev/null && ls "$$(pwd)"/ponigari_*.deb

clean:
	@rm -rf $(BUILD)
