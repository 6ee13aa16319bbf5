# shellcheck shell=bash
# Sourced by the other tools/wine scripts (and usable from a shell).
# Debian's /usr/bin/wine always picks the 32-bit loader when it is installed,
# even where the kernel cannot execute it, so the loader is chosen here by
# actually trying it. ROKAN_WINE_32BIT=0 makes any host act as one without
# 32-bit code, so that road can be tried where 32-bit code runs.
#
# Exports: WINE (command to run an exe), WINELOADER (when the 64-bit loader is
# used directly), WINESERVER_BIN, WINEDEBUG, WINEDLLOVERRIDES and
# ROKAN_WINE_HAS_32BIT (1 when 32-bit exes can run here, else 0).

if [ -z "${ROKAN_WINE_ENV_DONE:-}" ]; then
  if [ "${ROKAN_WINE_32BIT:-}" != 0 ] && [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WINE=$(command -v wine || echo /usr/bin/wine)
    ROKAN_WINE_HAS_32BIT=1
  elif [ -x /usr/lib/wine/wine64 ]; then
    WINE=/usr/lib/wine/wine64
    export WINELOADER=/usr/lib/wine/wine64
    ROKAN_WINE_HAS_32BIT=0
  elif command -v wine >/dev/null 2>&1; then
    # Not Debian's layout (e.g. a WineHQ build): its own wrapper decides.
    WINE=$(command -v wine)
    ROKAN_WINE_HAS_32BIT=1
    [ "${ROKAN_WINE_32BIT:-}" != 0 ] || ROKAN_WINE_HAS_32BIT=0
  else
    echo "tools/wine: no Wine found" >&2
    return 1 2>/dev/null || exit 1
  fi
  # The Debian wineserver wrapper forces -p0; the real binary lets us choose.
  if [ -x /usr/lib/wine/wineserver64 ]; then
    WINESERVER_BIN=/usr/lib/wine/wineserver64
  else
    WINESERVER_BIN=$(command -v wineserver)
  fi
  export WINE WINESERVER_BIN ROKAN_WINE_HAS_32BIT
  # ROKAN_WINEDEBUG (e.g. "err+all,warn+msgbox") when a run needs Wine's logs.
  export WINEDEBUG=${ROKAN_WINEDEBUG:--all}
  # No Mono/Gecko install dialogs.
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export ROKAN_WINE_ENV_DONE=1
fi

# Prints "i386", "amd64" or "other" for a PE file, from the COFF machine field
# (the file name says nothing reliable).
rokan_pe_machine() {
  local off mach
  off=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  mach=$(od -An -tx2 -j$((off + 4)) -N2 "$1" | tr -d ' ')
  case "$mach" in
    014c) echo i386 ;;
    8664) echo amd64 ;;
    *) echo other ;;
  esac
}
