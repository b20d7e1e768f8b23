#!/usr/bin/env bash
# Builds the Debian packages hello-qt6 and hello-qt6-dev with the release preset, then checks them as a
# user of a brand-new Debian 12 would meet them: installed with apt-get (which fetches what they depend
# on), the program started headless and ended as a desktop session ends it, the consumer example built
# against the installed library, both packages removed, and nothing of theirs left under /usr.
# usage: scripts/check-packages.sh [BUILD_DIR]   (as root: it makes a Debian root with debootstrap and
#        chroot; BUILD_DIR, a configured release build, defaults to build/release of the release preset)
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS=0

scripts/setup.sh
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap >/dev/null
build=${1:-build/release}
[ -n "${1:-}" ] || cmake --preset release >/dev/null
cmake --build "$build" --target package >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
debs=("$build/hello-qt6_${version}_amd64.deb" "$build/hello-qt6-dev_${version}_amd64.deb")
for deb in "${debs[@]}"; do
    echo "== $deb: $(du -k "$deb" | cut -f1) KiB"
    dpkg-deb --field "$deb" Package Depends
done
# The program's package carries neither headers nor the static library.
if dpkg-deb --contents "${debs[0]}" | grep -E '\.(a|h)$|/include/'; then
    echo "the program's package holds development files"
    exit 1
fi
echo "== built in ${SECONDS} s"

# One minimal Debian 12, made once and kept as a tarball; every check starts from a fresh copy of it.
base=${TMPDIR:-/tmp}/hello-qt6-bookworm-minbase.tar
if [ ! -f "$base" ]; then
    mirror=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null ||
        echo http://deb.debian.org/debian)
    seed=$(mktemp -d)
    debootstrap --variant=minbase bookworm "$seed" "$mirror" >/dev/null
    tar -C "$seed" -cf "$base" . && rm -rf "$seed"
fi
root=$(mktemp -d)
unmount() {
    for m in dev/pts dev sys proc; do umount -l "$root/$m" 2>/dev/null || true; done
    rm -rf "$root"
}
trap unmount EXIT
tar -C "$root" -xf "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"
for m in proc sys dev dev/pts; do mount --bind "/$m" "$root/$m"; done
mkdir -p "$root/check"
cp "${debs[@]}" "$root/check/"
cp -r tests/consumer "$root/check/consumer"
for deb in "${debs[@]}"; do dpkg-deb --contents "$deb"; done | awk '{print $6}' | sed 's|^\./|/|' |
    grep -v '/$' >"$root/check/files"

chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive /bin/bash -euo pipefail -c '
cd /check
apt-get update -qq
apt-get install -y -qq --no-install-recommends ./hello-qt6_*.deb ./hello-qt6-dev_*.deb >/dev/null
echo "== installed: $(dpkg-query -W hello-qt6 hello-qt6-dev | tr "\t\n" "  ")"

export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=/check/config XDG_RUNTIME_DIR=/check/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
hello-qt6 >out.txt 2>err.txt &
pid=$!
for _ in $(seq 100); do grep -q "Qt version" out.txt && break; sleep 0.1; done
kill -TERM "$pid"
rc=0 && wait "$pid" || rc=$?
grep -q "CLOSE WIN" out.txt && [ "$rc" = 0 ] || { echo "program: exit $rc"; cat out.txt err.txt; exit 1; }
echo "== hello-qt6 ran headless and ended on SIGTERM with CLOSE WIN, exit 0"

apt-get install -y -qq --no-install-recommends cmake g++ make >/dev/null
cmake -S consumer -B consumer-build >/dev/null
cmake --build consumer-build >/dev/null
consumer-build/gen_consumer
echo "== the consumer example built against the installed hello-qt6-dev"

apt-get purge -y -qq hello-qt6 hello-qt6-dev >/dev/null
left=$(while read -r f; do [ -e "$f" ] && echo "$f"; done <files || true)
[ -z "$left" ] || { echo "left after removal:"; echo "$left"; exit 1; }
echo "== removed: none of the packages'"'"' $(wc -l <files) files is left"
'
echo "== all checks passed in ${SECONDS} s"
