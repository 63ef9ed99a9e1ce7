#!/usr/bin/env bash
# The Debian package builds, depends on the libraries the programs link, and runs once unpacked
# into a temporary root. Skipped (exit 77) where the Debian tools are missing.
# Usage: check_debian_package.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3

for tool in dpkg dpkg-deb dpkg-shlibdeps "$cpack"; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is missing (the package needs dpkg-dev and cmake's cpack)"
    exit 77
  fi
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$root/out" >"$root/cpack.log" 2>&1 ||
  fail "cpack: $(cat "$root/cpack.log")"
deb=$root/out/mizaro_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$root/out")"

# The dependencies come from the linked shared libraries, not from a hand-kept list.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6; do
  [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib: $depends"
done
# (The listing is read whole: grep -q would stop it early, a failure under pipefail.)
if dpkg-deb -c "$deb" | grep '/usr/bin/mizaro$' >/dev/null; then
  [[ $depends == *libqt6widgets6* ]] || fail "Depends lacks Qt: $depends"
  dpkg-deb -c "$deb" | grep '/usr/share/mizaro/help/ja/index.html$' >/dev/null ||
    fail "the package holds no help page"
fi

dpkg -x "$deb" "$root/root"
grep -q 'The Mizaro developers$' "$root/root/usr/share/doc/mizaro/copyright" || fail "no licence"
cd "$root"
counted=$(echo 123m456p789s11222z | "$root/root/usr/bin/mizaro-cli" shanten 2>"$root/cli.err")
[ "$counted" = "-1 4 8 -1" ] || fail "the unpacked mizaro-cli counted '$counted'"
! grep ShantenTable "$root/cli.err" >/dev/null ||
  fail "the unpacked mizaro-cli warned: $(cat "$root/cli.err")"
echo "package $(basename "$deb") runs; Depends: $depends"
