#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks the tree a desktop
# expects: the program beside its data modules, the command link, the menu
# entry, the icons and the software-centre metadata, all passing their
# validators, and nothing else.
# Usage: check_install.sh CMAKE BUILD_DIR VERSION
set -u
CMAKE=$1
BUILD=$2
VERSION=$3
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
P=$WORK/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$CMAKE" --install "$BUILD" --prefix "$P" > "$WORK/install.log" 2>&1 ||
    { cat "$WORK/install.log"; echo "FAIL: cmake --install"; exit 1; }

expected="bin/quorvel
lib/quorvel/buttonpack.so
lib/quorvel/guidepack.so
lib/quorvel/panelpack.so
lib/quorvel/quorvel
lib/quorvel/stagepack.so
lib/quorvel/tonepack.so
share/applications/quorvel.desktop
share/icons/hicolor/256x256/apps/quorvel.png
share/icons/hicolor/48x48/apps/quorvel.png
share/metainfo/quorvel.metainfo.xml"
actual=$(cd "$P" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$expected" ] ||
    fail "installed files differ from the expected tree:$(diff <(echo "$expected") <(echo "$actual"))"

# The command is a relative link, so a moved or unpacked tree still works.
link=$(readlink "$P/bin/quorvel")
[ "$link" = "../lib/quorvel/quorvel" ] || fail "bin/quorvel links to '$link'"
[ -x "$P/bin/quorvel" ] || fail "bin/quorvel does not reach an executable program"
if readelf -d "$P/lib/quorvel/quorvel" | grep -E 'RPATH|RUNPATH' | grep -qF "$BUILD"; then
    fail "the installed program still looks for libraries in the build folder"
fi

desktop=$P/share/applications/quorvel.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
grep -qx 'Exec=quorvel' "$desktop" || fail "the desktop entry does not run the installed command"
grep -qx 'Icon=quorvel' "$desktop" || fail "the desktop entry does not name the installed icon"
grep -q '^Categories=\(.*;\)\?Game;' "$desktop" || fail "the desktop entry is not in the Game category"

meta=$P/share/metainfo/quorvel.metainfo.xml
appstreamcli validate --no-net "$meta" || fail "appstreamcli rejects the metadata"
grep -q '<launchable type="desktop-id">quorvel.desktop</launchable>' "$meta" ||
    fail "the metadata does not launch the installed desktop entry"
grep -q '<description>' "$meta" || fail "the metadata has no description"
grep -q '<screenshot type="default">' "$meta" && grep -q '<image>https://' "$meta" ||
    fail "the metadata has no screenshot"
grep -q "<release version=\"$VERSION\"" "$meta" || fail "the metadata's release is not $VERSION"

# Each icon: its nominal size, transparent outside the rounded tile, opaque
# in the middle.
for size in 256 48; do
    icon=$P/share/icons/hicolor/${size}x${size}/apps/quorvel.png
    read -r w h corner middle <<< "$(convert "$icon" -format \
        "%w %h %[fx:p{0,0}.a] %[fx:p{$((size / 2)),$((size / 2))}.a]" info:)"
    [ "$w x $h" = "$size x $size" ] || fail "the ${size}px icon is $w x $h"
    [ "$corner" = 0 ] || fail "the ${size}px icon's corner is not transparent ($corner)"
    [ "$middle" = 1 ] || fail "the ${size}px icon's middle is not opaque ($middle)"
done

exit $((failures > 0))
