#!/usr/bin/env bash
# Short libFuzzer runs, one per target: the rules reader (accepted texts must read back to
# what the writer made of them, rejected ones must name a line of the text) and the template
# proposals (their contract). Seconds per target as argument.
set -euo pipefail
source "$(dirname "$0")/env.sh"
seconds=${1:-60}
out=$QEW_BUILD/fuzz
portable=$(ls "$QEW_ROOT"/rules/*.cpp "$QEW_ROOT"/platform/*.cpp | grep -v -E '_win32\.cpp$')
suggest=$(echo "$QEW_ROOT"/wizard/TemplateSuggest.cpp "$QEW_ROOT"/wizard/TemplateRules.cpp "$QEW_ROOT"/wizard/suggest/*.cpp)

# name | sources beyond the portable ones | seed files | extra libFuzzer options
targets=(
  "parse_text|$QEW_ROOT/fuzz/ParseTextFuzzer.cpp|$QEW_ROOT/tests/data/*.txt|-dict=$QEW_ROOT/fuzz/rules.dict -max_len=4096"
  "suggest|$QEW_ROOT/fuzz/SuggestFuzzer.cpp $suggest|$QEW_ROOT/tests/data/SuggestTitles.txt|-max_len=2048"
)

for target in "${targets[@]}"; do
  IFS='|' read -r name sources seeds options <<<"$target"
  mkdir -p "$out/$name/corpus"
  # shellcheck disable=SC2086
  clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I"$QEW_ROOT" $portable $sources -o "$out/${name}_fuzzer"
  # shellcheck disable=SC2086
  cp -n $seeds "$out/$name/corpus/" 2>/dev/null || true
  echo "== $name"
  # shellcheck disable=SC2086
  "$out/${name}_fuzzer" -max_total_time="$seconds" $options -print_final_stats=1 "$out/$name/corpus" \
    2>"$out/$name.log" || { tail -40 "$out/$name.log"; exit 1; }
  grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added' "$out/$name.log"
done
