#!/usr/bin/env bash
# Where wmic is gone, the processor-id and disk sections come from WMI in
# process and hold the same identifiers, row for row, as wmic printed.
# Usage: wine_wmi.sh EXE WORK_DIR
set -u
exe=$1 work=$2
. "$(dirname "$0")/wine.sh"
start_wine_test "$work" win10

# The two serial sections' rows: label lines and the rows under them, with
# trailing spaces and empty rows set aside (Wine's wmic pads and ends its
# table a little differently from Windows').
serial_rows() {
  tr -d '\r' < "$1" | awk '
    /^Cpu id Serial Number:/ || /^HardDisk Serial Number: / { on = 1 }
    /^=== / { on = 0 }
    on' | sed 's/ *$//' | grep -v '^$'
}

timeout 60 "$WINE" "$exe" < /dev/null > "$work/with-wmic.out"
expect_equal "exit status with wmic" 0 "$?"

rm -f "$WINEPREFIX/drive_c/windows/system32/wbem/wmic.exe" \
  "$WINEPREFIX/drive_c/windows/syswow64/wbem/wmic.exe"
# No interpreter either: were any tool command started, the run would end
# with "_popen() failed!". The pause, which also needs it, is skipped.
cp "$exe" "$WINEPREFIX/drive_c/Corvalen.exe"
timeout 60 "$WINE" cmd /c 'set ComSpec=C:\nowhere\nocmd.exe&& C:\Corvalen.exe' \
  < /dev/null > "$work/without-wmic.out" 2> "$work/without-wmic.err"
expect_equal "exit status without wmic" 0 "$?"
expect_equal "nothing on standard error" "" "$(cat "$work/without-wmic.err")"

with=$(serial_rows "$work/with-wmic.out")
without=$(serial_rows "$work/without-wmic.out")
expect_match "identifiers reported" $'ProcessorId\n[0-9A-F]{16}' "$with"
expect_equal "the same rows without wmic" "$with" "$without"
check_headers <(tr -d '\r' < "$work/without-wmic.out")

finish
