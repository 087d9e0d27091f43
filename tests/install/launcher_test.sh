#!/bin/sh
# The launcher, installed beside a stand-in game that records where it was started and with
# what: it chooses the player's folder by the XDG rules, asks for a data update exactly when the
# shipped stamp differs or a shipped file is missing, and passes a file on as an absolute path.
# Run with: sh launcher_test.sh BUILT_LAUNCHER SCRATCH
set -eu
launcher=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch/games" "$scratch/share/quillby/data" "$scratch/share/quillby/res" \
    "$scratch/home" "$scratch/work"
cp "$launcher" "$scratch/games/quillby-launcher"
cat >"$scratch/games/quillby" <<STUB
#!/bin/sh
{ echo "cwd=\$PWD"; for a in "\$@"; do echo "arg=\$a"; done; } >"$scratch/call"
STUB
chmod +x "$scratch/games/quillby" "$scratch/games/quillby-launcher"
shipped=$scratch/share/quillby
echo "stamp one" >"$shipped/data/stamp"
echo graph >"$shipped/data/eng_dawg"
echo pointer >"$shipped/res/cursor.cur"

fail() {
    echo "FAILED: $1" >&2
    echo "--- the game was started with:" >&2
    cat "$scratch/call" >&2 || true
    exit 1
}
expect_call() {
    printf '%s\n' "$@" >"$scratch/expected"
    cmp -s "$scratch/expected" "$scratch/call" || fail "expected $*"
}
run() {
    (cd "$scratch/work" && env -u XDG_DATA_HOME HOME="$scratch/home" "$@")
}

folder=$scratch/home/.local/share/quillby
# A first start: no stamp yet, so the game updates the new folder; the file becomes absolute.
run "$scratch/games/quillby-launcher" puzzle.crs
expect_call "cwd=$folder" "arg=--update-data" "arg=$shipped" "arg=$scratch/work/puzzle.crs"
[ -d "$folder" ] || fail "the player's folder was not made"

# Brought up to date: a plain start, arguments passed as they are.
mkdir -p "$folder/data" "$folder/res"
cp "$shipped/data/stamp" "$shipped/data/eng_dawg" "$folder/data/"
cp "$shipped/res/cursor.cur" "$folder/res/"
run "$scratch/games/quillby-launcher" /tmp/a.puz --version
expect_call "cwd=$folder" "arg=/tmp/a.puz" "arg=--version"
run "$scratch/games/quillby-launcher"
expect_call "cwd=$folder"

# A shipped file missing from the player's folder, then a newer package's stamp.
rm "$folder/res/cursor.cur"
run "$scratch/games/quillby-launcher"
expect_call "cwd=$folder" "arg=--update-data" "arg=$shipped"
cp "$shipped/res/cursor.cur" "$folder/res/"
echo "stamp two" >"$shipped/data/stamp"
run "$scratch/games/quillby-launcher"
expect_call "cwd=$folder" "arg=--update-data" "arg=$shipped"

# XDG_DATA_HOME is used when absolute and ignored otherwise.
run XDG_DATA_HOME="$scratch/xdg" "$scratch/games/quillby-launcher"
expect_call "cwd=$scratch/xdg/quillby" "arg=--update-data" "arg=$shipped"
run XDG_DATA_HOME=relative/path "$scratch/games/quillby-launcher"
expect_call "cwd=$folder" "arg=--update-data" "arg=$shipped"

# Without HOME there is nowhere to keep the data: a clear refusal, not a folder in "/".
rm "$scratch/call"
if (cd "$scratch/work" && env -u XDG_DATA_HOME -u HOME "$scratch/games/quillby-launcher" \
    2>"$scratch/err"); then
    fail "started without HOME"
fi
grep -q "HOME is not set" "$scratch/err" || fail "no message without HOME"
[ ! -e "$scratch/call" ] || fail "the game was started without HOME"
rm -rf "$scratch"
echo "launcher: all cases passed"
