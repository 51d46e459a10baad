# Sourced by every script that starts Wine: the 64-bit loader, the prefix, a
# locale under which Wine keeps accented file names, and clear messages when
# Wine cannot start at all.
#
# Debian's `wine` wrapper picks the 32-bit loader whenever it is installed,
# even on hosts whose kernel refuses 32-bit code ("Exec format error"), and
# its `winepath`, `wineboot` and `wine reg` go through that wrapper too. So
# nothing here calls the wrapper: `wine`, `winepath`, `wineboot` and
# `wineserver` below are functions that go straight to the 64-bit binaries.

# velto_find_wine: sets WINELOADER and WINESERVER, or says why it cannot.
velto_find_wine() {
  local c
  WINELOADER=${VELTO_WINELOADER:-}
  if [ -n "$WINELOADER" ] && [ ! -x "$WINELOADER" ]; then
    echo "velto: VELTO_WINELOADER names $WINELOADER, which is not an executable Wine loader." >&2
    return 1
  fi
  if [ -z "$WINELOADER" ]; then
    for c in /usr/lib/wine/wine64 /usr/lib64/wine/wine64 /usr/lib/x86_64-linux-gnu/wine/wine64 \
             "$(command -v wine64 2>/dev/null || true)"; do
      [ -n "$c" ] && [ -x "$c" ] && { WINELOADER=$c; break; }
    done
  fi
  if [ -z "$WINELOADER" ]; then
    if [ -x /usr/lib/wine/wine ] || command -v wine >/dev/null 2>&1; then
      echo "velto: only the 32-bit Wine loader is installed; Velto is a 64-bit program and needs the 64-bit one (Debian package wine64)." >&2
    else
      echo "velto: Wine is not installed (Debian packages wine and wine64; './velto.sh install' installs them)." >&2
    fi
    return 1
  fi
  WINESERVER=${VELTO_WINESERVER:-}
  if [ -z "$WINESERVER" ]; then
    for c in "$(dirname "$WINELOADER")/wineserver64" "$(dirname "$WINELOADER")/wineserver" \
             "$(command -v wineserver 2>/dev/null || true)"; do
      [ -n "$c" ] && [ -x "$c" ] && { WINESERVER=$c; break; }
    done
  fi
  if [ -z "$WINESERVER" ]; then
    echo "velto: Wine's server (wineserver64) was not found beside $WINELOADER." >&2
    return 1
  fi
  local out rc=0
  out=$("$WINELOADER" --version 2>&1) || rc=$?
  if [ "$rc" -ne 0 ]; then
    if [ "$rc" -eq 126 ]; then
      echo "velto: this host cannot run the 64-bit Wine loader $WINELOADER (Exec format error): it needs an x86-64 Linux kernel." >&2
    else
      echo "velto: the 64-bit Wine loader $WINELOADER does not start (exit $rc): $out" >&2
    fi
    return 1
  fi
  export WINELOADER WINESERVER
}

# velto_locale [strict]: Wine converts Unix file names through the process
# locale; under a locale that is not installed, or is not UTF-8, it mangles
# every accented name. Keep the user's locale when it is an installed UTF-8
# one, otherwise use C.UTF-8 and say so. With "strict" (tests, benchmarks),
# always C.UTF-8, so results do not depend on the caller.
velto_locale() {
  local cur=${LC_ALL:-${LC_CTYPE:-${LANG:-}}} norm
  if [ "${1:-}" != strict ] && [ -n "$cur" ]; then
    norm=$(printf '%s' "$cur" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    case "$norm" in
      *.utf8*)
        if locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/' | grep -qxF "$norm"; then
          export LANG=$cur LC_ALL=$cur
          return 0
        fi
        echo "velto: the locale $cur is not installed on this machine; Wine runs under C.UTF-8 so that file names keep their accents." >&2 ;;
      *)
        echo "velto: the locale $cur is not a UTF-8 one; Wine runs under C.UTF-8 so that file names keep their accents." >&2 ;;
    esac
  fi
  export LANG=C.UTF-8 LC_ALL=C.UTF-8
}

wine() { "$WINELOADER" "$@"; }
wineserver() { "$WINESERVER" "$@"; }
wineboot() { "$WINELOADER" wineboot.exe "$@"; }
winepath() { "$WINELOADER" winepath.exe "$@" | tr -d '\r'; }

# velto_wine_prefix: creates the prefix once. A prefix left half-made by an
# interrupted run has no ready mark: it is removed and made again.
velto_wine_prefix() {
  local ready=$WINEPREFIX/.velto-ready
  if [ -f "$ready" ]; then
    velto_wine_fonts
    return 0
  fi
  if [ -e "$WINEPREFIX" ]; then
    echo "== Removing the unfinished Wine prefix in $WINEPREFIX"
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  echo "== Creating the Wine prefix in $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
  if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -d "$WINEPREFIX/drive_c/windows/system32" ]; then
    echo "velto: the Wine prefix in $WINEPREFIX could not be created (wineboot left no system registry); see 'WINEDEBUG=err+all $WINELOADER wineboot.exe -i'." >&2
    return 1
  fi
  velto_wine_fonts
  touch "$ready"
}

# Wine draws the caption buttons (minimise, maximise, close) with its Marlett
# font, but this Wine does not find the TrueType fonts of its data directory,
# so the buttons came out as the letters "0 1 r". Fonts in the prefix's own
# Fonts folder are always found.
velto_wine_fonts() {
  local f dest=$WINEPREFIX/drive_c/windows/Fonts
  [ -d "$dest" ] || return 0
  for f in /usr/share/wine/fonts/*.ttf; do
    [ -f "$f" ] && [ ! -e "$dest/$(basename "$f")" ] && cp "$f" "$dest/"
  done
  return 0
}

# velto_wine_driver null|x11: headless windows (they exist, nothing is drawn)
# or a real display. Without a driver (and no DISPLAY) every window fails,
# message boxes included; the next process picks the change up.
velto_wine_driver() {
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$1" /f >/dev/null 2>&1
  wineserver -k 2>/dev/null || true
}

# velto_wine_setup PREFIX [strict]: everything a script needs before its
# first Wine start.
velto_wine_setup() {
  export WINEPREFIX=$1 WINEDEBUG=-all
  export TZ=${TZ:-UTC}
  velto_find_wine || return 1
  velto_locale "${2:-}"
  velto_wine_prefix
}
