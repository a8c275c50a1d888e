#!/usr/bin/env bash
# The command capture through Wine's cmd.exe, and the faults around it: an
# interpreter that cannot start and a stray wmic.bat in the current folder.
# Usage: wine_capture.sh EXE CAPTURE_PROBE_EXE WORK_DIR
set -u
exe=$1 probe=$2 work=$3
. "$(dirname "$0")/wine.sh"
start_wine_test "$work" win7

long=$(printf 'x%.0s' $(seq 300))
captured=$(timeout 60 "$WINE" "$probe" "rem nothing" "echo one& echo two" \
  "echo $long" "echo only-on-stderr 1>&2" "wmic cpu get processorid" \
  2> "$work/probe-stderr.txt" < /dev/null | tr -d '\r')
wmic_id=$(cd "$WINEPREFIX/drive_c/windows/system32" &&
  timeout 60 "$WINE" wmic cpu get processorid < /dev/null |
  iconv -f UTF-16 -t UTF-8 | tr -d '\r' | sed 's/$/\\n/' | tr -d '\n')
expect_equal "captured texts" "[]
[one\\ntwo\\n]
[$long\\n]
[]
[$wmic_id]" "$captured"
grep -q only-on-stderr "$work/probe-stderr.txt" ||
  fail "the tool's standard error goes to the program's standard error"

# An interpreter that cannot start stops the report with status 1 after the
# lines already written; no later section and no pause follows.
cp "$exe" "$WINEPREFIX/drive_c/Corvalen.exe"
timeout 60 "$WINE" cmd /c 'set ComSpec=C:\nowhere\nocmd.exe&& C:\Corvalen.exe' \
  < /dev/null > "$work/no-interpreter.out" 2> "$work/no-interpreter.err"
expect_equal "exit status without an interpreter" 1 "$?"
expect_equal "error message" "_popen() failed!" "$(tr -d '\r' < "$work/no-interpreter.err")"
expect_equal "lines before the failure" "=== os information ===
os name: windows 7
os version: 6.1
=== cpu infomation ===
CPU manufacture: " "$(tr -d '\r' < "$work/no-interpreter.out" | head -n 5 | sed 's/^\(CPU manufacture: \).*/\1/')"
expect_match "the report stops at the processor id" 'CPU main frequency: [0-9]+MHz$' \
  "$(tr -d '\r' < "$work/no-interpreter.out" | tail -n 1)"

# A wmic.bat beside the user's files must not answer for the real tool.
mkdir -p "$work/user-folder"
printf '@echo IMPOSTOR\r\n' > "$work/user-folder/wmic.bat"
(cd "$work/user-folder" && timeout 60 "$WINE" "$exe" < /dev/null > "$work/stray.out")
grep -q IMPOSTOR "$work/stray.out" && fail "the stray wmic.bat was run"
expect_equal "the real wmic answered" "ProcessorId" \
  "$(tr -d '\r' < "$work/stray.out" | sed -n 's/^Cpu id Serial Number:\(ProcessorId\) *$/\1/p')"
expect_equal "the stray file is untouched and the folder kept" "@echo IMPOSTOR" \
  "$(tr -d '\r' < "$work/user-folder/wmic.bat")"

finish
