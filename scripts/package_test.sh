#!/usr/bin/env bash
# The Debian package as a new user meets it: builds the .deb from a build folder, installs it
# with apt (which fetches its dependencies) into a fresh Debian 12 root, and there, as a normal
# user, asks the emulated mouse for its status, changes a setting, opens the window offscreen
# and checks that the settings landed in that user's ~/.config/karvo-gmouse; then removes the
# package again.
#   scripts/package_test.sh [BUILD_DIR]        (default: build)
# The bare Debian root is made once with debootstrap and kept as a tarball in
# $KARVO_PKGTEST_CACHE (default /var/cache/karvo-pkgtest), with apt's downloads, so later runs
# take a minute or two. Where it cannot run (not root, no debootstrap and no apt to get it, no
# network for the first root) it says so and ends with 0.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cache="${KARVO_PKGTEST_CACHE:-/var/cache/karvo-pkgtest}"
mirror="${KARVO_DEBIAN_MIRROR:-http://deb.debian.org/debian}"

skip() { echo "package test SKIPPED: $*"; exit 0; }
start=$SECONDS
step() { echo "== [$((SECONDS - start)) s] $*"; }

[ "$(id -u)" -eq 0 ] || skip "it needs root (chroot, mounts)"
[ -f "$build/CMakeCache.txt" ] || { echo "no build in $build; run scripts/setup.sh first" >&2; exit 1; }
if ! command -v debootstrap >/dev/null; then
    command -v apt-get >/dev/null || skip "no debootstrap and no apt-get to install it"
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap \
        >/dev/null 2>&1 || skip "debootstrap could not be installed"
fi

step "building the package"
cmake --build "$build" >/dev/null
deb="$(cd "$build" && cpack -G DEB >/dev/null && ls -t karvo-gmouse_*.deb | head -n 1)"
deb="$build/$deb"
echo "$deb"

mkdir -p "$cache/archives/partial"
base="$cache/bookworm-minbase.tar"
if [ ! -f "$base" ]; then
    step "making the Debian 12 root (once; cached in $base)"
    fresh="$(mktemp -d "$cache/root.XXXXXX")"
    if ! debootstrap --variant=minbase --cache-dir="$cache/archives" bookworm "$fresh" "$mirror" \
            >"$cache/debootstrap.log" 2>&1; then
        rm -rf "$fresh"
        skip "debootstrap failed (no network?); see $cache/debootstrap.log"
    fi
    tar -C "$fresh" -cf "$base.tmp" . && mv "$base.tmp" "$base"
    rm -rf "$fresh"
fi

root="$(mktemp -d /tmp/karvo-pkgtest.XXXXXX)"
cleanup() {
    for m in var/cache/apt/archives dev/pts dev proc; do
        mountpoint -q "$root/$m" && umount -l "$root/$m"
    done
    rm -rf "$root"
}
trap cleanup EXIT
step "unpacking a fresh root in $root"
tar -C "$root" -xf "$base"
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mountpoint -q /dev/pts && mount --bind /dev/pts "$root/dev/pts"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/karvo-gmouse.deb"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"; }
as_user() {
    chroot --userspec=tester:tester "$root" /usr/bin/env -i PATH=/usr/bin:/bin \
        HOME=/home/tester LANG=C.UTF-8 XDG_RUNTIME_DIR=/home/tester/.run "$@"
}

step "installing the package with apt"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    /tmp/karvo-gmouse.deb >"$root/tmp/apt.log" 2>&1 || { cat "$root/tmp/apt.log"; exit 1; }
for f in /usr/bin/karvo-gmouse /usr/bin/karvoctl /usr/lib/udev/rules.d/60-karvo-gmouse.rules \
         /usr/share/applications/karvo-gmouse.desktop \
         /usr/share/metainfo/io.github.karvo_gmouse.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/karvo-gmouse.svg \
         /usr/share/icons/hicolor/48x48/apps/karvo-gmouse.png \
         /usr/share/man/man1/karvo-gmouse.1.gz /usr/share/man/man1/karvoctl.1.gz \
         /usr/share/doc/karvo-gmouse/copyright /usr/share/karvo-gmouse/config/config.ini \
         /usr/share/karvo-gmouse/1_INI_EN/LanguageText.ini /usr/share/karvo-gmouse/main_mask.jpg; do
    [ -f "$root$f" ] || { echo "FAIL: the package did not install $f" >&2; exit 1; }
done
shipped_sum="$(md5sum <"$root/usr/share/karvo-gmouse/config/config.ini")"

step "running both programs as a normal user"
in_root useradd -m -s /bin/sh tester
as_user mkdir -m 700 /home/tester/.run
as_user karvoctl --version
as_user karvo-gmouse --version   # no display needed
as_user karvoctl --simulate=/home/tester/mouse.bin status
as_user karvoctl set pointer-speed 7
as_user karvoctl show | grep -q '^Pointer speed: 7$' || { echo "FAIL: the setting did not stick" >&2; exit 1; }
as_user karvoctl --simulate=/home/tester/mouse.bin apply --quiet
as_user env QT_QPA_PLATFORM=offscreen karvo-gmouse --simulate --render-pages /home/tester/pages
for p in main advanced macro lighting; do
    [ -s "$root/home/tester/pages/$p.png" ] || { echo "FAIL: the window drew no $p page" >&2; exit 1; }
done
# The window itself, as a session would start it, until the session ends it.
set +e
as_user env QT_QPA_PLATFORM=offscreen timeout --preserve-status -s TERM 5 karvo-gmouse --simulate -HIDE
code=$?
set -e
[ "$code" -eq 0 ] || { echo "FAIL: the window ended with $code on SIGTERM" >&2; exit 1; }

step "checking where the settings are"
conf="$root/home/tester/.config/karvo-gmouse/config/config.ini"
[ -f "$conf" ] || { echo "FAIL: no $conf" >&2; exit 1; }
[ "$(stat -c %u "$conf")" = "$(in_root id -u tester)" ] || { echo "FAIL: $conf is not the user's" >&2; exit 1; }
grep -q '^DPI_SPEED=7' "$conf" || { echo "FAIL: the change is not in $conf" >&2; exit 1; }
[ -d "$root/home/tester/.config/karvo-gmouse/1_INI_EN/macro" ] || { echo "FAIL: no macro groups" >&2; exit 1; }
[ "$(md5sum <"$root/usr/share/karvo-gmouse/config/config.ini")" = "$shipped_sum" ] || {
    echo "FAIL: the shipped configuration was changed" >&2; exit 1; }

step "removing the package"
in_root env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq karvo-gmouse >/dev/null
[ ! -e "$root/usr/bin/karvo-gmouse" ] && [ ! -e "$root/usr/share/karvo-gmouse" ] || {
    echo "FAIL: files left after removal" >&2; exit 1; }
[ -f "$conf" ] || { echo "FAIL: removal took the user's settings" >&2; exit 1; }
echo "package test passed in $((SECONDS - start)) s"
