#!/usr/bin/env bash
# Reads the built Windows executable's headers, imports and resources.
# Usage: pe_inspection.sh EXE OBJDUMP WINDRES BITS
set -u
exe=$1 objdump=$2 windres=$3 bits=$4
. "$(dirname "$0")/checks.sh"

headers=$("$objdump" -p "$exe")
field() { awk -v key="$1" '$1 == key { print $2; exit }' <<< "$headers"; }

expect_equal "console subsystem" "00000003" "$(field Subsystem)"
characteristics=$((16#$(field DllCharacteristics)))
[ $((characteristics & 0x40)) -ne 0 ] || fail "ASLR (dynamic base) flag missing"
[ $((characteristics & 0x100)) -ne 0 ] || fail "DEP (NX compatible) flag missing"
if [ "$bits" = 32 ]; then
  expect_equal "PE32 image" "010b" "$(field Magic)"
  expect_equal "subsystem version" "5.1" \
    "$(field MajorSubsystemVersion).$(field MinorSubsystemVersion)"
fi

# Imports only from Windows' own DLLs: no runtime DLL travels beside it.
dlls=$(sed -n 's/^\s*DLL Name: //p' <<< "$headers" | tr 'A-Z' 'a-z' | sort -u | tr '\n' ' ')
expect_equal "imported DLLs" \
  "iphlpapi.dll kernel32.dll msvcrt.dll " "$dlls"
# The shipped 32-bit executable must not import what Windows XP lacks.
if [ "$bits" = 32 ]; then
  for newer in GetTickCount64 InitializeConditionVariable InitOnceExecuteOnce \
               CreateSymbolicLinkW GetFileInformationByHandleEx; do
    grep -qw "$newer" <<< "$headers" && fail "imports $newer, which Windows XP lacks"
  done
fi

# Resources.
resources=$("$windres" -i "$exe" -O rc 2>/dev/null | grep -v '^  0x')
has() { grep -qF -- "$1" <<< "$resources" || fail "resource: missing $1"; }
has '1 24 /* RT_MANIFEST */'
has 'level=""asInvoker"" uiAccess=""false""'
has '>true</dpiAware>'
grep -q 'compatibility' <<< "$resources" && fail "the manifest declares no compatibility section"
has '102 14 /* RT_GROUP_ICON */'
has 'Has 1 elements.'
has '"\200\200\000\000", 1, 32,'
has '1 VERSIONINFO'
has 'FILEVERSION 1, 0, 0, 1'
has 'PRODUCTVERSION 1, 0, 0, 1'
has 'FILEFLAGSMASK 0x3f'
has 'FILEOS 0x40004'
grep -q 'FILEFLAGS 0x[1-9]\|FILETYPE 0x[1-9]\|FILESUBTYPE 0x[1-9]' <<< "$resources" &&
  fail "file flags, type and subtype are 0"
has 'BLOCK "040904b0"'
has 'VALUE "FileVersion", "1.0.0.1"'
has 'VALUE "ProductVersion", "1.0.0.1"'
has 'VALUE "FileDescription", L"\x83b7\x53d6\x786c\x4ef6\x4fe1\x606f"'
has 'VALUE "InternalName", "Corvalen"'
has 'VALUE "ProductName", "Corvalen"'
has 'VALUE "OriginalFilename", "Corvalen.exe"'
expect_equal "string tables" 1 "$(grep -c 'BLOCK "[0-9a-f]\{8\}"' <<< "$resources")"

finish
