#!/usr/bin/env bash
# The sanitizer pass of CI, after scripts/test.sh: the tests of the receiver, media, control and
# Bluetooth code in an AddressSanitizer + UndefinedBehaviorSanitizer build, then every fuzz
# target for a short fixed time from its seed corpus. Both builds use clang and live beside the
# plain one (build-asan/, build-fuzz/; PIVORA_ASAN_DIR, PIVORA_FUZZ_DIR move them).
#   PIVORA_SANITIZE_LABELS  test folders to run (a ctest -L expression)
#   PIVORA_FUZZ_SECONDS     time each fuzz target gets (default 30)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
asan=${PIVORA_ASAN_DIR:-$root/build-asan}
fuzz=${PIVORA_FUZZ_DIR:-$root/build-fuzz}
labels=${PIVORA_SANITIZE_LABELS:-^(castcore|scairplay|mdnsresponder|media|control|bluetooth)$}
fuzz_seconds=${PIVORA_FUZZ_SECONDS:-30}
jobs=$(nproc)

export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

configure() {  # dir, extra cmake arguments...
  local dir=$1
  shift
  [ -f "$dir/build.ninja" ] && return 0
  CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DPIVORA_BUILD_BENCH=OFF "${launcher[@]}" "$@" >/dev/null
}

echo "== AddressSanitizer + UndefinedBehaviorSanitizer: tests labelled $labels"
# Line tables are enough for the reports and keep the build quick.
configure "$asan" -DCMAKE_BUILD_TYPE=Debug -DPIVORA_SANITIZE=address,undefined \
  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -gline-tables-only" -DCMAKE_C_FLAGS_DEBUG="-O1 -gline-tables-only"
# Only what the chosen tests need: their executables (whose dependencies come along).
mapfile -t tests < <(cd "$asan" && ctest -N -L "$labels" | sed -n 's/^ *Test *#[0-9]*: \(.*\)$/\1/p')
mapfile -t known < <(cmake --build "$asan" --target help | sed -n 's/^\([A-Za-z0-9_.-]*\): .*/\1/p')
targets=()
for t in "${tests[@]}"; do
  printf '%s\n' "${known[@]}" | grep -qx "$t" && targets+=("$t")
done
cmake --build "$asan" -j"$jobs" --target "${targets[@]}"
# Leaks are errors; the suppressions hold only what system libraries keep until exit. UBSan
# findings stop the test that made them.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$asan" && ctest -L "$labels" --output-on-failure -j"$jobs" --timeout 600)

echo "== Fuzzing: ${fuzz_seconds} s per target"
configure "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIVORA_FUZZ=ON -DPIVORA_BUILD_TESTS=ON
mapfile -t fuzzers < <(cut -d' ' -f1 "$fuzz/fuzz-targets.txt")
cmake --build "$fuzz" -j"$jobs" --target "${fuzzers[@]}"
failed=()
lsan="suppressions=$root/tests/lsan.supp"
while read -r name corpus stacks; do
  [ -n "$name" ] || continue
  # Targets marked "full" meet Qt's known leaks, which the suppressions recognise only on full
  # stacks.
  unwind=fast_unwind_on_malloc=1
  [ "$stacks" = full ] && unwind=fast_unwind_on_malloc=0
  # New inputs go to a scratch folder; the seed corpus in the tree stays as committed.
  scratch=$(mktemp -d)
  mkdir "$scratch/corpus"
  echo "-- $name"
  if ! (cd "$scratch" && ASAN_OPTIONS="$unwind" LSAN_OPTIONS="$lsan" "$fuzz/bin/$name" -max_total_time="$fuzz_seconds" -timeout=25 -rss_limit_mb=4096 \
        -print_final_stats=1 "$scratch/corpus" "$corpus" 2>"$scratch/log"); then
    tail -n 60 "$scratch/log"
    failed+=("$name")
    mkdir -p "$fuzz/crashes" && cp "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$fuzz/crashes/" 2>/dev/null || true
  else
    grep -E "^stat::number_of_executed_units|^Done" "$scratch/log" || true
  fi
  rm -rf "$scratch"
done <"$fuzz/fuzz-targets.txt"
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz targets that found a fault: ${failed[*]} (inputs in $fuzz/crashes)"
  exit 1
fi
echo "${#fuzzers[@]} passed, 0 failed"
