#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what an installed copy holds: exactly
# the expected files (no tests, no build tools, no data tree), a valid desktop entry and AppStream
# metadata, and a program that runs from there.
# usage: check_install.sh BUILD_DIR FILE...   (FILE: expected, relative to the prefix /usr)
set -euo pipefail
build=$1
shift
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr
status=0
fail() {
  echo "FAIL: $*" >&2
  status=1
}

if ! diff -u <(printf '%s\n' "$@" | sort) <(cd "$root" && find . ! -type d | sed 's|^\./||' | sort); then
  fail "installed files differ from the expected ones (- expected, + installed)"
fi
for exe in bin/yardmark bin/yardmark-report; do
  [ -x "$root/$exe" ] || fail "$exe is not executable"
done

desktop-file-validate "$root"/share/applications/*.desktop || fail "desktop entry"
appstreamcli validate --no-net --explain "$root"/share/metainfo/*.metainfo.xml || fail "AppStream metadata"
appstreamcli validate-tree --no-net "$stage" || fail "AppStream tree (metadata, desktop entry, icon)"

# The installed report command runs; a file where its data folder belongs is named, not ignored.
"$root/bin/yardmark-report" --help 2>/dev/null || fail "yardmark-report --help"
echo "not a folder" >"$root/bin/YardMark"
set +e
err=$("$root/bin/yardmark-report" Season.htm Game1.mdb 2>&1 >/dev/null)
rc=$?
set -e
want="yardmark-report: Cannot make the data folder $root/bin/YardMark: a file of that name is in the way."
[ "$rc" -eq 1 ] || fail "yardmark-report exit $rc with a file in the way"
[ "$err" = "$want" ] || fail "message was: $err"
exit $status
