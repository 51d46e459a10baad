#!/usr/bin/env bash
# Velto's one entry script: install, build, test, demo, run, screenshot.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
BUILD=$ROOT/build
WIN=$BUILD/win64
NAT=$BUILD/native
JOBS=${JOBS:-2}
# shellcheck source=tools/wine-env.sh
. "$ROOT/tools/wine-env.sh"

PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 cmake clang libclang-rt-14-dev
          googletest xvfb imagemagick fonts-wine)

need_install() {
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || return 0
  [ -x /usr/lib/wine/wine64 ] || command -v wine64 >/dev/null || return 0
  command -v cmake >/dev/null || return 0
  command -v clang++ >/dev/null || return 0
  command -v Xvfb >/dev/null || return 0
  command -v import >/dev/null || return 0
  [ -d /usr/include/boost/regex ] || return 0
  [ -d /usr/src/googletest ] || return 0
  return 1
}

# apt-get update may fail for one index (a mirror in the middle of a sync):
# the indices that did download are still good, so go on and say which failed.
apt_update() {
  local log rc=0
  log=$(mktemp)
  $SUDO apt-get update >"$log" 2>&1 || rc=$?
  if [ "$rc" -ne 0 ] || grep -q '^[EW]: Failed to fetch' "$log"; then
    echo "== apt-get update could not fetch every index; going on with the others. Skipped:"
    grep -E '^(E|W): (Failed to fetch|Some index files failed)' "$log" | sed 's/^/     /' || tail -5 "$log" | sed 's/^/     /'
  fi
  rm -f "$log"
}

# When the security pocket's indices downloaded only in part, the main and
# security pockets can disagree on versions and apt refuses the install
# ("held broken packages"). One retry with the security pocket pinned below
# the main one lets apt pick versions that fit together.
apt_install() {
  local pin=/etc/apt/preferences.d/velto-security-pin
  if DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$@" >/dev/null; then
    return 0
  fi
  echo "== apt-get install failed; trying once more with the security pocket pinned below the main one ($pin)"
  printf 'Package: *\nPin: release l=Debian-Security\nPin-Priority: 100\n' | $SUDO tee "$pin" >/dev/null
  if DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$@" >/dev/null; then
    $SUDO rm -f "$pin"
    echo "== The install went through with the pin; the pin is removed again."
    return 0
  fi
  $SUDO rm -f "$pin"
  echo "velto: apt-get install failed, with and without the pin; the packages needed are: $*" >&2
  return 1
}

install_deps() {
  need_install || return 0
  echo "== Installing build dependencies (64-bit only: no i386 architecture, no wine32)"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  apt_update
  # Boost 1.81's headers where the release has them (bookworm), else the
  # release's default Boost.
  local boost=libboost1.81-dev
  apt-cache show "$boost" >/dev/null 2>&1 || boost=libboost-dev
  apt_install "${PACKAGES[@]}" "$boost"
}

wine_ready() {
  velto_wine_setup "$BUILD/wineprefix" "${1:-}"
}

# driver null|x11: headless windows (they exist, nothing is drawn) or a real
# display (Xvfb).
wine_driver() { velto_wine_driver "$1"; }

build() {
  install_deps
  velto_find_wine
  if [ ! -f "$WIN/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$WIN" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DVELTO_WINEPREFIX="$BUILD/wineprefix" \
      -DVELTO_WINELOADER="$WINELOADER" >/dev/null
  fi
  if [ ! -f "$NAT/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$NAT" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
      -DCMAKE_BUILD_TYPE=Debug >/dev/null
  fi
  echo "== Building the Windows tree (64-bit)"
  cmake --build "$WIN" -j"$JOBS"
  echo "== Building the native tree"
  cmake --build "$NAT" -j"$JOBS"
}

run_tests() {
  build
  wine_ready strict
  wine_driver null
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
  echo "== Windows tests under 64-bit Wine"
  (cd "$WIN" && ctest --output-on-failure -j"$JOBS") || rc=1
  if [ -d "$NAT/fuzz" ]; then
    echo "== Fuzz smoke runs"
    "$ROOT/fuzz/smoke.sh" "$NAT" "${FUZZ_SECONDS:-10}" || rc=1
  fi
  wineserver -k 2>/dev/null || true
  return $rc
}

fuzz() {
  build
  "$ROOT/fuzz/smoke.sh" "$NAT" "${1:-900}" "${@:2}"
  # The readers that go through system services run under Wine, on mutated
  # copies of the sample OLE documents and of the version sample.
  wine_ready
  local seeds=("$WIN/tests/docs/version_sample.exe") scratch
  for f in "$ROOT"/../shared/corpus/files/ole/*; do [ -f "$f" ] && seeds+=("$f"); done
  scratch=$(mktemp -d)
  echo "-- system_mutation: 10000 mutated copies of each of ${#seeds[@]} files"
  "$WINELOADER" "$WIN/tests/docs/system_mutation.exe" 10000 "$scratch" "${seeds[@]}"
  rm -rf "$scratch"
}

demo() {
  build
  wine_ready
  wine_driver null
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
  wine_ready
  wine_driver x11
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
  wine_ready
  wine_driver x11
  if [ -n "${DISPLAY:-}" ]; then
    wine "$WIN/velto.exe" "$@"
  else
    xvfb-run -a "$WINELOADER" explorer /desktop=velto,1280x900 "$WIN/velto.exe" "$@"
  fi
}

case "${1:-}" in
  build) build ;;
  test) run_tests ;;
  fuzz) shift; fuzz "$@" ;;
  demo) demo ;;
  screenshot) shift; screenshot "$@" ;;
  run) shift; run_window "$@" ;;
  install) install_deps ;;
  *) echo "usage: $0 {build|test|fuzz [seconds [target...]]|demo|run [args]|screenshot DIR OUT.png|install}" >&2; exit 2 ;;
esac
