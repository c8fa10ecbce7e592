#!/bin/sh
# Runs every fuzz target for FUZZ_SECONDS (default 60) each, two at a time,
# then merges what they found into the committed corpus and reports the
# executions per target and the line coverage the corpus reaches in library/.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
SECONDS_EACH=${FUZZ_SECONDS:-60}
JOBS=${FUZZ_JOBS:-2}
FUZZ_DIR="$ROOT/build-fuzz"
COV_DIR="$ROOT/build-cov"
WORK="$FUZZ_DIR/work"
cd "$ROOT"

CC=clang CXX=clang++ cmake -S . -B "$FUZZ_DIR" -G Ninja -DXELO_FUZZ=ON -DXELO_SANITIZE=ON \
    -DXELO_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$FUZZ_DIR" -j "$JOBS"
targets=$(cd "$FUZZ_DIR/bin" && ls fuzz_* | sed 's/^fuzz_//')
rm -rf "$WORK"
mkdir -p "$WORK"

run_one() {
    name=$1
    mkdir -p "$WORK/$name" "fuzz/regressions/$name"
    "$FUZZ_DIR/bin/fuzz_$name" -max_total_time="$SECONDS_EACH" -dict=fuzz/tags.dict \
        -print_final_stats=1 -artifact_prefix="fuzz/regressions/$name/" \
        "$WORK/$name" "fuzz/corpus/$name" > "$WORK/$name.log" 2>&1 || echo "FINDING in $name: see $WORK/$name.log"
}

set -- $targets
while [ $# -gt 0 ]; do
    batch=""
    i=0
    while [ $# -gt 0 ] && [ $i -lt "$JOBS" ]; do
        run_one "$1" &
        batch="$batch $!"
        shift
        i=$((i + 1))
    done
    wait $batch
done

# Keep the smallest corpus that covers what was found.
for name in $targets; do
    mkdir -p "$WORK/$name.merged"
    "$FUZZ_DIR/bin/fuzz_$name" -merge=1 "$WORK/$name.merged" "fuzz/corpus/$name" "$WORK/$name" \
        > "$WORK/$name.merge.log" 2>&1
    rm -rf "fuzz/corpus/$name"
    mv "$WORK/$name.merged" "fuzz/corpus/$name"
done

# Line coverage of library/ reached by the corpus of every target.
CC=clang CXX=clang++ cmake -S . -B "$COV_DIR" -G Ninja -DXELO_COVERAGE=ON -DXELO_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=Debug > /dev/null
cmake --build "$COV_DIR" -j "$JOBS" > /dev/null
rm -f "$COV_DIR"/*.profraw
for name in $targets; do
    LLVM_PROFILE_FILE="$COV_DIR/$name.profraw" "$COV_DIR/bin/fuzz_$name" "fuzz/corpus/$name" > /dev/null
done
llvm-profdata merge -o "$COV_DIR/all.profdata" "$COV_DIR"/*.profraw
objects=""
for name in $targets; do
    if [ -z "$objects" ]; then objects="$COV_DIR/bin/fuzz_$name"; else objects="$objects -object $COV_DIR/bin/fuzz_$name"; fi
done
# shellcheck disable=SC2086
coverage=$(llvm-cov report -instr-profile="$COV_DIR/all.profdata" $objects "$ROOT/library" | tail -1)

printf '\n%-24s %12s %10s %s\n' target executions corpus findings
for name in $targets; do
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$WORK/$name.log")
    size=$(ls "fuzz/corpus/$name" | wc -l)
    found=$(ls "fuzz/regressions/$name" | grep -vc '^\.keep$' || true)
    printf '%-24s %12s %10s %s\n' "$name" "${execs:-?}" "$size" "$found"
done
echo "library/ coverage (regions, functions, lines, branches): $coverage"
