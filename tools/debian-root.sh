#!/usr/bin/env bash
# Runs a command in a fresh minimal Debian root, as on a newcomer's machine: makes the root with
# debootstrap (--variant=minbase, from the mirror this machine's apt uses), clones CHECKOUT's
# committed state into /root/tolvane there, mounts /proc, /sys and /dev, and runs COMMAND in the
# clone as root with a clean environment. Whatever it mounted is unmounted when it ends, also when
# the command or the script fails or is interrupted. Its exit status is the command's. Needs root
# and debootstrap.
#
#   tools/debian-root.sh CHECKOUT COMMAND
#
#   SUITE   the Debian release: bookworm (Debian 12, the default) or trixie (Debian 13)
#   ROOT    where the root is made (default /tmp/tolvane-root-SUITE); anything there is replaced
#   BASE    when set, a pristine root is kept there, made once and copied to ROOT for every run
#   REMOVE  when 1, ROOT is removed at the end; otherwise it stays for a look afterwards
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: [SUITE=bookworm|trixie] [ROOT=...] [BASE=...] [REMOVE=1]" \
        "tools/debian-root.sh CHECKOUT COMMAND" >&2
    exit 2
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "debian-root.sh needs root: it makes a Debian root and mounts /proc, /sys, /dev" >&2
    exit 2
fi
checkout=$(cd "$1" && pwd)
command=$2
suite=${SUITE:-bookworm}
root=${ROOT:-/tmp/tolvane-root-$suite}
base=${BASE:-}

say() { echo "debian-root: $*"; }

# Whatever is mounted at or below a folder, deepest first.
mounts_under() {
    awk -v dir="$1" '$5 == dir || index($5, dir "/") == 1 {print $5}' /proc/self/mountinfo |
        sort -r
}

# Unmounts everything below a root; fails when something stays mounted.
unmount_all() {
    local mount
    for mount in $(mounts_under "$1"); do
        umount "$mount" 2>/dev/null || umount -l "$mount" 2>/dev/null || true
    done
    [ -z "$(mounts_under "$1")" ]
}

# Removes a root, but never while anything is mounted in it: a bound /dev would go with it.
remove_root() {
    unmount_all "$1" || {
        say "something stays mounted in $1; not removing it" >&2
        return 1
    }
    rm -rf "$1"
}

# debootstrap into a folder made aside and then renamed, so that a broken run never leaves a
# root that looks whole. The mirror is the first one this machine's apt names, else Debian's own.
bootstrap() {
    local target=$1 mirror log=$1.debootstrap.log
    mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null) ||
        true
    [ -n "$mirror" ] || mirror=$(awk '/^deb / {print $2; exit}' /etc/apt/sources.list 2>/dev/null) ||
        true
    mirror=${mirror:-http://deb.debian.org/debian}
    say "making a minimal Debian $suite root in $target from $mirror"
    remove_root "$target.partial"
    debootstrap --variant=minbase "$suite" "$target.partial" "$mirror" >"$log" 2>&1 || {
        tail -n 20 "$log"
        say "FAILED: debootstrap (see $log)"
        return 1
    }
    unmount_all "$target.partial" || {
        say "FAILED: debootstrap left mounts in $target.partial"
        return 1
    }
    mv -T "$target.partial" "$target"
}

# shellcheck disable=SC2317 # run by the trap below
finish() {
    local status=$?
    if ! unmount_all "$root"; then
        say "could not unmount all of $root" >&2
        status=1
    elif [ "${REMOVE:-}" = 1 ]; then
        rm -rf "$root" "$root.partial" "$root.debootstrap.log"
    fi
    exit "$status"
}
trap finish EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

remove_root "$root"
if [ -n "$base" ]; then
    [ -x "$base/bin/bash" ] || bootstrap "$base"
    cp -a "$base" "$root"
else
    bootstrap "$root"
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"
[ -z "$(git -C "$checkout" status --porcelain)" ] ||
    say "$checkout has uncommitted changes; only its last commit is used"
git clone -q --no-hardlinks "$checkout" "$root/root/tolvane"
say "Debian $suite, commit $(git -C "$root/root/tolvane" log -1 --format='%h %s')"

mount -t proc proc "$root/proc"
# Slaves of the machine's own, so that unmounting them here never reaches the machine's.
for system in sys dev; do
    mount --rbind "/$system" "$root/$system"
    mount --make-rslave "$root/$system"
done
status=0
chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "cd /root/tolvane && $command" </dev/null || status=$?
exit "$status"
