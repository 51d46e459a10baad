#!/usr/bin/env bash
# Velto's one entry script: install, build, test, demo, run, screenshot.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BUILD=$ROOT/build
WIN=$BUILD/win32
NAT=$BUILD/native
export WINEPREFIX=$BUILD/wineprefix
export WINEDEBUG=-all
JOBS=${JOBS:-2}

need_install() {
  command -v i686-w64-mingw32-g++-posix >/dev/null || return 0
  command -v wine >/dev/null || return 0
  command -v cmake >/dev/null || return 0
  command -v clang++ >/dev/null || return 0
  command -v Xvfb >/dev/null || return 0
  command -v import >/dev/null || return 0
  [ -d /usr/include/boost/regex ] || return 0
  [ -d /usr/src/googletest ] || return 0
  dpkg -s wine32:i386 >/dev/null 2>&1 || return 0
  return 1
}

install_deps() {
  need_install || return 0
  echo "== Installing build dependencies"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo dpkg --add-architecture i386
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq \
    g++-mingw-w64-i686-posix wine wine32:i386 wine64 libboost1.81-dev cmake \
    clang libclang-rt-14-dev googletest xvfb imagemagick fonts-wine >/dev/null
}

wine_prefix() {
  if [ ! -f "$WINEPREFIX/.velto-ready" ]; then
    echo "== Creating the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
    touch "$WINEPREFIX/.velto-ready"
  fi
}

# Headless windows: the null graphics driver (windows exist, nothing is drawn).
wine_headless() {
  wine_prefix
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  wineserver -k 2>/dev/null || true
}

# A real display (Xvfb): the x11 driver.
wine_display() {
  wine_prefix
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11 /f >/dev/null 2>&1
  wineserver -k 2>/dev/null || true
}

build() {
  install_deps
  if [ ! -f "$WIN/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$WIN" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DVELTO_WINEPREFIX="$WINEPREFIX" >/dev/null
  fi
  if [ ! -f "$NAT/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$NAT" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
      -DCMAKE_BUILD_TYPE=Debug >/dev/null
  fi
  echo "== Building the Win32 tree"
  cmake --build "$WIN" -j"$JOBS"
  echo "== Building the native tree"
  cmake --build "$NAT" -j"$JOBS"
}

run_tests() {
  export LANG=C.UTF-8 TZ=${TZ:-UTC}
  build
  wine_headless
  wineserver -p 2>/dev/null || true
  # Start Wine's background services now, outside ctest: a service started by
  # a test program would inherit its output pipe and keep ctest waiting.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  # Every run starts from empty scratch directories.
  rm -rf "$WIN/testdata" "$NAT/testdata"
  mkdir -p "$WIN/testdata" "$NAT/testdata"
  local rc=0
  echo "== Native tests"
  (cd "$NAT" && ctest --output-on-failure -j"$JOBS") || rc=1
  echo "== Win32 tests under Wine"
  (cd "$WIN" && ctest --output-on-failure -j"$JOBS") || rc=1
  if [ -d "$NAT/fuzz" ]; then
    echo "== Fuzz smoke runs"
    "$ROOT/fuzz/smoke.sh" "$NAT" || rc=1
  fi
  wineserver -k 2>/dev/null || true
  return $rc
}

demo() {
  export LANG=C.UTF-8
  build
  wine_headless
  local tmp
  tmp=$(mktemp -d)
  cp -r "$ROOT/sample" "$tmp/sample"
  echo "== Sample directory before: $tmp/sample"
  (cd "$tmp/sample" && find . -mindepth 1 | sed 's|^\./||' | sort)
  "$ROOT/tools/demo-run.sh" "$WIN/velto.exe" "$tmp/sample"
  echo "== After"
  (cd "$tmp/sample" && find . -mindepth 1 | sed 's|^\./||' | sort)
  rm -rf "$tmp"
}

screenshot() {
  local dir=${1:?usage: velto.sh screenshot DIR OUT.png} out=${2:?usage: velto.sh screenshot DIR OUT.png}
  build
  wine_display
  local disp=:97
  Xvfb $disp -screen 0 1280x1024x24 >/dev/null 2>&1 &
  local xpid=$!
  sleep 1
  local wdir
  wdir=$(winepath -w "$dir")
  DISPLAY=$disp wine explorer /desktop=velto,1280x900 "$WIN/velto.exe" /D "$wdir" >/dev/null 2>&1 &
  local vpid=$!
  sleep "${SHOT_WAIT:-6}"
  DISPLAY=$disp import -window root "$out"
  kill $vpid 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  kill $xpid 2>/dev/null || true
  echo "Screenshot saved to $out"
}

run_window() {
  build
  if [ -n "${DISPLAY:-}" ]; then
    wine_display
    wine "$WIN/velto.exe" "$@"
  else
    wine_display
    xvfb-run -a wine explorer /desktop=velto,1280x900 "$WIN/velto.exe" "$@"
  fi
}

case "${1:-}" in
  build) build ;;
  test) run_tests ;;
  demo) demo ;;
  screenshot) shift; screenshot "$@" ;;
  run) shift; run_window "$@" ;;
  install) install_deps ;;
  *) echo "usage: $0 {build|test|demo|run [args]|screenshot DIR OUT.png|install}" >&2; exit 2 ;;
esac
