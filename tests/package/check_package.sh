#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks what it holds and what it depends on, has
# Debian's package checker find no error and no warning in it, validates its desktop entry and
# AppStream metadata, then unpacks it into a temporary folder and runs the unpacked program in a fresh
# user's data folder, as the desktop entry starts it.
#
#   check_package.sh BUILD_DIR VERSION REPORT.dat
set -euo pipefail
build=$1 version=$2 report=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pack" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack"; }
package="$work/pack/orvika_${version}_amd64.deb"
[[ -f $package ]] || fail "no $package: $(ls "$work/pack")"

contents=$(dpkg-deb -c "$package" | awk '{print $NF}')
for path in ./usr/bin/orvika ./usr/lib/orvika/orvika_xlsx.so ./usr/lib/orvika/orvika_svg.so ./usr/lib/orvika/orvika_print.so \
    ./usr/lib/orvika/orvika_dxf.so \
    ./usr/share/orvika/Base/Base-Date ./usr/share/orvika/Base/Sxemm \
    ./usr/share/applications/ru.orvika.Orvika.desktop \
    ./usr/share/icons/hicolor/scalable/apps/ru.orvika.Orvika.svg \
    ./usr/share/metainfo/ru.orvika.Orvika.metainfo.xml \
    ./usr/share/doc/orvika/copyright ./usr/share/doc/orvika/changelog.gz ./usr/share/man/man1/orvika.1.gz; do
    grep -qxF "$path" <<<"$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$package" Depends)
for dependency in libc6 libqt6widgets6 libqt6printsupport6 libqt6svg6 libxlsxwriter libdxflib libzip libicu fonts-dejavu-core \
    qt6-translations-l10n; do
    grep -q "$dependency" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done
lintian --fail-on error,warning --tag-display-limit 0 "$package" >"$work/lintian.log" 2>&1 ||
    { cat "$work/lintian.log" >&2; fail "lintian"; }

root="$work/root"
dpkg-deb -x "$package" "$root"
desktop-file-validate "$root/usr/share/applications/ru.orvika.Orvika.desktop" || fail "desktop entry"
grep -qx 'Exec=orvika --user-data' "$root/usr/share/applications/ru.orvika.Orvika.desktop" ||
    fail "the desktop entry does not start the user's data folder"
appstreamcli validate --no-net "$root/usr/share/metainfo/ru.orvika.Orvika.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "AppStream metadata"; }
grep -q "<release version=\"$version\"" "$root/usr/share/metainfo/ru.orvika.Orvika.metainfo.xml" ||
    fail "the metadata names no release $version"

# Qt's words of the help are the user's language: Russian under a Russian locale, English otherwise.
help() { env -u LANGUAGE -u LC_MESSAGES LC_ALL="$1" "$root/usr/bin/orvika" --help; }
russian=$(help ru_RU.UTF-8) english=$(help C.UTF-8)
for words in '^Использование: ' '^Параметры:$' 'Вывод справки по параметрам командной строки'; do
    grep -q "$words" <<<"$russian" || fail "--help under ru_RU.UTF-8 lacks \"$words\": $russian"
done
for words in '^Usage: ' '^Options:$' 'Displays help on commandline options'; do
    grep -q "$words" <<<"$english" || fail "--help under C.UTF-8 lacks \"$words\": $english"
done

# A user who has never run the program: an empty home, no XDG_DATA_HOME.
home="$work/home"
mkdir "$home"
run() { (cd "$work" && env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$root/usr/bin/orvika" "$@"); }
cp "$report" "$work/report.dat"
run --user-data --export csv --output bill.csv report.dat || fail "export csv: status $?"
data="$home/.local/share/orvika/Base"
cmp -s "$data/Base-Date" "$root/usr/share/orvika/Base/Base-Date" || fail "the catalogue was not copied"
[[ $(head -c 3 "$work/bill.csv") == $'\xef\xbb\xbf' ]] || fail "bill.csv is no CSV with a byte-order mark"
grep -q "Обозначение" "$work/bill.csv" || fail "bill.csv has no header"
# The spreadsheet module is found beside the unpacked program.
run --user-data --export xlsx --output bill.xlsx report.dat || fail "export xlsx: status $?"
[[ $(head -c 2 "$work/bill.xlsx") == PK ]] || fail "bill.xlsx is no workbook"
# So is the SVG module.
run --user-data --export rack-svg --output rack.svg report.dat || fail "export rack-svg: status $?"
grep -q "<svg" "$work/rack.svg" || fail "rack.svg is no SVG"
# And the DXF module.
run --user-data --export diagram-dxf --output diagram.dxf report.dat || fail "export diagram-dxf: status $?"
grep -q "ANSI_1251" "$work/diagram.dxf" || fail "diagram.dxf is no DXF drawing"
# A library the user edited stays as it is.
printf 'edited\r\n' >>"$data/Sxemm"
edited=$(sha256sum <"$data/Sxemm")
run --user-data --export csv --output again.csv report.dat || fail "second export: status $?"
[[ $(sha256sum <"$data/Sxemm") == "$edited" ]] || fail "the user's library was overwritten"
echo "package $package checked"
