#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz", clang) and runs each one in turn.
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]     (default: 60 seconds, every target)
# Findings are written to build/fuzz/findings/TARGET; new inputs grow a working copy of
# the committed seed corpus in build/fuzz/corpus/TARGET.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then targets=(fuzz_profile fuzz_forms fuzz_cli fuzz_couple); fi

"$here/scripts/setup.sh" fuzz
cd "$here/build/fuzz"
for target in "${targets[@]}"; do
  mkdir -p "corpus/$target" "findings/$target"
  cp -n "$here/tests/fuzz/corpus/$target/"* "corpus/$target/" 2>/dev/null || true
  echo "== $target for $seconds s"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "tests/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -artifact_prefix="findings/$target/" -print_final_stats=1 "corpus/$target" 2>&1 |
    grep -E "^(#[0-9]+ *DONE|stat::number_of_executed_units|stat::peak_rss|==[0-9]+==|SUMMARY|Done)" || true
  if compgen -G "findings/$target/*" >/dev/null; then
    echo "$target: findings in build/fuzz/findings/$target" >&2
    exit 1
  fi
done
