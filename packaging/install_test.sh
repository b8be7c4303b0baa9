#!/bin/sh
# Installs the built game into a temporary prefix, checks the tree and the
# desktop entry, then starts the installed program from another folder with
# temporary XDG folders: on a virtual X display it must show its title
# picture (a screenshot lands in the XDG data folder) and quit on Escape,
# leaving the installed tree untouched.
set -eu
build="$1"
work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "install test: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/harmoa2 bin/harmoa2-config lib/harmoa2/libsxplay.so share/harmoa2/image/back/0.bmp \
         share/harmoa2/sound/cur.wav share/harmoa2/music/town3.mid share/harmoa2/Config/Data.dat \
         share/applications/harmoa2.desktop share/icons/hicolor/128x128/apps/harmoa2.png; do
    [ -e "$prefix/$f" ] || fail "missing $f"
done
desktop-file-validate "$prefix/share/applications/harmoa2.desktop" || fail "desktop entry rejected"
grep -q "^Exec=$prefix/bin/harmoa2\$" "$prefix/share/applications/harmoa2.desktop" || fail "Exec line"
ldd "$prefix/bin/harmoa2" | grep -q "$prefix/bin/../lib/harmoa2/libsxplay.so" || fail "library not found"
before=$(cd "$prefix" && find . -printf '%p %s\n' | sort)

export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy
mkdir -p "$work/cwd"
cd "$work/cwd"
"$prefix/bin/harmoa2-config" set scaling=whole >/dev/null
[ -f "$work/config/harmoa2/Settings.txt" ] || fail "the tool did not write the player's settings"

if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v identify >/dev/null; then
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display")"
    # A real X window (the test scripts choose the offscreen driver); leaks
    # are the unit tests' business, not this run's.
    SDL_VIDEODRIVER=x11 ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" \
        "$prefix/bin/harmoa2" -log:game.txt &
    game_pid=$!
    wid=""
    for _ in $(seq 100); do
        wid=$(xdotool search --onlyvisible --class harmoa2 2>/dev/null | head -n 1) && [ -n "$wid" ] && break
        sleep 0.1
    done
    [ -n "$wid" ] || fail "no window"
    # Frames run only while the window has the focus.
    for _ in $(seq 50); do
        xdotool windowfocus "$wid" 2>/dev/null || true
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$wid" ] && break
        sleep 0.1
    done
    # The first frames come once the game has loaded; shoot until one shows
    # the title picture (a black one means nothing was drawn yet).
    drawn=0
    for _ in $(seq 40); do
        xdotool key --window "$wid" F12
        sleep 0.5
        for shot in "$work"/data/harmoa2/screenshot/*.png; do
            [ -f "$shot" ] || continue
            [ "$(identify -format '%[fx:standard_deviation>0.05]' "$shot" 2>/dev/null)" = 1 ] && drawn=1
        done
        [ "$drawn" = 1 ] && break
    done
    [ -d "$work/data/harmoa2/screenshot" ] || fail "no screenshot in the XDG data folder"
    [ "$drawn" = 1 ] || fail "the title picture was never drawn (data not found?)"
    xdotool key --window "$wid" Escape
    status=0
    wait "$game_pid" || status=$?
    game_pid=""
    [ "$status" = 0 ] || fail "the game ended with $status"
    [ -f "$work/data/harmoa2/game.txt" ] || fail "the log is not among the player's files"
else
    # Headless: it starts, runs and ends cleanly on SIGTERM.
    SDL_VIDEODRIVER=offscreen timeout --preserve-status -s TERM 3 "$prefix/bin/harmoa2" || fail "headless run"
fi

[ -z "$(ls -A "$work/cwd")" ] || fail "wrote into the working folder"
after=$(cd "$prefix" && find . -printf '%p %s\n' | sort)
[ "$before" = "$after" ] || fail "wrote into the installed tree"
echo "install test: passed"
