#!/usr/bin/env bash
# "cmake --install" into a folder of its own: the files stand where the desktop
# expects them and pass the desktop's validators. Then the installed program
# is started as the menu starts it (in a new home folder): the first start
# makes the user's card box from the installed sample, the second keeps the
# boxes reached.
# Usage: install_test.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

cmake --install "$build" --prefix "$work/usr" >/dev/null
id=org.example.ZekRechtschreibkartei
for f in bin/zek-rechtschreibkartei share/applications/$id.desktop share/applications/$id.Klasse.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
         share/zek-rechtschreibkartei/vorlage/ZEKCARD1.LST share/zek-rechtschreibkartei/vorlage/ZEKCARDS.INI \
         share/doc/zek-rechtschreibkartei/copyright lib/zek-rechtschreibkartei/libzek-lernfortschritt.so; do
  [ -e "$work/usr/$f" ] || fail "not installed: $f"
done
desktop-file-validate "$work/usr/share/applications/$id.desktop" || fail "desktop entry"
desktop-file-validate "$work/usr/share/applications/$id.Klasse.desktop" || fail "the class's desktop entry"
grep -qx 'Exec=zek-rechtschreibkartei --klasse' "$work/usr/share/applications/$id.Klasse.desktop" || fail "the class's entry does not open the class"
appstreamcli validate --no-net "$work/usr/share/metainfo/$id.metainfo.xml" >/dev/null || fail "AppStream metadata"

# What the program leans on from the machine: the look-alikes it puts in for
# the fonts it names, the reading fonts, and Qt's own German texts (buttons, context menus).
for font in "Comic Neue" "Liberation Sans" "DejaVu Sans" "Andika" "OpenDyslexic"; do
  [ "$(fc-match -f '%{family}' "$font")" = "$font" ] || fail "the font $font is missing"
done
[ -e "$(qtpaths6 --query QT_INSTALL_TRANSLATIONS)/qtbase_de.qm" ] || fail "Qt's German texts are missing"

# Starts the installed program as the menu does, until it holds its card folder.
start() {
  # killed once started: kept away from the machine's speech daemon
  (cd "$work/home" && HOME="$work/home" QT_QPA_PLATFORM=offscreen CUPS_SERVER="$work/none.sock" \
     SPEECHD_ADDRESS=unix_socket:/nonexistent/speechd.sock \
     exec "$work/usr/bin/zek-rechtschreibkartei") >/dev/null 2>&1 &
  pid=$!
  for _ in $(seq 200); do [ -e "$box/ZEK-Rechtschreibkartei.lock" ] && break; sleep 0.05; done
  [ -e "$box/ZEK-Rechtschreibkartei.lock" ] || fail "the program did not start on $box"
  kill "$pid"; wait "$pid" 2>/dev/null || true; pid=
}
mkdir "$work/home"
box="$work/home/ZEK-Rechtschreibkartei"
start
for f in ZEKCARDS.INI ZEKCARD1.LST ZEKCARD2.LST ZEKCARD3.LST; do
  cmp -s "$box/$f" "$work/usr/share/zek-rechtschreibkartei/vorlage/$f" || fail "$f not made from the sample"
  [ -w "$box/$f" ] || fail "$f is not the user's to write"
done
sed -i '1s/^1/5/' "$box/ZEKCARD1.LST" # a box reached
cp "$box/ZEKCARD1.LST" "$work/reached"
start
cmp -s "$box/ZEKCARD1.LST" "$work/reached" || fail "the second start wrote the card box over"
echo "1 passed, 0 failed"
