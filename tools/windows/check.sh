#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows zip under Wine, from the unpacked zip as a player would have it:
#  - varnoth-sim.exe --no-draw replays every walkthrough, those of the shipped level pack with
#    the pack, and ends each in exactly the state dump the Linux runner ends it in;
#  - a game recorded by varnoth-sim.exe replays on Linux to the same state;
#  - the editor paints and saves a cell under Wine as it does on Linux;
#  - varnoth.exe --version prints the version;
#  - varnoth.exe opens its window on an Xvfb display and draws into it (the screenshots are
#    kept in build-windows/check/ to look at), opens the options screen on F10 and closes it
#    on Escape, ends on Escape and writes its settings into %APPDATA%\varnoth.
#   usage: check.sh [ZIP]  (default build-windows/varnoth-windows-x86_64.zip; the Linux runner
#   is build/varnoth-sim, VARNOTH_LINUX_SIM to name another)
set -euo pipefail
cd "$(dirname "$0")/../.."
root="$PWD"
zip="${1:-$root/build-windows/varnoth-windows-x86_64.zip}"
linux_sim="${VARNOTH_LINUX_SIM:-$root/build/varnoth-sim}"
work="$root/build-windows/check"

"$root/tools/windows/setup-deps.sh"
[ -x "$linux_sim" ] || { echo "windows: no Linux runner at $linux_sim (run ./test.sh first)" >&2; exit 1; }
[ -e "$zip" ] || { echo "windows: no zip at $zip (run tools/windows/build.sh first)" >&2; exit 1; }
rm -rf "$work"
mkdir -p "$work"
unzip -q "$zip" -d "$work"
game="$work/varnoth"

# A Wine prefix of the check's own, kept between runs (making one takes a while); no prompts
# for Wine's Mono and Gecko, which the game does not use.
export WINEPREFIX="$root/build-windows/wine" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
pids=()
finish() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wineserver -k 2>/dev/null || true
}
trap finish EXIT
# A display of the check's own, there before Wine's first program: Wine's desktop process is
# started once per server and keeps the display it found.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "windows: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
display="$(cat "$work/display")"
export DISPLAY=":$display"
exec 3>&-

if [ ! -e "$WINEPREFIX/system.reg" ]; then
    echo "windows: making the Wine prefix $WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver -w
fi
wineserver -p  # one server for every run below

failed=0
# The shipped level pack's walkthroughs (tests/walkthroughs/PACK/) play with the pack from the
# zip's own data folder, the Linux runner's from the source tree.
for script in "$root"/tests/walkthroughs/[0-9]*.txt "$root"/tests/walkthroughs/*/[0-9]*.txt; do
    area="$(basename "$script" .txt)"
    pack="$(basename "$(dirname "$script")")"
    name="$area"
    linux_pack=()
    windows_pack=()
    if [ "$pack" != walkthroughs ]; then
        name="$pack-$area"
        linux_pack=(--pack "$root/data/packs/$pack")
        windows_pack=(--pack "data/packs/$pack")
    fi
    frames="$(sed -n '1s/^# --start [0-9.]* --frames \([0-9]*\)$/\1/p' "$script")"
    [ -n "$frames" ] || { echo "windows: $script lacks its header" >&2; exit 1; }
    args=(--no-draw --start "$area" --frames "$frames")
    "$linux_sim" "${args[@]}" "${linux_pack[@]}" --input "$script" \
        --dump "$frames:$work/linux-$name.json" >/dev/null
    # The Windows runner reads and writes through Wine's Z: drive; its dump must replace a
    # file already there, as a saved top score replaces the last one.
    echo "not written" >"$work/windows-$name.json"
    (cd "$game" && wine varnoth-sim.exe "${args[@]}" "${windows_pack[@]}" --input "Z:$script" \
        --dump "$frames:Z:$work/windows-$name.json" >/dev/null) ||
        { echo "windows: $name: varnoth-sim.exe failed" >&2; failed=1; continue; }
    if cmp -s "$work/linux-$name.json" "$work/windows-$name.json"; then
        echo "windows: walkthrough $name: same final state as on Linux"
    else
        echo "windows: walkthrough $name: the final state differs from Linux's:" >&2
        cmp "$work/linux-$name.json" "$work/windows-$name.json" >&2 || true
        failed=1
    fi
done

# A game recorded by the Windows runner plays back on Linux to the state the game ended in: the
# file holds nothing of the machine that made it. The frame count and clock, the sounds since
# the last dump and the top score (which watching never changes) differ by design.
play_state() {
    sed -e 's/^{"frame":[0-9]*,"millisecs":[0-9]*,/{/' -e 's/"topscore":[0-9]*,//' \
        -e 's/,"sounds":\[.*\]}[[:space:]]*$/}/' "$1"
}
script="$root/tests/walkthroughs/2.2.txt"
frames="$(sed -n '1s/^# --start [0-9.]* --frames \([0-9]*\)$/\1/p' "$script")"
rm -f "$work/windows.vrp"
if (cd "$game" && wine varnoth-sim.exe --no-draw --start 2.2 --frames "$frames" \
    --input "Z:$script" --record "Z:$work/windows.vrp" \
    --dump "$frames:Z:$work/windows-recorded.json" >/dev/null) &&
    "$linux_sim" --no-draw --replay "$work/windows.vrp" --dump "end:$work/linux-replayed.json" \
        >/dev/null &&
    [ "$(play_state "$work/windows-recorded.json")" = "$(play_state "$work/linux-replayed.json")" ]
then
    echo "windows: a game recorded under Wine plays on Linux to the same state"
else
    echo "windows: the replay recorded under Wine did not play to its game's state on Linux" >&2
    failed=1
fi

# A replay opened from Explorer in a folder named in letters that no ANSI code page holds
# together: the program must read its name from the wide command line.
far_folder="$work/Ρεπλέι 日本"
rm -rf "$far_folder"
mkdir -p "$far_folder"
cp "$work/windows.vrp" "$far_folder/game.vrp"
far_line="$(cd "$game" && LC_ALL=C.UTF-8 wine varnoth.exe --validate "Z:$far_folder/game.vrp" \
    2>&1 | tr -d '\r' | grep ': ok, ' || true)"
if [ -n "$far_line" ]; then
    echo "windows: a replay in a folder named in Greek and Japanese is read by its name"
else
    echo "windows: varnoth.exe --validate could not read a replay in a folder named in Greek and Japanese" >&2
    failed=1
fi

# The editor under Wine: a cell painted and saved through the runner, the old source kept as
# .bak; the saved source must be the one the Linux runner saves from the same input.
edit_script="$work/edit.txt"
# (a palette entry chosen, one cell painted with it, then Ctrl+S)
printf '%s\n' "3 press mouse 540 172" "4 tap mouse1" "5 press mouse 140 140" "6 press mouse1" \
    "7 press mouse 140 140" "8 release mouse1" "10 press key:Left_Ctrl" "11 tap key:S" \
    "12 release key:Left_Ctrl" >"$edit_script"
for side in linux windows; do
    rm -rf "$work/edit-$side"
    mkdir -p "$work/edit-$side"
    cp "$root/data/packs/first-steps/pack.ini" "$root/data/packs/first-steps/map1.1.txt" \
        "$work/edit-$side/"
done
"$linux_sim" --no-draw --edit "$work/edit-linux" 1.1 --input "$edit_script" --frames 20 \
    >/dev/null 2>&1 || true
(cd "$game" && wine varnoth-sim.exe --no-draw --edit "Z:$work/edit-windows" 1.1 \
    --input "Z:$edit_script" --frames 20 >/dev/null 2>&1) || true
if [ -s "$work/edit-windows/map1.1.txt.bak" ] &&
    ! cmp -s "$work/edit-windows/map1.1.txt" "$work/edit-windows/map1.1.txt.bak" &&
    cmp -s "$work/edit-linux/map1.1.txt" "$work/edit-windows/map1.1.txt"; then
    echo "windows: the editor painted and saved a cell under Wine as on Linux, keeping a .bak"
else
    echo "windows: the editor's save under Wine differs from Linux's (see $work/edit-*)" >&2
    failed=1
fi

# A windowed program's --version still reaches the output it was started with.
version="$(cd "$game" && wine varnoth.exe --version | tr -d '\r')"
if [[ "$version" == "varnoth "[0-9]* ]]; then
    echo "windows: varnoth.exe --version prints '$version'"
else
    echo "windows: varnoth.exe --version printed '$version'" >&2
    failed=1
fi

# The player's settings live in %APPDATA%\varnoth; one already there (kept with the prefix) is
# replaced when the game ends, keeping the player's own lines.
settings="$(winepath -u "$(wine cmd /c echo '%APPDATA%' 2>/dev/null | tr -d '\r')")/varnoth/varnoth.ini"
mkdir -p "$(dirname "$settings")"
printf '# kept by the check\nmusic = off\n' >"$settings"

# The game itself on the virtual display, with no sound device (Wine finds none here).
(cd "$game" && exec wine varnoth.exe) >"$work/varnoth.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")
# Colours in a screenshot: a window that draws nothing shows one or two.
shot() {
    xwd -root -silent | xwdtopnm 2>/dev/null | pnmtopng >"$work/$1.png"
    pngtopnm "$work/$1.png" | ppmhist -noheader 2>/dev/null | wc -l
}
# A screenshot every two seconds while the logo and then the title show; it passes when the
# game is still running at the end and its window held a picture.
window_check() {
    local waited=0 colours drew=""
    while [ $waited -lt "${VARNOTH_WINDOW_SECONDS:-16}" ]; do
        sleep 2
        waited=$((waited + 2))
        kill -0 "$game_pid" 2>/dev/null || { echo "windows: varnoth.exe stopped:" >&2
                                             cat "$work/varnoth.log" >&2; return 1; }
        xwininfo -root -tree | grep -q '"Varnoth"' || continue
        colours="$(shot "window-$(printf %02d $waited)s")"
        echo "windows: varnoth.exe after $waited s: a window with $colours colours"
        [ "$colours" -gt 16 ] && drew=1
    done
    [ -n "$drew" ] && return 0
    echo "windows: varnoth.exe drew no picture into a window within $waited s" >&2
    cat "$work/varnoth.log" >&2
    return 1
}
window_check || failed=1

# F10 on the title opens the options screen, whose entries are drawn in a pale yellow
# (190, 190, 120) that the title screen never shows; Escape goes back to the title.
options_check() {
    local window _ pale=0
    window="$(xdotool search --name '^Varnoth$' | head -1)"
    [ -n "$window" ] || { echo "windows: no window for the options check" >&2; return 1; }
    pale_pixels() {
        pngtopnm "$work/$1.png" | ppmhist -noheader 2>/dev/null |
            awk '$1 == 190 && $2 == 190 && $3 == 120 { n += $5 } END { print n + 0 }'
    }
    for _ in $(seq 5); do
        xdotool windowfocus --sync "$window" key F10 2>/dev/null || true
        sleep 2
        shot options-screen >/dev/null
        pale="$(pale_pixels options-screen)"
        [ "$pale" -gt 200 ] && break
    done
    if [ "$pale" -le 200 ]; then
        echo "windows: F10 did not open the options screen (see $work/options-screen.png)" >&2
        return 1
    fi
    echo "windows: varnoth.exe opened the options screen on F10 ($pale pixels of its entries)"
    xdotool windowfocus --sync "$window" key Escape 2>/dev/null || true
    sleep 2
    shot options-closed >/dev/null
    if [ "$(pale_pixels options-closed)" -gt 200 ]; then
        echo "windows: Escape did not close the options screen" >&2
        return 1
    fi
    echo "windows: Escape closed the options screen"
}
options_check || failed=1

# Escape pressed in the game's window, once a second, until the program has ended (true) or
# ten seconds have gone by (false).
escape_until_ended() {
    local window _
    window="$(xdotool search --name '^Varnoth$' | head -1)"
    for _ in $(seq 10); do
        kill -0 "$game_pid" 2>/dev/null || return 0
        # Xvfb has no window manager to activate a window; focusing it is enough.
        xdotool windowfocus --sync "$window" key Escape 2>/dev/null || true
        sleep 1
    done
    ! kill -0 "$game_pid" 2>/dev/null
}

# Escape on the title ends the game, which then writes its settings.
quit_check() {
    if ! escape_until_ended; then
        echo "windows: varnoth.exe did not end on Escape" >&2
        return 1
    fi
    if grep -qx '# kept by the check' "$settings" && grep -qx 'music = off' "$settings" &&
        grep -q '^key_pause = ' "$settings"; then
        echo "windows: varnoth.exe ended on Escape and wrote its settings to $settings"
        return 0
    fi
    echo "windows: varnoth.exe did not write its settings to $settings:" >&2
    cat "$settings" >&2
    cat "$work/varnoth.log" >&2
    return 1
}
quit_check || failed=1

# The editor in a window of its own: `varnoth.exe --edit DIR` draws the area and its palette,
# and Escape, with nothing changed, leaves it and ends the program.
editor_window_check() {
    local dir="$work/edit-window" waited=0 colours=0
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$root/data/packs/first-steps/pack.ini" "$root/data/packs/first-steps/map1.1.txt" "$dir/"
    (cd "$game" && exec wine varnoth.exe --edit "Z:$dir" 1.1) >"$work/editor.log" 2>&1 &
    game_pid=$!
    pids+=("$game_pid")
    while [ $waited -lt 30 ] && [ "$colours" -le 16 ]; do
        sleep 2
        waited=$((waited + 2))
        kill -0 "$game_pid" 2>/dev/null || { echo "windows: varnoth.exe --edit stopped:" >&2
                                             cat "$work/editor.log" >&2; return 1; }
        xwininfo -root -tree | grep -q '"Varnoth"' || continue
        colours="$(shot editor-window)"
    done
    if [ "$colours" -le 16 ]; then
        echo "windows: varnoth.exe --edit drew no picture within $waited s" >&2
        return 1
    fi
    echo "windows: varnoth.exe --edit opened the editor in a window ($colours colours)"
    if ! escape_until_ended; then
        echo "windows: the editor did not end on Escape" >&2
        return 1
    fi
    echo "windows: Escape left the editor and ended the program"
}
editor_window_check || failed=1
[ $failed -eq 0 ] && echo "windows: all checks passed"
exit $failed
