#!/bin/sh
# A double-click on a .puz file in a file manager, from the unpacked package: the desktop
# entry's Exec line with %f, the launcher, the game opening the file. The game is then stopped
# as a session ends (SIGTERM), and the puzzle it had open must be in the player's own-clue
# autosave with its clues.
# Usage: open_from_file_manager.sh ROOT SCRATCH
set -eu
root=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch/home" "$scratch/downloads"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

shipped=$root/usr/share/quillby
cli=$root/usr/games/quillby-cli
"$cli" convert "$shipped/data/eng_default.crs" "$scratch/downloads/Sunday puzzle.puz" \
    --title "Opened by a double-click" --data "$shipped/data" >/dev/null

exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/quillby.desktop")
case "$exec_line" in
    /usr/*" %f") ;;
    *) fail "the desktop entry's Exec line is '$exec_line', not a program and %f" ;;
esac
program=$root${exec_line% %f}

# A file manager runs the command in some folder of its own with the file's absolute path.
cd "$scratch"
HOME=$scratch/home XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen \
    "$program" "$scratch/downloads/Sunday puzzle.puz" >"$scratch/game.out" 2>&1 &
game=$!
folder=$scratch/home/.local/share/quillby

# The log starts once the game can take the signal; the file is opened right after.
waited=0
while [ ! -s "$folder/check.txt" ]; do
    kill -0 "$game" 2>/dev/null || fail "the game ended early: $(cat "$scratch/game.out")"
    [ "$waited" -lt 600 ] || { kill -KILL "$game"; fail "the game did not start within 60 s"; }
    sleep 0.1
    waited=$((waited + 1))
done
kill -TERM "$game"
waited=0
while kill -0 "$game" 2>/dev/null; do
    [ "$waited" -lt 300 ] || { kill -KILL "$game"; fail "SIGTERM did not end the game in 30 s"; }
    sleep 0.1
    waited=$((waited + 1))
done
status=0
wait "$game" || status=$?
[ "$status" = 0 ] || fail "the game exited with $status: $(cat "$scratch/game.out")"

autosave=$folder/data/volatile_own.ipuz
[ -f "$autosave" ] || fail "no own-clue autosave: the file was not opened ($(ls "$folder/data"))"
shown=$("$cli" show "$autosave")
case "$shown" in
    *'"title":"Opened by a double-click"'*'"clues":'* | *'"clues":'*'"title":"Opened by a double-click"'*) ;;
    *) fail "the autosave is not the opened puzzle: $shown" ;;
esac
echo "ok"
