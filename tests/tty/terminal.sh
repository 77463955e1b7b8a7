#!/bin/bash
# The player's view of zarvel-tty in a real terminal: tmux runs it on a
# private server, send-keys types as a player would and capture-pane reads
# what the player sees.
# Usage: terminal.sh CASE RUNNER DATA_DIR WORK_DIR
#   wrap-60, wrap-120  the opening of the shipped game at that width: no
#                      word split across lines, no trailing blanks, no
#                      doubled command
#   conversation       an empty line leaves a conversation
#   name               the pre-filled position name is edited, not appended to
#   history            a command typed in one run comes back with Up in the next
#   speak              --speak hands the text to spd-say and typing stops it
set -u -f  # -f: the words of a line are checked one by one, unglobbed
case_name=$1 runner=$2 data=$3 work=$4
export LC_ALL=C.UTF-8  # line lengths in characters, not bytes
rm -rf "$work" && mkdir -p "$work/home" && cd "$work" || exit 1

# One private tmux server per run of the runner, all killed at the end.
servers=()
tmux_() { tmux -L "${servers[-1]}" -f /dev/null "$@"; }
kill_servers() {
  local server
  for server in "${servers[@]}"; do
    tmux -L "$server" kill-server 2>/dev/null
  done
}
trap kill_servers EXIT

fail() {
  echo "FAIL ($case_name): $1" >&2
  if ((${#servers[@]})); then
    echo "--- the terminal:" >&2
    tmux_ capture-pane -p -J -S - >&2 2>/dev/null
  fi
  exit 1
}

# The whole history of the pane, wrapped lines joined as one (so a line the
# runner wrote too long shows as longer than the width).
screen() { tmux_ capture-pane -p -J -S -; }

# Waits until the pane holds the text (grep -F) count times; a slow or loaded
# machine only makes this take longer.
wait_for() {
  local text=$1 count=${2:-1} tries
  for ((tries = 0; tries < 1200; tries++)); do
    (($(screen | grep -cF -- "$text") >= count)) && return 0
    sleep 0.1
  done
  fail "waited 120 s for \"$text\" (${count}x)"
}

# Starts the runner in a terminal of the given width; it runs from a shell
# that reports how it ended.
start() {
  local width=$1
  shift
  servers+=("zarvel-tty-test-$$-${#servers[@]}")
  tmux_ new-session -d -x "$width" -y 50 \
    -e HOME="$work/home" -e XDG_STATE_HOME= -e LANG=C.UTF-8 -e PATH="$PATH" \
    -e SPOKEN="${SPOKEN:-}" \
    "cd '$work' && '$runner' $*; echo \"runner ended with status \$?\"; sleep 600"
  tmux_ set-option -g history-limit 10000 >/dev/null
  wait_for "[napiš S, P, I nebo Q]"
}

type_line() { tmux_ send-keys -l -- "$1" && tmux_ send-keys Enter; }

# The words of the text as the runner writes it without wrapping.
unwrapped_words() {
  printf 's\ni\n' | "$runner" --width 0 "$@" 2>/dev/null | tr ' ' '\n' |
    sort -u
}

check_wrapping() {
  local width=$1 words
  words=$(unwrapped_words)
  start "$width"
  # The bytes the runner sends to the terminal from here on: a screen
  # reader must get text only, no escape sequence (cursor movement, redraw,
  # colours, bracketed paste) and no bell.
  tmux_ pipe-pane -o "cat >>'$work/bytes'"
  type_line s
  wait_for "> "
  type_line i
  wait_for "> i"
  wait_for "> " 2
  tmux_ pipe-pane
  [[ -s $work/bytes ]] || fail "nothing recorded from the terminal"
  ! grep -q $'[\e\a]' "$work/bytes" ||
    fail "escape or bell sent: $(grep -a $'[\e\a]' "$work/bytes" | cat -v)"
  local line
  while IFS= read -r line; do
    case $line in "> "* | "[napiš"*) continue ;; esac
    ((${#line} <= width)) || fail "a line of ${#line} characters: $line"
    [[ $line != *" " ]] || fail "a line ends with a blank: [$line]"
    local word
    for word in $line; do
      grep -qxF -- "$word" <<<"$words" ||
        fail "\"$word\" is not a word of the text (split?) in: $line"
    done
  done < <(screen)
  (($(screen | grep -c '^>i$') == 0)) || fail "the game echoed \"i\" again"
  (($(screen | grep -c '^> i$') == 1)) || fail "\"> i\" is not there once"
}

case $case_name in
  wrap-60) check_wrapping 60 ;;
  wrap-120) check_wrapping 120 ;;
  conversation)
    start 80 --data "$data"
    type_line s
    wait_for "Můžeš jít na sever."
    for command in s s "mluv stařenu"; do type_line "$command"; done
    wait_for "[číslo 1–2, prázdný řádek = konec rozhovoru]"
    type_line 2
    wait_for "[číslo 1–2, prázdný řádek = konec rozhovoru]" 2
    type_line ""
    wait_for "Předčasně jsi ukončil rozhovor."
    type_line i
    wait_for "Neseš zápalky."
    ;;
  name)
    start 80 --data "$data"
    type_line s
    wait_for "Můžeš jít na sever."
    type_line uložit
    wait_for "[číslo 1–9, prázdný řádek = zpět]"
    type_line 1
    wait_for "Vlož jméno pozice:"
    type_line "Sklep á"
    wait_for "Pozice byla úspěšně uložena"
    type_line uložit
    wait_for "1. Sklep á"
    type_line 1
    wait_for "> Sklep á" 2  # the old name, ready to edit
    tmux_ send-keys BSpace && tmux_ send-keys -l "s klíčem" &&
      tmux_ send-keys Enter
    wait_for "Pozice byla úspěšně uložena" 2
    [[ $(head -c 4 pozice_01.sav | od -An -tx1 | tr -d ' ') == fffe5300 ]] ||
      fail "pozice_01.sav does not start with FF FE and S"
    name=$(iconv -f UTF-16LE -t UTF-8 pozice_01.sav | tail -c +4 | head -1 |
      tr -d '\r' | cut -c1-16)
    [[ $name == "Sklep s klíčem"* ]] || fail "the name was saved as [$name]"
    ;;
  history)
    start 80 --data "$data"
    type_line s
    wait_for "Můžeš jít na sever."
    type_line "prozkoumej skříň"
    wait_for "Otevřel jsi skříň."
    tmux_ send-keys C-d
    wait_for "runner ended with status 0"
    start 80 --data "$data"
    type_line s
    wait_for "Můžeš jít na sever."
    tmux_ send-keys Up
    wait_for "> prozkoumej skříň"
    tmux_ send-keys Enter
    wait_for "Otevřel jsi skříň."
    grep -qxF "prozkoumej skříň" "$work/home/.local/state/zarvel/history" ||
      fail "the history file does not hold the command"
    ;;
  speak)
    mkdir -p fake
    # Records each call, its arguments one a line, then a line "--end".
    cat >fake/spd-say <<'FAKE'
#!/bin/sh
for argument in "$@"; do printf '%s\n' "$argument"; done >>"$SPOKEN"
echo "--end" >>"$SPOKEN"
FAKE
    chmod +x fake/spd-say
    export PATH="$work/fake:$PATH" SPOKEN="$work/spoken.txt"
    start 80 --data "$data" --speak
    type_line s
    wait_for "Můžeš jít na sever."
    type_line i
    wait_for "Neseš zápalky."
    type_line ""
    wait_for "> " 3
    # Each text in order, in Czech, and a cancel as soon as a key is typed.
    expected=$'-l\ncs\n--\nZarvel (2009–2011), napsali brokvin a fendrik'
    [[ $(head -4 spoken.txt) == "$expected" ]] ||
      fail "the first call was not the credits in Czech: $(head -4 spoken.txt)"
    calls=$(grep -xF -e "-C" -e "-l" -e "Sklep. Stojí tu stará skříň." \
      -e "Neseš zápalky." spoken.txt | tr '\n' ' ')
    [[ $calls == "-l -C -l Sklep. Stojí tu stará skříň. -C -l Neseš zápalky. -C " ]] ||
      fail "the calls came as: $calls"
    ! grep -qF "[" spoken.txt || fail "a prompt was spoken"
    ;;
  *) fail "unknown case" ;;
esac
exit 0
