# Shared by the clipboard file benchmarks; needs $root and $build set.

# Wine empties the clipboard when the last program of its session ends: a sleeping helper keeps
# the session, and the data the set-up put there, between the measured runs. Ended on exit.
keep_wine_session() {
    "$root/tools/wine-run.sh" "$build/cliphelper.exe" sleep 3600000 >/dev/null &
    bench_keeper=$!
}

# same_records <program's file> <raw file>: the program's file starts with the name table of its
# registered format; the records after it must be the raw save's byte for byte.
same_records() {
    local table
    table=$(od -An -tu4 -j2 -N4 "$1" | tr -d ' ')
    tail -c +$((6 + table + 1)) "$1" | cmp - "$2" &&
        echo "saved records are identical (after a name table of $table bytes)"
}
