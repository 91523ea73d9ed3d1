#!/usr/bin/env bash
# Checks the Debian package as a new user's machine meets it, in a fresh minimal Debian root made
# by tools/debian-root.sh: it builds the package from a clean clone of CHECKOUT's committed state,
# installs it with apt, runs lintian (which must report nothing at all), desktop-file-validate and
# appstreamcli on it, runs tolvane-tiles, then starts the desktop entry's command on Xvfb with an
# empty home and checks that the sample tiles landed and the window opened. Needs root.
#
#   [SUITE=bookworm|trixie] tools/check-package.sh [CHECKOUT]    (default: this checkout)
#
# SUITE is the Debian release to check on: bookworm (Debian 12, the default) or trixie (Debian
# 13). The root is made once and kept pristine in $ROOT.base; every run gets a fresh copy in
# $ROOT, where it stays for a look afterwards (its log is $ROOT/tmp/check-package.log). ROOT is
# /tmp/tolvane-check-package-SUITE unless set.
set -euo pipefail

app_id=io.github.tolvane.Tolvane
log=/tmp/check-package.log

if [ "${1:-}" != --inside ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "check-package.sh needs root: it makes a Debian root, mounts /proc, /sys, /dev" >&2
        exit 1
    fi
    tools=$(cd "$(dirname "$0")" && pwd)
    checkout=$(cd "${1:-"$tools/.."}" && pwd)
    "$tools/install-packages.sh" debootstrap
    export SUITE=${SUITE:-bookworm}
    export ROOT=${ROOT:-/tmp/tolvane-check-package-$SUITE}
    export BASE=$ROOT.base
    status=0
    REMOVE='' "$tools/debian-root.sh" "$checkout" 'tools/check-package.sh --inside' || status=$?
    [ "$status" -eq 0 ] || echo "check-package: the log is $ROOT$log"
    exit "$status"
fi

# Inside the fresh root, at the clone, as root.
fail() {
    echo "check-package: FAILED: $*"
    exit 1
}

echo "check-package: building the package"
tools/package.sh >"$log" 2>&1 || { tail -n 20 "$log"; fail "tools/package.sh"; }
deb=$(tail -n 1 "$log")
echo "check-package: installing $deb"
apt-get install -y -q "$deb" >>"$log" 2>&1 || fail "apt-get install $deb"
tools/install-packages.sh lintian desktop-file-utils appstream xvfb xdotool >>"$log" 2>&1 ||
    fail "installing the checking tools"

# Every tag lintian knows, pedantic and experimental ones included; none may show. Run by an
# unprivileged user, as lintian asks, on a copy that user can read.
copy=$(mktemp -d)
chmod 755 "$copy"
cp "$deb" "$copy/"
status=0
report=$(cd "$copy" && setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME=/tmp \
    lintian --pedantic --info --display-experimental "${deb##*/}" 2>&1) || status=$?
if [ -n "$report" ] || [ "$status" -ne 0 ]; then
    echo "$report"
    fail "lintian (status $status)"
fi
echo "check-package: lintian --pedantic --info --display-experimental reports nothing"

desktop=/usr/share/applications/$app_id.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || { echo "$report"; fail "desktop-file-validate"; }
echo "check-package: desktop-file-validate accepts $desktop"
metainfo=/usr/share/metainfo/$app_id.metainfo.xml
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) ||
    { echo "$report"; fail "appstreamcli validate"; }
! grep -q '^[EWI]:' <<<"$report" || { echo "$report"; fail "appstreamcli validate"; }
echo "check-package: appstreamcli validate accepts $metainfo without a remark"

listed=$(tolvane-tiles --list | grep -c '\.bmp ') || true
[ "$listed" -eq 187 ] || fail "tolvane-tiles --list names $listed pictures, not 187"
echo "check-package: tolvane-tiles --list names 187 pictures"

# The desktop entry's command, without field codes, as a desktop would start it.
command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[A-Za-z]//g')
home=$(mktemp -d)
Xvfb :77 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
# Waited for, so that nothing holds the root's /dev when it is unmounted.
trap 'kill "${editor:-}" "$xvfb" 2>/dev/null; wait' EXIT
for _ in $(seq 50); do
    [ -e /tmp/.X11-unix/X77 ] && break
    sleep 0.1
done
echo "check-package: starting '$command' with the empty home $home"
env -i HOME="$home" PATH=/usr/bin:/bin DISPLAY=:77 LANG=C.UTF-8 sh -c "$command" \
    >"$home.out" 2>&1 &
editor=$!
window=
for _ in $(seq 300); do
    window=$(DISPLAY=:77 xdotool search --name "^Tolvane v1.1\$" 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    kill -0 "$editor" 2>/dev/null || break
    sleep 0.1
done
[ -n "$window" ] || { cat "$home.out"; fail "no window named 'Tolvane v1.1' within 30 s"; }
echo "check-package: the window 'Tolvane v1.1' opened (X window $window)"
tiles=$(find "$home/Documents/pardovine" -maxdepth 1 -type f -name '*.bmp' | wc -l)
[ "$tiles" -eq 187 ] || fail "$tiles tiles in ~/Documents/pardovine, not 187"
echo "check-package: 187 sample tiles in ~/Documents/pardovine"
echo "check-package: all checks passed"
