#!/usr/bin/env bash
# Checks the Debian package as a new user's machine meets it: in a fresh minimal Debian 12 root
# (../shared/tools/fresh-machine.sh beside the checkout, in $ROOT, by default /tmp/tolvane-check-package) it builds
# the package from a clean clone of CHECKOUT's committed state, installs it with apt, runs lintian,
# desktop-file-validate and appstreamcli on it, then starts the desktop entry's command on Xvfb
# with an empty home and checks that the sample tiles landed and the window opened. Needs root.
#
#   tools/check-package.sh [CHECKOUT]    (default: this checkout)
set -euo pipefail

app_id=io.github.tolvane.Tolvane

if [ "${1:-}" != --inside ]; then
    checkout=${1:-"$(dirname "$0")/.."}
    "$(dirname "$0")/install-packages.sh" debootstrap
    # The shared tools folder lies beside the project's checkout.
    fresh_machine=${FRESH_MACHINE:-"$(cd "$(dirname "$0")/../.." && pwd)/shared/tools/fresh-machine.sh"}
    ROOT=${ROOT:-/tmp/tolvane-check-package} exec "$fresh_machine" "$checkout" \
        'tools/check-package.sh --inside'
fi

# Inside the fresh root, at the clone.
log=/tmp/check-package.log
fail() {
    echo "check-package: FAILED: $*"
    exit 1
}

echo "check-package: building the package"
tools/package.sh >"$log" 2>&1 || { tail -n 20 "$log"; fail "tools/package.sh"; }
deb=$(tail -n 1 "$log")
echo "check-package: installing $deb"
apt-get install -y -q "$deb" >>"$log" 2>&1 || fail "apt-get install $deb"
tools/install-packages.sh lintian desktop-file-utils appstream xvfb xdotool >>"$log" 2>&1

lintian --fail-on error,warning "$deb" || fail "lintian"
echo "check-package: lintian reports no error and no warning"
desktop=/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
echo "check-package: desktop-file-validate accepts $desktop"
appstreamcli validate --no-net "/usr/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli"

# The desktop entry's command, without field codes, as a desktop would start it.
command=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[A-Za-z]//g')
home=$(mktemp -d)
Xvfb :77 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "${editor:-}" "$xvfb" 2>/dev/null || true' EXIT
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
