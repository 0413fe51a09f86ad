#!/bin/sh
# tests/app/check-layers.sh <source root>
# The program's layers, lowest first: core, widgets, pages (media, config),
# shell. A file may include headers of its own layer and of those below it;
# this fails on every quoted include that names a header of a higher layer.
# (The build enforces the same through the libraries' include folders; this
# says which include broke it.)
set -e
cd "$1"
layer_dirs() {
    case "$1" in
        0) echo "app/core" ;;
        1) echo "app/widgets" ;;
        2) echo "app/media app/config/camera app/config/system app/config/network" ;;
        3) echo "app/shell" ;;
    esac
}
failed=0
listing="$(mktemp)"
trap 'rm -f "$listing"' EXIT
for layer in 0 1 2; do
    higher=""
    for up in 1 2 3; do
        [ "$up" -gt "$layer" ] && higher="$higher $(layer_dirs "$up")"
    done
    for dir in $(layer_dirs "$layer"); do
        grep -H -o '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]*"' "$dir"/*.h "$dir"/*.cpp >"$listing" || true
        while IFS= read -r line; do
            file="${line%%:*}"
            header="${line#*\"}"
            header="${header%\"}"
            header="${header##*/}"
            [ -f "$dir/$header" ] && continue
            for updir in $higher; do
                if [ -f "$updir/$header" ]; then
                    echo "$file includes $header from $updir, a higher layer"
                    failed=1
                fi
            done
        done <"$listing"
    done
done
exit "$failed"
