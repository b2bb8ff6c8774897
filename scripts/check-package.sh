#!/usr/bin/env bash
# Checks the Debian package built in the given build folder (default build/release): the files it
# installs, its dependencies, a valid metainfo, and programs that start from where it puts them.
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/^project(QEL880 VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb="${1:-build/release}/qel880_${version}_$(dpkg --print-architecture).deb"
fail() {
    echo "check-package: $deb: $*" >&2
    exit 1
}
[ -f "$deb" ] || fail "not built"

metainfo=./usr/share/metainfo/com.corvane.qel880.metainfo.xml
listed=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in ./usr/bin/qel880 ./usr/bin/qel880ctl ./usr/bin/qel880-sim ./usr/share/applications/qel880.desktop \
    ./usr/share/icons/hicolor/scalable/apps/qel880.svg "$metainfo" ./usr/share/man/man1/qel880ctl.1.gz \
    ./usr/share/man/man1/qel880-sim.1.gz; do
    grep -qxF "$file" <<<"$listed" || fail "does not install $file"
done

depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6charts6 libqt6serialport6 libqt6network6 libmodbus5 libqt6svg6; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "does not depend on $package (Depends: $depends)"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root"
appstreamcli validate --no-net "$root/$metainfo" || fail "metainfo does not validate"
for page in "$root"/usr/share/man/man1/*.1.gz; do
    gzip -dc "$page" | grep -q '^\.TH ' || fail "${page#"$root"} is not a manual page"
done
for program in qel880ctl qel880-sim; do
    [ "$("$root/usr/bin/$program" --version)" = "$program $version" ] || fail "$program --version is not $version"
done
echo "check-package: $deb: $(grep -c . <<<"$listed") entries, Depends: $depends"
