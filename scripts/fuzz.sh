#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (ASan and UBSan) into
# build-fuzz/ and runs each for SECONDS seconds (default 60), starting from
# the seed corpus in fuzz/corpus/<target>/. New inputs collect in
# build-fuzz/corpus/<target>/, a failing input in build-fuzz/artifacts/.
# Ends with a failure when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
bash scripts/install-deps.sh
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSAMO_BUILD_FUZZ=ON -DTESSAMO_BUILD_TESTS=OFF -DTESSAMO_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz --target fuzzers --parallel "$(nproc)"
# Leaks inside third-party libraries are not ours to mend (see the file).
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan-suppressions.txt"
failed=()
for program in build-fuzz/fuzz/fuzz_*; do
  name="$(basename "$program")"
  mkdir -p "build-fuzz/corpus/$name" build-fuzz/artifacts
  echo "== $name: ${seconds} s"
  if ! "$program" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$name-" \
       "build-fuzz/corpus/$name" "fuzz/corpus/$name" 2>"build-fuzz/$name.log"; then
    failed+=("$name")
    tail -n 40 "build-fuzz/$name.log"
  fi
  grep -E "^(Done|stat::number_of_executed_units)" "build-fuzz/$name.log" || true
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]}" >&2
  exit 1
fi
