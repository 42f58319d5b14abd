#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds (default 60), each with
# a corpus folder of its own under build/fuzz/corpus, started from the seed
# files under tests/fuzz/seeds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds="${1:-60}"
status=0
for target in "$root"/build/fuzz/tests/fuzz/fuzz_*; do
  [[ -x "$target" ]] || continue
  name=$(basename "$target")
  corpus="$root/build/fuzz/corpus/$name"
  seeds="$root/tests/fuzz/seeds/$name"
  mkdir -p "$corpus"
  echo "== $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus" "$seeds" 2>&1 \
    | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY|Done' || status=1
done
exit $status
