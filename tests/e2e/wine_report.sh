#!/usr/bin/env bash
# Runs Corvalen.exe under Wine reporting one Windows version and compares the
# report with what the Windows API and wmic say there.
# Usage: wine_report.sh EXE FACTS_EXE WORK_DIR WINECFG_VERSION NAME VERSION
set -u
exe=$1 facts_exe=$2 work=$3 wine_version=$4 expected_name=$5 expected_version=$6
. "$(dirname "$0")/wine.sh"
start_wine_test "$work" "$wine_version"
raw=$work/report.raw report=$work/report.txt facts=$work/facts.txt

timeout 60 "$WINE" "$exe" < /dev/null > "$raw"
expect_equal "exit status" 0 "$?"
timeout 60 "$WINE" "$facts_exe" < /dev/null | tr -d '\r' > "$facts"

# Every newline leaves as CR LF; the prompt of pause ends the output.
lines=$(grep -c '' "$raw")
crlf_lines=$(grep -c $'\r$' "$raw")
bare_lf=$(tr -cd '\n' < "$raw" | wc -c)
expect_equal "every line ends in CR LF" "$bare_lf" "$crlf_lines"
expect_equal "only the prompt lacks a newline" "$((lines - 1))" "$bare_lf"
tr -d '\r' < "$raw" > "$report"

check_headers "$report"
expect_equal "os name" "$expected_name" "$(line_value "$report" "os name: ")"
expect_equal "os version" "$expected_version" "$(line_value "$report" "os version: ")"
expect_equal "os section" "=== os information ===
os name: $expected_name
os version: $expected_version
=== cpu infomation ===" "$(head -n 4 "$report")"

check_cpu "$report" "$facts"

total=$(sed -n 's/^total_bytes=//p' "$facts")
expect_match "memory line" \
  "^total $(gib_text "$total") GB \\([0-9]+\\.[0-9]{2} GB available\\)$" \
  "$(line_after "$report" "=== memory information ===")"

# The serial sections: the label, then what wmic itself prints, decoded.
wmic_text() {
  (cd "$WINEPREFIX/drive_c/windows/system32" &&
    timeout 60 "$WINE" wmic $1 < /dev/null | iconv -f UTF-16 -t UTF-8 | tr -d '\r')
}
section() {  # the lines from the one starting with $1 up to the next header
  awk -v start="$1" 'index($0, start) == 1 { on = 1 } on && /^=== / { exit } on' "$report"
}
expect_equal "processor id section" \
  "Cpu id Serial Number:$(wmic_text "cpu get processorid")" \
  "$(section "Cpu id Serial Number:")"
expect_equal "disk section" \
  "HardDisk Serial Number: $(wmic_text "path win32_physicalmedia get SerialNumber")" \
  "$(section "HardDisk Serial Number: ")"

# The network block against the adapter Wine lists first.
if grep -q '^adapter=none' "$facts"; then
  expect_equal "no adapter, no block" "Press any key to continue... " \
    "$(line_after "$report" "=== network information ===")"
else
  expect_equal "adapter block" "---- NetworkCard 1 ----" \
    "$(line_after "$report" "=== network information ===")"
  expect_equal "adapter name" "$(sed -n 's/^adapter_name=//p' "$facts")" \
    "$(line_value "$report" "Network Card Name: ")"
  expect_equal "adapter description" "$(sed -n 's/^adapter_description=//p' "$facts")" \
    "$(line_value "$report" "Network Card Description: ")"
  expect_equal "adapter addresses" "$(sed -n 's/^adapter_ip=//p' "$facts")" \
    "$(sed -n 's/^Local IP: //p' "$report")"
  expect_equal "adapter mac" "$(sed -n 's/^adapter_mac=//p' "$facts" | tr 'a-f:' 'A-F-')" \
    "$(line_value "$report" "Local Mac: ")"
  expect_equal "one adapter block" 1 "$(grep -c '^---- NetworkCard' "$report")"
fi

expect_match "pause prompt" '^Press any key to continue' "$(tail -n 1 "$report")"

# Arguments change nothing but the moment-to-moment figures.
timeout 60 "$WINE" "$exe" --help /? extra < /dev/null | tr -d '\r' > "$work/with-arguments.txt"
expect_equal "exit status with arguments" 0 "${PIPESTATUS[0]}"
steady() { grep -v -e '^CPU main frequency: ' -e '^total ' "$1"; }
expect_equal "report with arguments" "$(steady "$report")" \
  "$(steady "$work/with-arguments.txt")"

finish
