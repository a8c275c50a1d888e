#!/usr/bin/env bash
# The closing pause of the Linux binary: on a terminal (through script's
# pseudo-terminal), from a pipe, and with standard input closed.
# Usage: native_pause.sh CORVALEN WORK_DIR
set -u
corvalen=$1 work=$2
. "$(dirname "$0")/checks.sh"
mkdir -p "$work"
prompt="Press any key to continue . . . "
modes() { grep -o -- ' -\?echo \| -\?icanon ' "$1" | tr -d ' ' | tr '\n' ' '; }

# A key on a terminal: no echo of the key, a newline after it, and the
# terminal's modes restored.
(sleep 1; printf 'k') | timeout 20 script -qec \
  "sh -c '\"$corvalen\"; echo status=\$?; stty -a'" /dev/null > "$work/key.out"
expect_equal "exit status after a key" "status=0" "$(grep -o 'status=[0-9]*' "$work/key.out")"
grep -qF "$prompt"$'\r\n'"status=0" "$work/key.out" ||
  fail "the prompt, then a newline, then nothing of the key"
expect_equal "terminal modes after a key" "icanon echo " "$(modes "$work/key.out")"

# Ctrl-C at the prompt ends the program and still restores the terminal.
(sleep 1; printf '\003') | timeout 20 script -qec \
  "sh -c 'trap : INT; \"$corvalen\"; echo status=\$?; stty -a'" /dev/null > "$work/interrupt.out"
expect_equal "exit status after Ctrl-C" "status=130" "$(grep -o 'status=[0-9]*' "$work/interrupt.out")"
expect_equal "terminal modes after Ctrl-C" "icanon echo " "$(modes "$work/interrupt.out")"

# Not a terminal: one byte is read and the program goes on.
printf 'xyz' | timeout 20 "$corvalen" > "$work/pipe.out"
expect_equal "exit status with a pipe" 0 "${PIPESTATUS[1]}"
expect_equal "prompt ends the output" "$prompt" "$(tail -n 1 "$work/pipe.out")"

finish
