#!/usr/bin/env bash
# Runs zarvel-tty RUNS times on randomly damaged copies of the shipped data
# files: lines dropped, duplicated and swapped, bytes flipped, numbers
# replaced by huge and negative ones. Each run plays a dozen commands and
# must end by itself within 60 s with status 0 and no sanitizer report. The
# damage comes from the seed, printed on failure; the failing data is kept
# in WORK_DIR/dat.
# Usage: MutatedData.sh RUNNER DATA_DIR WORK_DIR RUNS [SEED]
set -euo pipefail
runner=$1 data=$2 work=$3 runs=$4 seed=${5:-14}
RANDOM=$seed
rm -rf "$work"
mkdir -p "$work"
cd "$work"
printf '%s\n' S r i s j v z n d prozkoumej "seber klíč" "mluv" 1 pomoc \
  "ulož" 1 "Zkouška" "nač" 1 r >play.keys
files=("$data"/*.txt)

# Damages one file in place; the awk program does the line and number
# changes, a byte flip goes through dd.
mutate() {
  local file=$1 kind=$((RANDOM % 6)) size offset byte
  case $kind in
    0 | 1 | 2 | 3)
      awk -v kind="$kind" -v seed="$RANDOM" '
        BEGIN { srand(seed) }
        { line[NR] = $0 }
        END {
          if (NR == 0) exit
          a = int(rand() * NR) + 1; b = int(rand() * NR) + 1
          huge[0] = "2147483647"; huge[1] = "-2147483648"; huge[2] = "99999999999"
          huge[3] = "-1"; huge[4] = "4294967296"; huge[5] = "-999999"
          for (i = 1; i <= NR; i++) {
            if (kind == 0 && i == a) continue                  # drop a line
            if (kind == 2 && i == a) { print line[b]; continue } # swap two
            if (kind == 2 && i == b) { print line[a]; continue }
            if (kind == 3 && i == a) {                          # a number
              s = line[i]
              if (match(s, /[0-9]+/)) s = substr(s, 1, RSTART - 1) huge[int(rand() * 6)] substr(s, RSTART + RLENGTH)
              print s; continue
            }
            print line[i]
            if (kind == 1 && i == a) print line[i]              # duplicate
          }
        }' "$file" >"$file.new"
      # awk ends the last line with LF; keep the file as it came otherwise.
      mv "$file.new" "$file"
      ;;
    *)
      size=$(stat -c %s "$file")
      ((size > 0)) || return 0
      offset=$(((RANDOM * 32768 + RANDOM) % size))
      byte=$(printf '%02x' $((RANDOM % 256)))
      printf "\\x$byte" | dd of="$file" bs=1 seek="$offset" conv=notrunc status=none
      ;;
  esac
}

for ((run = 1; run <= runs; run++)); do
  rm -rf dat pozice_0*.sav
  cp -R "$data" dat
  for ((m = 0, n = 1 + RANDOM % 4; m < n; m++)); do
    mutate "dat/$(basename "${files[RANDOM % ${#files[@]}]}")"
  done
  status=0
  timeout 60 "$runner" --no-pause --data dat --keys play.keys >run.out 2>run.err || status=$?
  if [ "$status" -ne 0 ] || grep -q -e 'runtime error' -e 'Sanitizer' run.err; then
    tail -n 40 run.err
    echo "FAIL (seed $seed, run $run): status $status$([ "$status" -eq 124 ] && echo ' (no end within 60 s)'); the damaged data is in $work/dat"
    exit 1
  fi
done
echo "mutated data: $runs runs, no crash, hang or sanitizer report"
