#!/usr/bin/env bash
# The Debian package as `make deb` builds it: its name, control fields and file list; lintian
# finds no error in it; installed into a throw-away root it has the layout the menu entry
# expects, and purging it leaves nothing behind.
# Arguments: the program, the build folder.
set -uo pipefail
program=$1
build=$(readlink -f "$2")
source_dir=$(dirname "$(readlink -f "$0")")/..
out="$build/artifacts/package"
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
check() {  # what is checked, then the command that must succeed
  local what=$1
  shift
  if "$@" >>"$out/checks.log" 2>&1; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}

version=$("$program" --version | awk '{print $2}')
rm -f "$build"/ponigari_*.deb
env -u MAKEFLAGS -u MFLAGS make -s -C "$source_dir" deb BUILD="$build" >"$out/make.log" 2>&1 || { cat "$out/make.log"; exit 1; }
deb="$build/ponigari_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no $deb; make deb wrote: $(cat "$out/make.log")"; exit 1; }
ls -l "$deb" >"$out/size.txt"

# --- control fields and files
field() { dpkg-deb -f "$deb" "$1"; }
check "package name" test "$(field Package)" = ponigari
check "version of the program" test "$(field Version)" = "$version"
check "a game" test "$(field Section)" = games
depends=$(field Depends)
for needed in libqt6widgets6 libqt6multimedia6 gstreamer1.0-plugins-good fonts-ipafont-gothic fonts-ipafont-mincho; do
  check "depends on $needed" grep -q "\b$needed\b" <<<"$depends"
done
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort >"$out/files.txt"
app=io.github.ponigari.ponigari
expected=$(
  printf '%s\n' usr/games/ponigari usr/libexec/ponigari/ponigari usr/share/ponigari/music/迎撃戦.wav \
    usr/share/ponigari/music/ボス戦.wav "usr/share/applications/$app.desktop" "usr/share/metainfo/$app.metainfo.xml" \
    usr/share/man/man6/ponigari.6.gz usr/share/doc/ponigari/copyright usr/share/doc/ponigari/changelog.gz \
    usr/share/ponigari/translations/ponigari_en.qm
  for size in 16 32 48 64 128 256; do echo "usr/share/icons/hicolor/${size}x${size}/apps/$app.png"; done
  for effect in balkan sonic laser poni boss_hit boss_down rocket shield ship_down item bomb; do
    echo "usr/share/ponigari/music/effects/$effect.wav"
  done
)
check "exactly the game's files" diff <(sort <<<"$expected") "$out/files.txt"

lintian --tag-display-limit 0 "$deb" >"$out/lintian.txt" 2>&1
check "lintian finds no error" test -z "$(grep '^E:' "$out/lintian.txt")"

# --- installed and purged in a throw-away root (dpkg needs root for it; otherwise unpacked)
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
if [ "$(id -u)" -eq 0 ]; then
  check "installs" dpkg --root="$root" --force-depends --force-script-chrootless -i "$deb"
else
  check "unpacks" dpkg-deb -x "$deb" "$root"
fi
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app.desktop")
check "menu entry starts the launcher in /usr/games" test "$exec_line" = /usr/games/ponigari
mkdir -p "$work/home"
check "launcher finds the program" test "$(env -u XDG_DATA_HOME HOME="$work/home" "$root$exec_line" --version)" = "ponigari $version"
check "manual page reads cleanly" test -z "$(zcat "$root/usr/share/man/man6/ponigari.6.gz" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)"
if [ "$(id -u)" -eq 0 ]; then
  check "purges" dpkg --root="$root" --force-script-chrootless --purge ponigari
  check "nothing left after purging" test -z "$(find "$root" -path "$root/var/lib/dpkg" -prune -o ! -type d -print)"
fi

echo "package $(cut -d' ' -f5 "$out/size.txt") bytes; $(grep -c . "$out/lintian.txt") lintian lines"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
