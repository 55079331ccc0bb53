#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian, unpacks it into a scratch root, checks that
# the program, its desktop entry, icons, metadata and guide are where they are looked for,
# validates them, and starts the unpacked program offscreen with a temporary program directory.
# As root it also installs the package with apt-get and removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
scripts/setup.sh dpkg-dev lintian desktop-file-utils appstream

id=io.github.zelk.dci
build=build/package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZELK_BUILD_TESTS=OFF -DZELK_BUILD_BENCH=OFF \
  -DZELK_DEBIAN_PACKAGE=ON
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/zelk-dci_*.deb
(cd "$build" && cpack -G DEB)
deb=$(echo "$build"/zelk-dci_*.deb)
deb=$(realpath "$deb")
echo "package: $deb, $(stat -c %s "$deb") bytes"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"

fail() {
  echo "package-check: $*" >&2
  exit 1
}

for p in libqt6widgets6 libhamlib4 qt6-translations-l10n; do
  [[ ",$depends" == *", $p"* || "$depends" == "$p"* ]] || fail "the package does not depend on $p"
done

# lintian's verdict: any error or warning fails; pedantic and informational tags are shown.
lintian_out=$(lintian --pedantic --info --display-experimental "$deb" 2>&1) || true
echo "lintian --pedantic: ${lintian_out:-no tag}"
if grep -qE '^[EW]: ' <<<"$lintian_out"; then
  fail "lintian found errors or warnings"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root
dpkg -x "$deb" "$root"

# Every file of the package, and nothing else.
expected="./usr/bin/zelk_dci
./usr/share/applications/$id.desktop
./usr/share/doc/zelk-dci/changelog.gz
./usr/share/doc/zelk-dci/copyright
./usr/share/icons/hicolor/256x256/apps/$id.png
./usr/share/icons/hicolor/48x48/apps/$id.png
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/man/fr/man1/zelk_dci.1.gz
./usr/share/man/man1/zelk_dci.1.gz
./usr/share/metainfo/$id.metainfo.xml
$(cd docs/guide && find . -type f \( -name '*.html' -o -name '*.css' -o -name '*.png' \) |
  sed 's|^\.|./usr/share/zelk-dci/guide|')"
expected=$(LC_ALL=C sort <<<"$expected")
actual=$(cd "$root" && find . -type f | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "unexpected files in the package:
$actual"
[ -x "$root/usr/bin/zelk_dci" ] || fail "the program is not executable"

desktop=$root/usr/share/applications/$id.desktop
grep -qx "Exec=zelk_dci" "$desktop" || fail "the desktop entry does not start zelk_dci"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qx "Categories=.*HamRadio;.*" "$desktop" || fail "the desktop entry is not in HamRadio"

# A PNG gives its width and height as two big-endian words at byte 16.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'
}
for size in 48 256; do
  got=$(png_size "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
  [ "$got" = "${size}x${size}" ] || fail "the ${size} px icon is $got"
done

desktop-file-validate "$desktop"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
[ -s "$root/usr/share/zelk-dci/guide/index.html" ] || fail "the user guide is missing"

# The command line answers without a display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$root/usr/bin/zelk_dci" --version)
[ "$version" = "ZELK_DCI $(dpkg-deb --field "$deb" Version)" ] || fail "--version says: $version"

# Start the unpacked program for a few seconds; it must still be running when stopped, seed its
# temporary program directory from itself and write nothing into the package's files.
prog=$scratch/program
home=$scratch/home
mkdir -p "$home"
touch "$scratch/before-run"
sleep 1
set +e
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
  QT_QPA_PLATFORM=offscreen ZELK_DCI_DIR=$prog timeout 5 "$root/usr/bin/zelk_dci"
rc=$?
set -e
[ "$rc" -eq 124 ] || fail "the program stopped by itself (exit $rc)"
for f in FXXXX.txt Liste_Prenom.txt Liste_Chateau.txt; do
  cmp -s "data/$f" "$prog/$f" || fail "the program directory was not seeded with $f"
done
changed=$(find "$root" -newer "$scratch/before-run")
[ -z "$changed" ] || fail "the program wrote into its installed files: $changed"

# As root, install and remove it the way an operator does.
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W -f='${Status}' zelk-dci 2>/dev/null | grep -q 'install ok installed'; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"
  files=$(dpkg-query -L zelk-dci)
  [ -x /usr/bin/zelk_dci ] || fail "apt-get did not install /usr/bin/zelk_dci"
  DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zelk-dci
  for f in $files; do
    [ -d "$f" ] || [ ! -e "$f" ] || fail "$f is left after removal"
  done
fi

echo "package-check: passed in $((SECONDS - start)) s"
