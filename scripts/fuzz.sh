#!/usr/bin/env bash
# Short libFuzzer runs of every target in fuzz/ (NameFuzzer.cpp), the seconds given (60 unless
# told) shared among them. Each checks more than "no crash" (see the target's head). Seeds:
# the test data, and fuzz/seeds/NAME/ where it exists; the dictionary fuzz/NAME.dict, else
# fuzz/rules.dict.
set -euo pipefail
source "$(dirname "$0")/env.sh"
seconds=${1:-60}
out=$QEW_BUILD/fuzz
flags=(-std=c++20 -O1 -g -fno-sanitize-recover=all -I"$QEW_ROOT")
targets=("$QEW_ROOT"/fuzz/*Fuzzer.cpp)
share=$((seconds / ${#targets[@]}))
[ "$share" -ge 1 ] || share=1

# The portable core once for every target, two sources at a time: the rules, the platform
# layer and the template proposals.
mkdir -p "$out/obj"
rm -f "$out"/obj/*.o
ls "$QEW_ROOT"/rules/*.cpp "$QEW_ROOT"/platform/*.cpp "$QEW_ROOT"/wizard/TemplateSuggest.cpp \
  "$QEW_ROOT"/wizard/TemplateRules.cpp "$QEW_ROOT"/wizard/suggest/*.cpp | grep -v -E '_win32\.cpp$' |
  xargs -P "$(nproc)" -I{} sh -c 'clang++ "$@" -c "{}" -o "$0/obj/$(basename "{}" .cpp).o"' "$out" \
    "${flags[@]}" -fsanitize=fuzzer-no-link,address,undefined

for source in "${targets[@]}"; do
  name=$(basename "$source" .cpp)
  clang++ "${flags[@]}" -fsanitize=fuzzer,address,undefined "$out"/obj/*.o "$source" -o "$out/$name"
  corpus=$out/corpus/$name
  mkdir -p "$corpus"
  cp -n "$QEW_ROOT"/tests/data/*.txt "$corpus/" 2>/dev/null || true
  [ -d "$QEW_ROOT/fuzz/seeds/$name" ] && cp -n "$QEW_ROOT/fuzz/seeds/$name"/* "$corpus/" 2>/dev/null || true
  dict=$QEW_ROOT/fuzz/$name.dict
  [ -f "$dict" ] || dict=$QEW_ROOT/fuzz/rules.dict
  log=$out/$name.log
  "$out/$name" -max_total_time="$share" -dict="$dict" -max_len=4096 -print_final_stats=1 "$corpus" 2>"$log" ||
    { tail -40 "$log"; exit 1; }
  echo "$name ($share s):"
  grep -E 'stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added' "$log"
done
