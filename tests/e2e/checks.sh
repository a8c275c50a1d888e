# Shared checks for the end-to-end scripts. Each failed check prints what was
# expected and what the report said; `finish` sets the exit status.

failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect_equal WHAT EXPECTED ACTUAL
expect_equal() {
  if [ "$2" != "$3" ]; then
    fail "$1"$'\n'"  expected: [$2]"$'\n'"  actual:   [$3]"
  fi
}

# expect_match WHAT REGEX ACTUAL
expect_match() {
  if ! [[ "$3" =~ $2 ]]; then
    fail "$1"$'\n'"  pattern: $2"$'\n'"  actual:  [$3]"
  fi
}

# The line after the first line that starts with LABEL, or the labelled
# line's value: line_value FILE LABEL
line_value() {
  local file=$1 label=$2 line
  while IFS= read -r line; do
    if [[ "$line" == "$label"* ]]; then
      printf '%s' "${line#"$label"}"
      return 0
    fi
  done < "$file"
  return 1
}

# line_after FILE LINE: the line that follows LINE exactly.
line_after() {
  awk -v want="$2" 'found { print; exit } $0 == want { found = 1 }' "$1"
}

# The report's headers must be the five in order.
check_headers() {
  local headers
  headers=$(grep '^=== ' "$1")
  expect_equal "the five headers in order" "=== os information ===
=== cpu infomation ===
=== memory information ===
=== harddisk information ===
=== network information ===" "$headers"
}

# gib_text BYTES: whole mebibytes as gibibytes, two decimals, halves up.
gib_text() {
  local mib=$(($1 >> 20))
  local hundredths=$(((mib * 100 + 512) / 1024))
  printf '%d.%02d' $((hundredths / 100)) $((hundredths % 100))
}

# check_frequency REPORT: the estimate lies in a wide band around the
# kernel's figure, when the kernel gives one.
check_frequency() {
  local mhz kernel
  mhz=$(line_value "$1" "CPU main frequency: ")
  expect_match "clock estimate" '^-?[0-9]+MHz$' "$mhz"
  kernel=$(awk -F': *' '/^cpu MHz/ { printf "%d", $2; exit }' /proc/cpuinfo)
  if [ -n "$kernel" ] && [ "$kernel" -gt 0 ]; then
    mhz=${mhz%MHz}
    if [ "$mhz" -lt $((kernel / 3)) ] || [ "$mhz" -gt $((kernel * 3)) ]; then
      fail "clock estimate ${mhz} MHz far from the kernel's ${kernel} MHz"
    fi
  fi
}

# check_cpu REPORT FACTS: vendor, brand and processor id against CPUID.
check_cpu() {
  local report=$1 facts=$2
  expect_equal "vendor" "$(sed -n 's/^vendor=//p' "$facts")" \
    "$(line_value "$report" "CPU manufacture: ")"
  expect_equal "brand" "$(sed -n 's/^brand=//p' "$facts")" \
    "$(line_value "$report" "CPU type: ")"
  check_frequency "$report"
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}
