#!/usr/bin/env bash
# Packs the build as a Debian package and reads it back: its control fields
# (the library dependencies come from the binaries, so the program's real
# libraries must show up with versions), and its files, which are the
# installed tree under /usr and nothing more.
# Usage: check_deb.sh CPACK BUILD_DIR VERSION
set -u
CPACK=$1
BUILD=$2
VERSION=$3
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$CPACK" --config "$BUILD/CPackConfig.cmake" -G DEB -B "$WORK" > "$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log"; echo "FAIL: cpack"; exit 1; }
arch=$(dpkg --print-architecture)
deb=$WORK/quorvel_${VERSION}_${arch}.deb
[ -f "$deb" ] || { ls "$WORK"; echo "FAIL: no $deb"; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = quorvel ] || fail "package name '$(field Package)'"
[ "$(field Version)" = "$VERSION" ] || fail "version '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "architecture '$(field Architecture)'"
[ "$(field Section)" = games ] || fail "section '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no maintainer"

depends=$(field Depends)
echo "Depends: $depends"
for lib in libc6 libstdc++6 libglfw3 libode libportaudio2 libepoxy0; do
    echo "$depends" | tr ',' '\n' |
        awk -v lib="$lib" 'index($1, lib) == 1 && /\(>= [^)]+\)/ { found = 1 } END { exit !found }' ||
        fail "no versioned dependency on $lib"
done

# A one-line summary, then the long description, every line of which
# dpkg needs indented by one space.
description=$(field Description)
summary=$(echo "$description" | head -1)
long=$(echo "$description" | tail -n +2)
[ "$summary" = "physics game about operating construction machines" ] ||
    fail "summary '$summary'"
[ "$(echo "$long" | grep -c .)" -ge 3 ] || fail "the long description is missing"
echo "$long" | grep -q 'crane arm with a grapple' ||
    fail "the long description does not say what the game is"
echo "$long" | grep -vq '^ [^ ]' && fail "a line of the long description is not indented"
dpkg-deb --info "$deb" > /dev/null || fail "dpkg-deb cannot read the package's control part"

# The contents, as "mode path [-> target]" for everything but folders.
contents=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { $2 = $3 = $4 = $5 = ""; print }' |
    tr -s ' ' | LC_ALL=C sort -k2)
expected="lrwxrwxrwx ./usr/bin/quorvel -> ../lib/quorvel/quorvel
-rw-r--r-- ./usr/lib/quorvel/buttonpack.so
-rw-r--r-- ./usr/lib/quorvel/guidepack.so
-rw-r--r-- ./usr/lib/quorvel/panelpack.so
-rwxr-xr-x ./usr/lib/quorvel/quorvel
-rw-r--r-- ./usr/lib/quorvel/stagepack.so
-rw-r--r-- ./usr/lib/quorvel/tonepack.so
-rw-r--r-- ./usr/share/applications/quorvel.desktop
-rw-r--r-- ./usr/share/icons/hicolor/256x256/apps/quorvel.png
-rw-r--r-- ./usr/share/icons/hicolor/48x48/apps/quorvel.png
-rw-r--r-- ./usr/share/metainfo/quorvel.metainfo.xml"
[ "$contents" = "$expected" ] ||
    fail "package contents differ:$(diff <(echo "$expected") <(echo "$contents"))"
dpkg-deb --contents "$deb" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print; bad = 1 } END { exit !bad }' &&
    fail "folders in the package that are not rwxr-xr-x"
dpkg-deb --contents "$deb" | awk '$2 != "root/root" { print; bad = 1 } END { exit !bad }' &&
    fail "files in the package not owned by root"

# The program is packed without its debugging sections.
dpkg-deb -x "$deb" "$WORK/root"
readelf -S "$WORK/root/usr/lib/quorvel/quorvel" | grep -q '\.debug_info' &&
    fail "the packed program still carries debugging information"

exit $((failures > 0))
