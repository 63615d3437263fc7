#!/usr/bin/env bash
# Runs the libFuzzer targets for a number of seconds each:
#   scripts/fuzz.sh [SECONDS] [TARGET...]      (default: 60 seconds, every target)
# TARGET is load, goniogram, render, check, ldt or write. Builds the targets into build-fuzz with
# clang when needed. Each target starts from the IES and EULUMDAT sample files, the broken-file
# corpus and the inputs of fixed findings (fuzz/regressions), plus what its earlier runs in this
# build folder found. Exits non-zero when any target reports a finding; the input that caused it
# is saved under build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(load goniogram render check ldt write)
usage="usage: $0 [SECONDS] [load|goniogram|render|check|ldt|write...]"
case "$seconds" in '' | *[!0-9]*) echo "$usage" >&2; exit 2 ;; esac
for target in "${targets[@]}"; do
  [ -f "fuzz/fuzz_$target.cpp" ] || { echo "unknown fuzz target: $target" >&2; exit 2; }
done

build=${LUMETRA_FUZZ_BUILD_DIR:-build-fuzz}
samples=${LUMETRA_SAMPLES_DIR:-../shared/samples}
ldt_samples=${LUMETRA_LDT_SAMPLES_DIR:-../shared/samples-ldt}

scripts/install-deps.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset fuzz -B "$build" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

# fuzz/regressions holds inputs that once made a target fail: every run tries them first.
seeds=(tests/data/broken fuzz/regressions)
if [ -d "$samples" ]; then
  seeds+=("$samples")
else
  echo "warning: no sample folder at $samples; fuzzing from the broken-file corpus alone" >&2
fi
[ -d "$ldt_samples" ] && seeds+=("$ldt_samples")

failed=()
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  dict=fuzz/ies.dict
  [ "$target" = ldt ] && dict=fuzz/ldt.dict
  echo "== fuzz_$target for $seconds s"
  # One process. Inputs are capped at 64 KiB: enough for every shape of file, small enough to
  # mutate quickly. An input slower than 20 s is a finding, and so is a single allocation of
  # 256 MB (no list of the largest grid a file may declare needs 2 MB). The process may grow
  # to 4 GB: the sanitizer's allocator keeps freed blocks of every size the declared grids ask
  # for, so its footprint creeps up over a long run without any leak.
  if ! "$build/fuzz/fuzz_$target" "$corpus" "${seeds[@]}" \
      -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -malloc_limit_mb=256 \
      -max_len=65536 \
      -dict="$dict" -artifact_prefix="$findings/" -print_final_stats=1 \
      2>"$build/fuzz_$target.log"; then
    failed+=("$target")
    tail -n 60 "$build/fuzz_$target.log" >&2
  fi
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)|DONE ' "$build/fuzz_$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found problems in: ${failed[*]} (inputs in $build/findings/)" >&2
  exit 1
fi
echo "fuzzing: no findings"
