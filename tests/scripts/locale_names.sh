#!/usr/bin/env bash
# File names under a user locale that is not installed: the scripts run Wine
# under C.UTF-8 instead, so an accented name renamed by a batch run keeps its
# accent; names the ANSI code page cannot hold are never selected and stay as
# they were, and so does the file whose name a best-fit conversion would give.
# Usage: locale_names.sh WINDOWS_BUILD_TREE (run by ctest, with WINEPREFIX set)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
WIN=$1
. "$ROOT/tools/wine-env.sh"
fail() { echo "FAIL: $*"; exit 1; }

unset LC_ALL LC_CTYPE
export LANG=en_US.UTF-8
locale -a 2>/dev/null | grep -qix 'en_us.utf8' && export LANG=xx_XX.UTF-8
velto_find_wine
velto_locale 2>"$WIN/testdata/locale.msg"
grep -q "not installed" "$WIN/testdata/locale.msg" || fail "no word about the missing locale: $(cat "$WIN/testdata/locale.msg")"
[ "$LC_ALL" = C.UTF-8 ] || fail "locale kept as $LC_ALL"

dir=$WIN/testdata/locale_names
rm -rf "$dir"; mkdir -p "$dir"
names=("café.txt" "Ωmega.txt" "日本.txt" "Łódź.txt" "Lodz.txt")
for n in "${names[@]}"; do printf '%s' "content of $n" >"$dir/$n"; done

out=$(VELTO_BINARY_DIR=$WIN wine "$WIN/tests/support/velto_answering.exe" \
        /D "$(winepath -w "$dir")" /S '*' /E 'x_%f' /R /Q /P) || fail "velto.exe did not end: $out"
echo "$out"

[ "$(cat "$dir/x_café.txt" 2>/dev/null)" = "content of café.txt" ] || fail "x_café.txt missing: $(ls "$dir")"
[ "$(cat "$dir/x_Lodz.txt" 2>/dev/null)" = "content of Lodz.txt" ] || fail "x_Lodz.txt missing: $(ls "$dir")"
[ ! -e "$dir/café.txt" ] || fail "café.txt still there"
for n in "Ωmega.txt" "日本.txt" "Łódź.txt"; do
  [ "$(cat "$dir/$n" 2>/dev/null)" = "content of $n" ] || fail "$n lost or changed: $(ls "$dir")"
done
[ "$(ls "$dir" | wc -l)" -eq 5 ] || fail "unexpected files: $(ls "$dir")"
! grep -q '^box:' <<<"$out" || fail "an error box for names that were never selected"
echo "locale_names: 1 passed, 0 failed"
