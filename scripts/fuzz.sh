#!/usr/bin/env bash
# A short libFuzzer run of the rules reader: accepted texts must read back to what the
# writer made of them, rejected ones must name a line of the text. Seconds as argument.
set -euo pipefail
source "$(dirname "$0")/env.sh"
seconds=${1:-60}
out=$QEW_BUILD/fuzz
mkdir -p "$out/corpus"
sources=$(ls "$QEW_ROOT"/rules/*.cpp "$QEW_ROOT"/platform/*.cpp | grep -v -E '_win32\.cpp$')
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I"$QEW_ROOT" $sources "$QEW_ROOT/fuzz/ParseTextFuzzer.cpp" -o "$out/parse_text_fuzzer"
cp -n "$QEW_ROOT"/tests/data/*.txt "$out/corpus/" 2>/dev/null || true
"$out/parse_text_fuzzer" -max_total_time="$seconds" -dict="$QEW_ROOT/fuzz/rules.dict" \
  -max_len=4096 -print_final_stats=1 "$out/corpus" 2>"$out/fuzz.log" || { tail -40 "$out/fuzz.log"; exit 1; }
grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added' "$out/fuzz.log"
