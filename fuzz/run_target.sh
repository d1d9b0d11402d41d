#!/bin/sh
# Runs one fuzz target for FUZZ_TIME seconds on its grown corpus and its
# seeds. Prints the run count on success; on a crash, hang or leak prints the
# log's end and leaves a mark in build-fuzz/failed/ so the caller can list it.
# Usage: run_target.sh BUILD_DIR SEED_DIR TARGET
set -u
build=$1 seeds_root=$2 target=$3
name=$(basename "$target")
mkdir -p "$build/corpus/$name" "$build/artifacts" "$build/failed"
seeds=$seeds_root/$name
[ -d "$seeds" ] || seeds=
if "$target" -max_total_time="$FUZZ_TIME" -timeout="$FUZZ_INPUT_TIMEOUT" -print_final_stats=1 \
     -artifact_prefix="$build/artifacts/$name-" "$build/corpus/$name" $seeds \
     > "$build/$name.log" 2>&1; then
  echo "== $name ($FUZZ_TIME s): $(grep -E '^#[0-9]+[[:space:]]+DONE|^Done [0-9]+ runs' "$build/$name.log")"
else
  echo "== $name ($FUZZ_TIME s) FAILED:"; tail -n 40 "$build/$name.log"
  touch "$build/failed/$name"
fi
