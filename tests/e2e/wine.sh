# Runs Windows programs under 64-bit Wine in a prefix of the test's own.
# Source it, then call start_wine_test.

. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

WINE=${WINE:-/usr/lib/wine/wine64}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

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

# start_wine_test WORK_DIR VERSION: a fresh prefix under WORK_DIR reporting
# VERSION, its server stopped when the script ends.
start_wine_test() {
  export WINEPREFIX=$1/prefix
  mkdir -p "$1"
  trap stop_prefix EXIT
  new_prefix "$2"
}

# The Windows path of a Linux file, through Wine's Z: drive.
windows_path() {
  printf 'Z:%s' "$(realpath "$1" | tr / '\\')"
}
