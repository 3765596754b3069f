#!/usr/bin/env bash
# Contact sheet of geometry records: preview.sh <build folder> <out.png> [preview options/names]
set -euo pipefail
build=$1; out=$2; shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$build/bin/quorvel-meshpreview" "$tmp" "$@"
montage -label '%t' "$tmp"/*.ppm -tile 6x -geometry +4+4 -pointsize 14 -font DejaVu-Sans "$out"
echo "$out"
