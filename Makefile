# ぽに狩り — build, play and test. Every target installs what it lacks first.
BUILD ?= build
PREFIX ?= /usr/local
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test install uninstall clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null

build: configure
	@cmake --build $(BUILD) --parallel

# The game runs in build/play, where Ranking.sav and the two wave files live.
run: build
	@mkdir -p $(BUILD)/play
	@for f in $(BUILD)/music/*.wav; do [ -e "$$f" ] && ln -sf "$$(realpath $$f)" $(BUILD)/play/; done; true
	@cd $(BUILD)/play && ../ponigari

test: build
	@cd $(BUILD) && ctest --output-on-failure --timeout 900

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# Removes every installed file, then the game's own folders (libexec/ponigari, share/ponigari).
uninstall:
	@if [ -f $(BUILD)/install_manifest.txt ]; then xargs -d '\n' rm -f < $(BUILD)/install_manifest.txt; \
	  xargs -d '\n' -n 1 dirname < $(BUILD)/install_manifest.txt | sort -u | grep '/ponigari$$' \
	    | xargs -r -d '\n' rmdir --ignore-fail-on-non-empty; fi

clean:
	@rm -rf $(BUILD)
