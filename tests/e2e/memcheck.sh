#!/usr/bin/env bash
# One run of the Linux binary under valgrind's memcheck: no errors and
# nothing definitely lost.
# Usage: memcheck.sh VALGRIND CORVALEN WORK_DIR
set -u
valgrind=$1 corvalen=$2 work=$3
. "$(dirname "$0")/checks.sh"
mkdir -p "$work"
timeout 300 "$valgrind" --tool=memcheck --error-exitcode=99 --leak-check=full \
  --errors-for-leak-kinds=definite --show-leak-kinds=definite \
  --log-file="$work/memcheck.log" "$corvalen" < /dev/null > "$work/report.txt"
status=$?
expect_equal "exit status under memcheck" 0 "$status"
grep -q 'ERROR SUMMARY: 0 errors' "$work/memcheck.log" || fail "memcheck errors"
grep -q 'definitely lost: [1-9]' "$work/memcheck.log" && fail "memory definitely lost"
[ "$failures" -eq 0 ] || cat "$work/memcheck.log" >&2
finish
