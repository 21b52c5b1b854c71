#!/usr/bin/env bash
# Times the companion as the game starts it: RUNS runs (100 by default) in a scratch copy of
# the program directory, with a scratch data directory for its record of questions asked.
# Prints the mean and the slowest run in milliseconds.
#   bench/companion.sh [PROGRAM_DIR]        (default: build/kvizar)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-$root/build/kvizar}"
runs="${RUNS:-100}"
if [[ ! -x "$program/base" || ! -f "$program/bank.txt" ]]; then
  echo "companion.sh: no base and bank.txt in $program; build first" >&2
  exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$program" "$work/kvizar"
export XDG_DATA_HOME="$work/data"

total=0
max=0
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  "$work/kvizar/base"
  end=$(date +%s%N)
  t=$((end - start))
  total=$((total + t))
  if ((t > max)); then max=$t; fi
done
awk -v total="$total" -v max="$max" -v runs="$runs" \
  'BEGIN { printf "%d runs of base: mean %.2f ms, max %.2f ms\n", runs, total / runs / 1e6, max / 1e6 }'
