#!/usr/bin/env bash
# Runs the Linux binary with standard input at /dev/null and compares its
# report with what /etc/os-release, uname, CPUID, /proc and /sys say.
# Usage: native_report.sh CORVALEN NATIVE_FACTS WORK_DIR
set -u
corvalen=$1 facts_program=$2 work=$3
. "$(dirname "$0")/checks.sh"
mkdir -p "$work"
report=$work/report.txt facts=$work/facts.txt

timeout 20 "$corvalen" < /dev/null > "$report"
expect_equal "exit status" 0 "$?"
"$facts_program" > "$facts"

check_headers "$report"

# Operating system.
expected_name=$( (
  [ -r /etc/os-release ] && . /etc/os-release ||
    { [ -r /usr/lib/os-release ] && . /usr/lib/os-release; }
  printf '%s' "${PRETTY_NAME:-}"
))
expect_equal "os name" "$expected_name" "$(line_value "$report" "os name: ")"
release=$(uname -r)
major=${release%%.*} rest=${release#*.}
minor=${rest%%[!0-9]*}
expect_equal "os version" "$major.$minor" "$(line_value "$report" "os version: ")"

# Processor.
check_cpu "$report" "$facts"
expect_equal "processor id label" "Cpu id Serial Number:ProcessorId" \
  "$(grep '^Cpu id Serial Number:' "$report")"
expect_equal "processor id" "$(sed -n 's/^processor_id=//p' "$facts")" \
  "$(line_after "$report" "Cpu id Serial Number:ProcessorId")"

# Memory: the total to the byte; the available amount changes from moment
# to moment, so only its form is checked.
total_kib=$(awk '/^MemTotal:/ { print $2 }' /proc/meminfo)
memory=$(line_after "$report" "=== memory information ===")
expect_match "memory line" \
  "^total $(gib_text $((total_kib * 1024))) GB \\([0-9]+\\.[0-9]{2} GB available\\)$" \
  "$memory"

# Disks: one line per physical disk after the heading.
disks=0
for entry in /sys/block/*; do
  [ -e "$entry" ] || continue
  case "$(readlink "$entry")" in *devices/virtual/*) ;; *) disks=$((disks + 1)) ;; esac
done
disk_lines=$(awk '/^HardDisk Serial Number: /{ on = 1; next } /^=== /{ on = 0 } on' "$report" | wc -l)
expect_equal "disk heading" "HardDisk Serial Number: SerialNumber" \
  "$(grep '^HardDisk Serial Number: ' "$report")"
# The serial text ends with its own newline, so one empty line follows.
expect_equal "disk lines" "$((disks + 1))" "$disk_lines"

# Network: the first non-loopback interface, device-backed ones first.
first=""
for pass in device virtual; do
  for dir in $(for d in /sys/class/net/*; do
                 echo "$(cat "$d/ifindex") $d"; done | sort -n | cut -d' ' -f2); do
    flags=$(cat "$dir/flags")
    [ $((flags & 0x8)) -ne 0 ] && continue
    if [ "$pass" = device ] && [ -e "$dir/device" ]; then first=$dir; break 2; fi
    if [ "$pass" = virtual ] && [ ! -e "$dir/device" ]; then first=$dir; break 2; fi
  done
done
if [ -n "$first" ]; then
  name=${first##*/}
  driver=$name
  [ -L "$first/device/driver" ] && driver=$(basename "$(readlink "$first/device/driver")")
  expect_equal "adapter block" "---- NetworkCard 1 ----" \
    "$(line_after "$report" "=== network information ===")"
  expect_equal "adapter name" "$name" "$(line_value "$report" "Network Card Name: ")"
  expect_equal "adapter description" "$driver" \
    "$(line_value "$report" "Network Card Description: ")"
  mac=$(tr 'a-f:' 'A-F-' < "$first/address")
  expect_equal "adapter mac" "${mac:0:17}" "$(line_value "$report" "Local Mac: ")"
  if command -v ip > /dev/null; then
    ips=$(ip -4 -o addr show dev "$name" | awk '{ split($4, a, "/"); print a[1] }')
    [ -n "$ips" ] || ips=0.0.0.0
    expect_equal "adapter addresses" "$ips" \
      "$(sed -n 's/^Local IP: //p' "$report")"
  fi
else
  expect_equal "no adapter, no block" "Press any key to continue . . . " \
    "$(line_after "$report" "=== network information ===")"
fi

# The pause prompt closes the report, with no newline when no key came.
expect_equal "pause prompt" "Press any key to continue . . . " "$(tail -n 1 "$report")"
[ -z "$(tail -c 1 "$report" | tr -d ' ')" ] || fail "the prompt must end the output"

# Arguments change nothing but the moment-to-moment figures.
timeout 20 "$corvalen" --help /? extra < /dev/null > "$work/with-arguments.txt"
expect_equal "exit status with arguments" 0 "$?"
steady() { grep -v -e '^CPU main frequency: ' -e '^total ' "$1"; }
expect_equal "report with arguments" "$(steady "$report")" \
  "$(steady "$work/with-arguments.txt")"

finish
