#!/usr/bin/env bash
# Random keystrokes through zarvel-tty with the shipped game: real commands,
# Czech letters, digits, the letters of the number row, Escape, Backspace
# and window-close requests (answered Cancel), in runs of RUN_KEYS
# keystrokes. Every run must end by itself (within 600 s) with status 0 and
# without a sanitizer report. The keys come from the seed, printed on
# failure together with the key script of the failing run; the keystrokes
# per second are printed at the end (a figure, not a test).
# Usage: KeyboardSoak.sh RUNNER WORK_DIR KEYSTROKES [SEED] [RUN_KEYS]
set -euo pipefail
runner=$1 work=$2 total=$3 seed=${4:-14} run_keys=${5:-2000}
RANDOM=$seed
rm -rf "$work"
mkdir -p "$work"
cd "$work"

commands=("r" "i" "s" "j" "v" "z" "n" "d" "sever" "jih" "inventář" "pomoc"
  "legenda" "slovník" "ulož" "nač" "seber klíč" "polož klíč" "prozkoumej"
  "prozkoumej stůl" "použij" "mluv" "mluv s babkou" "seber" "debug" "qwerty"
  "qwertz" "ticho" "hudba" "konec" "kon" "a" "n" "1" "2" "5")
keys=(a b c d e f g h i j k l m n o p q r s t u v w x y z A Z K
  á č ď é ě í ň ó ř š ť ú ů ý ž Á Č Ř Š Ž ľ
  0 1 2 3 4 5 6 7 8 9 + " " . "," "?" "/" ";" "=" "-"
  "{esc}" "{bs}" "{bs}" "{close}" "{key}" "{tab}" "{{")

# Writes one run's key script; sets typed to its keystroke count.
write_run() {
  local file=$1 line count=0 n i
  : >"$file"
  while ((count < run_keys)); do
    if ((RANDOM % 3 == 0)); then
      line=${commands[RANDOM % ${#commands[@]}]}
      count=$((count + ${#line} + 1))
    else
      line="" n=$((1 + RANDOM % 12))
      for ((i = 0; i < n; i++)); do line+=${keys[RANDOM % ${#keys[@]}]}; done
      count=$((count + n + 1))
    fi
    # Now and then a key without Enter, and a whole line of one kind.
    ((RANDOM % 10 == 0)) && line+="{noenter}"
    printf '%s\n' "$line" >>"$file"
  done
  typed=$count
}

done_keys=0 runs=0
start=$(date +%s.%N)
while ((done_keys < total)); do
  runs=$((runs + 1))
  write_run run.keys
  status=0
  timeout 600 "$runner" --no-pause --keys run.keys >run.out 2>run.err || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 40 run.err
    echo "FAIL (seed $seed, run $runs): status $status$([ "$status" -eq 124 ] && echo ' (no end within 600 s)'); the keys are in $work/run.keys"
    exit 1
  fi
  if grep -q -e 'runtime error' -e 'Sanitizer' run.err; then
    tail -n 40 run.err
    echo "FAIL (seed $seed, run $runs): sanitizer report; the keys are in $work/run.keys"
    exit 1
  fi
  done_keys=$((done_keys + typed))
done
end=$(date +%s.%N)
awk -v k="$done_keys" -v r="$runs" -v s="$start" -v e="$end" 'BEGIN {
  printf "keyboard soak: %d keystrokes in %d runs, %.1f s, %.0f keystrokes per second\n", k, r, e - s, k / (e - s) }'
