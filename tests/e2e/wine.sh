# Runs Windows programs under 64-bit Wine in a prefix of the test's own.
# Source it after setting WINEPREFIX.

WINE=${WINE:-/usr/lib/wine/wine64}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX

if [ ! -x "$WINE" ]; then
  echo "FAIL: $WINE is missing; scripts/test installs the wine64 package" >&2
  exit 1
fi

# A fresh prefix reporting the Windows version VERSION (winecfg's name).
new_prefix() {
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  timeout 120 "$WINE" wineboot --init > /dev/null 2>&1
  timeout 60 "$WINE" winecfg /v "$1" > /dev/null 2>&1
  timeout 60 "${WINE%/*}/wineserver" -w
}

stop_prefix() {
  "${WINE%/*}/wineserver" -k > /dev/null 2>&1 || true
}

# The Windows path of a Linux file, through Wine's Z: drive.
windows_path() {
  printf 'Z:%s' "$(realpath "$1" | tr / '\\')"
}
