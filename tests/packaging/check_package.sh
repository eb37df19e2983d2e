#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a scratch folder and builds the Debian package, then
# checks both as a distribution would: validators, file list, libraries, lintian, and that
# every file that names the version names the one the build was made with.
#   check_package.sh <build folder> <application id> <version> "<languages of the build>"
set -euo pipefail
build=$1
app=$2
version=$3
languages=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
root="$work/root"

expected="usr/bin/dicemere
usr/share/applications/$app.desktop
usr/share/doc/dicemere/changelog.gz
usr/share/doc/dicemere/copyright
usr/share/icons/hicolor/128x128/apps/$app.png
usr/share/icons/hicolor/256x256/apps/$app.png
usr/share/icons/hicolor/48x48/apps/$app.png
usr/share/icons/hicolor/64x64/apps/$app.png
usr/share/icons/hicolor/scalable/apps/$app.svg
usr/share/man/man1/dicemere.1.gz
usr/share/metainfo/$app.metainfo.xml"
installed=$(cd "$root" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$installed" = "$(LC_ALL=C sort <<<"$expected")" ] || fail "installed files differ:
$installed"

out=$(desktop-file-validate "$root/usr/share/applications/$app.desktop" 2>&1) || fail "desktop entry: $out"
[ -z "$out" ] || fail "desktop entry: $out"

out=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$app.metainfo.xml" 2>&1) ||
    fail "metainfo: $out"
! grep -qE '^(W|E):' <<<"$out" || fail "metainfo: $out"

# The desktop entry and the metainfo speak every language the program speaks (the name is the
# same in every language: one Name serves them all).
for language in $languages; do
    for key in GenericName Comment; do
        grep -q "^$key\[$language\]=" "$root/usr/share/applications/$app.desktop" ||
            fail "desktop entry has no $key[$language]"
    done
    grep -q "<summary xml:lang=\"$language\">" "$root/usr/share/metainfo/$app.metainfo.xml" ||
        fail "metainfo has no summary in $language"
done

release=$(grep -o '<release version="[^"]*"' "$root/usr/share/metainfo/$app.metainfo.xml" | head -n1)
[ "$release" = "<release version=\"$version\"" ] || fail "metainfo's newest release is not $version: $release"
head -n1 < <(gzip -dc "$root/usr/share/doc/dicemere/changelog.gz") | grep -q "^dicemere ($version) " ||
    fail "changelog's newest entry is not $version"
gzip -dc "$root/usr/share/man/man1/dicemere.1.gz" | grep -q "^\.TH DICEMERE 1 \"[^\"]*\" \"Dicemere $version\"" ||
    fail "man page is not for $version"

for size in 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png" |
        grep -q "$size x $size" || fail "icon $size is not $size px"
done

missing=$(ldd "$root/usr/bin/dicemere" | grep 'not found' || true)
[ -z "$missing" ] || fail "unresolved libraries: $missing"

# Dated from SOURCE_DATE_EPOCH as a release is; made again in another time zone, the package
# must be the same to the byte, and every date in it, the .deb's own members' and its files',
# is SOURCE_DATE_EPOCH's: no date of the machine's clock gets in, whenever it is made. (The
# umask is fixed, as ./dev release fixes it: CPack gives the .deb's own members the modes the
# umask leaves.)
export SOURCE_DATE_EPOCH=1796688000
umask 022
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null) || fail "cpack"
deb=$(ls "$work"/deb/*.deb)
members=$(TZ=UTC ar tv "$deb") && grep -q ' debian-binary$' <<<"$members" || fail "ar cannot read the .deb"
! grep -v ' Dec  8 00:00 2026 ' <<<"$members" || fail ".deb members not dated from SOURCE_DATE_EPOCH"
(cd "$build" && TZ=Pacific/Kiritimati cpack -G DEB -B "$work/again" >/dev/null) || fail "cpack"
cmp -s "$deb" "$work/again/$(basename "$deb")" || fail "the same build made two different packages"
undated=$(dpkg-deb --fsys-tarfile "$deb" | TZ=UTC tar -tv --full-time | grep -v ' 2026-12-08 00:00:00 ' || true)
[ -z "$undated" ] || fail "package files not dated from SOURCE_DATE_EPOCH: $undated"
packaged=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | LC_ALL=C sort)
[ "$packaged" = "$installed" ] || fail "package files differ:
$packaged"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version: $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends lacks Qt: $depends"
dpkg-deb -x "$deb" "$work/x"
file "$work/x/usr/bin/dicemere" | grep -q ', stripped' || fail "binary not stripped"

if command -v lintian >/dev/null; then
    out=$(lintian "$deb" 2>&1 | grep -v 'running with root privileges' || true)
    ! grep -qE '^E:' <<<"$out" || fail "lintian: $out"
    [ -z "$out" ] || echo "lintian: $out"
fi
echo "1 passed, 0 failed"
