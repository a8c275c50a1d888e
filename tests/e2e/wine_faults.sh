#!/usr/bin/env bash
# Corvalen.exe under Wine when the tool misbehaves or the standard streams
# do: a wmic that writes only to standard error, one that writes nothing,
# standard input closed at the pause, and a reader that leaves early.
# Usage: wine_faults.sh EXE RUN_WITHOUT_STDIN_EXE WORK_DIR
set -u
exe=$1 without_stdin=$2 work=$3
. "$(dirname "$0")/wine.sh"
start_wine_test "$work" win7
# The stand-ins come first on the PATH, and the real tool is taken away so
# that nothing but a stand-in can answer for it.
rm -f "$WINEPREFIX/drive_c/windows/system32/wbem/wmic.exe" \
  "$WINEPREFIX/drive_c/windows/system32/wmic.exe"
mkdir -p "$work/stderr-only" "$work/silent"
printf '@echo wmic: stand-in failure 1>&2\r\n' > "$work/stderr-only/wmic.bat"
printf '@rem\r\n' > "$work/silent/wmic.bat"

serial_lines() {
  tr -d '\r' < "$1" | grep -e '^Cpu id Serial Number:' -e '^HardDisk Serial Number:'
}
for stand_in in stderr-only silent; do
  WINEPATH=$(windows_path "$work/$stand_in") timeout 60 "$WINE" "$exe" < /dev/null \
    > "$work/$stand_in.out" 2> "$work/$stand_in.err"
  expect_equal "$stand_in: exit status" 0 "$?"
  check_headers <(tr -d '\r' < "$work/$stand_in.out")
  expect_equal "$stand_in: the labels alone" "Cpu id Serial Number:
HardDisk Serial Number: " "$(serial_lines "$work/$stand_in.out")"
  expect_equal "$stand_in: the lines after each label" "=== memory information ===
=== network information ===" "$(tr -d '\r' < "$work/$stand_in.out" |
    awk '/^(Cpu id|HardDisk) Serial Number:/ { getline; print }')"
done
expect_equal "the tool's complaints reach standard error" \
  "wmic: stand-in failure
wmic: stand-in failure" "$(tr -d '\r' < "$work/stderr-only.err" | sed 's/ *$//')"
expect_equal "a silent tool, a silent run" "" "$(cat "$work/silent.err")"

# Standard input closed at the pause: the program goes on and exits 0.
timeout 60 "$WINE" "$without_stdin" "$(windows_path "$exe")" \
  > "$work/closed-input.out" 2>&1
expect_equal "exit status with standard input closed" 0 "$?"
expect_match "the prompt ends the output" '^Press any key to continue' \
  "$(tr -d '\r' < "$work/closed-input.out" | tail -n 1)"

# A reader that leaves after the first line: no hang, no crash report.
first=$(timeout 60 "$WINE" "$exe" < /dev/null 2> "$work/early-close.err" | head -n 1 | tr -d '\r')
status=${PIPESTATUS[0]}
expect_equal "what the reader got" "=== os information ===" "$first"
[ "$status" -eq 0 ] || [ "$status" -eq 141 ] ||
  fail "status $status when the reader left early"
expect_equal "nothing on standard error" "" "$(cat "$work/early-close.err")"

finish
