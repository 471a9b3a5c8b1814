#!/bin/sh
# The list of what `make install` put into a prefix, kept in the prefix beside the program:
#   manifest.sh record PREFIX NEW-LIST   adds the files of one install (CMake's manifest)
#   manifest.sh remove PREFIX            removes those files, then the game's own folders
#                                        that are left empty, and nothing else
# A player's folder can lie inside the prefix ($HOME/.local/share/ponigari): it keeps the
# ranking and whatever else the player put there.
set -eu
prefix=$2
list="$prefix/libexec/ponigari/install_manifest.txt"
case $1 in
  record)
    # Installing again into the same prefix adds to the list, so nothing earlier is forgotten.
    { cat "$list" 2>/dev/null || true; cat "$3"; echo; realpath -m "$list"; } | sed '/^$/d' | sort -u >"$list.new"
    mv "$list.new" "$list"
    ;;
  remove)
    if [ ! -f "$list" ]; then
      echo "make install put nothing into $prefix"
      exit 0
    fi
    files=$(cat "$list")
    printf '%s\n' "$files" | xargs -d '\n' rm -f
    # Only folders below the prefix, and only the game's own, whatever the prefix is called.
    root=$(realpath -ms "$prefix")
    printf '%s\n' "$files" | xargs -d '\n' -n 1 dirname | sort -u | while read -r dir; do
      while :; do
        case ${dir#"$root"/} in "$dir" | "") break ;; ponigari | ponigari/* | */ponigari | */ponigari/*) echo "$dir" ;; *) break ;; esac
        dir=${dir%/*}
      done
    done | sort -ru | xargs -r -d '\n' rmdir --ignore-fail-on-non-empty
    ;;
esac
