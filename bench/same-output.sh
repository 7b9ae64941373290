#!/bin/bash
# Compares two builds of the compiler: every test source, example and
# benchmark program, and a generated 8000-line source, in the modes "", -O,
# -C, "-O -C" and -V:0080. The output file, standard output, standard error
# and exit status must be the same byte for byte. Further sources may follow:
# files, or folders whose every file is one (a fuzzing queue, say).
# usage: bench/same-output.sh OLD-COMPILER NEW-COMPILER [SOURCE...]
set -u
old=$(realpath "$1")
new=$(realpath "$2")
shift 2
repo=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$repo/bench/gen_source.py" 8000 > "$work/b8k.c"
n=0
d=0
files=$(cd "$repo" && git ls-files 'tests/*.c' 'examples/*.c' 'bench/programs/*.c' | sed "s|^|$repo/|"
        echo "$work/b8k.c"
        for extra in "$@"; do find "$(realpath "$extra")" -type f | sort; done)
# The compiler reads an argument that begins with / as a switch: it runs from
# / with relative paths.
rel() { echo "${1#/}"; }
for f in $files; do
    for mode in "" "-O" "-C" "-O -C" "-V:0080"; do
        for side in old new; do
            bin=$old
            [ $side = new ] && bin=$new
            rm -f "$work/$side.asm"
            (cd / && $bin $mode "$(rel "$f")" "$(rel "$work/$side.asm")" > "$work/$side.out" 2> "$work/$side.err"
             echo "status $?" >> "$work/$side.out")
        done
        n=$((n + 1))
        if ! cmp -s "$work/old.out" "$work/new.out" || ! cmp -s "$work/old.err" "$work/new.err" ||
           ! { [ ! -e "$work/old.asm" ] && [ ! -e "$work/new.asm" ] || cmp -s "$work/old.asm" "$work/new.asm"; }; then
            d=$((d + 1))
            echo "DIFF ${f#$repo/} $mode"
        fi
    done
done
echo "$n compilations, $d differ"
[ $d -eq 0 ]
