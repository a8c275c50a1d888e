#!/usr/bin/env bash
# The Linux binary when its standard streams misbehave.
# Usage: native_faults.sh CORVALEN WORK_DIR
set -u
corvalen=$1 work=$2
. "$(dirname "$0")/checks.sh"
mkdir -p "$work"

# A reader that leaves after one line: the program ends quietly, at the
# latest when its next write finds the pipe gone (SIGPIPE, status 141).
first=$(timeout 20 "$corvalen" < /dev/null 2> "$work/early-close.err" | head -n 1)
status=${PIPESTATUS[0]}
expect_equal "what the reader got" "=== os information ===" "$first"
[ "$status" -eq 0 ] || [ "$status" -eq 141 ] ||
  fail "status $status when the reader left early (0 or SIGPIPE expected)"
expect_equal "nothing on standard error" "" "$(cat "$work/early-close.err")"

# Standard input closed at the pause: the program goes on and exits 0.
timeout 20 "$corvalen" <&- > "$work/closed-input.out" 2> "$work/closed-input.err"
expect_equal "exit status with standard input closed" 0 "$?"
expect_equal "prompt at the end" "Press any key to continue . . . " \
  "$(tail -n 1 "$work/closed-input.out")"
expect_equal "nothing on standard error" "" "$(cat "$work/closed-input.err")"

# Standard output closed: nothing to write to, nothing to crash about.
timeout 20 "$corvalen" < /dev/null >&- 2> "$work/closed-output.err"
expect_equal "exit status with standard output closed" 0 "$?"
expect_equal "nothing on standard error" "" "$(cat "$work/closed-output.err")"

finish
