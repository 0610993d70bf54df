#!/usr/bin/env bash
# scripts/run starts the program in the home folder: a card folder given
# relative to where the command was typed must reach the program as that
# folder. The script runs in a copy of the source tree whose setup, build and
# program only report what they were given.
# Usage: run_script_test.sh SOURCE_FOLDER
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

mkdir -p "$work/tree/scripts" "$work/tree/build/src/app" "$work/bin" "$work/home" "$work/typed/data"
cp "$1/scripts/run" "$work/tree/scripts/run"
printf '#!/bin/sh\nexit 0\n' >"$work/tree/scripts/setup"
cp "$work/tree/scripts/setup" "$work/bin/cmake"
printf '#!/bin/sh\nprintf "%%s|" "$PWD" "$@" >"$ZEK_GIVEN"\n' >"$work/tree/build/src/app/zek-rechtschreibkartei"
chmod +x "$work/tree/scripts/setup" "$work/bin/cmake" "$work/tree/build/src/app/zek-rechtschreibkartei"

given() { (cd "$work/typed" && HOME="$work/home" PATH="$work/bin:$PATH" DISPLAY=:0 ZEK_GIVEN="$work/given" \
             "$work/tree/scripts/run" "$@" >/dev/null); cat "$work/given"; }
[ "$(given data)" = "$work/home|$work/typed/data|" ] || fail "a relative folder: $(given data)"
[ "$(given "$work/typed/data")" = "$work/home|$work/typed/data|" ] || fail "a full path: $(given "$work/typed/data")"
[ "$(given)" = "$work/home|" ] || fail "no folder: $(given)"
echo "3 passed, 0 failed"
