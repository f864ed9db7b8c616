#!/usr/bin/env bash
# The Debian package as a packager receives it, made from this build: lintian
# finds no error and no warning (its informational tags, which differ with the
# compiler, are left to the packager); the game, its manual page, copyright
# and software-centre listing are where Debian wants them, and the page reads
# its Czech in any locale; the listing, the desktop entry and the sources'
# licensing pass their checks.
#   package_test.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
src=$1
build=$2
id=cz.zabavklub.vojtik_rournik
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "package_test: $*" >&2; failed=1; }

(cd "$build" && umask 022 && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/vojtik-rournik_*.deb)

grep -E '^[EW]: ' < <(lintian "$deb" 2>/dev/null) && fail "lintian complains"

list=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/games/vojtik-rournik ./usr/share/man/man6/vojtik-rournik.6.gz ./usr/share/doc/vojtik-rournik/copyright \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/applications/$id.desktop \
    ./usr/share/icons/hicolor/64x64/apps/$id.png; do
    grep -qxF "$f" <<<"$list" || fail "$f is not in the package"
done
grep -E '\.(ttf|otf)$' <<<"$list" && fail "the package carries fonts of its own"
for dep in libc6 libqt6widgets6 fonts-liberation fonts-liberation2 fonts-texgyre fonts-dejavu-extra; do
    dpkg-deb -f "$deb" Depends | grep -qw "$dep" || fail "Depends lacks $dep"
done
for rec in qt6-wayland xdg-utils fonts-wine; do
    dpkg-deb -f "$deb" Recommends | grep -qw "$rec" || fail "Recommends lacks $rec"
done

dpkg-deb -x "$deb" "$work/root"
page=$work/root/usr/share/man/man6/vojtik-rournik.6.gz
{ LC_ALL=C man -l "$page" | grep Pokracovat && LC_ALL=C.UTF-8 man -l "$page" | grep Pokračovat; } >/dev/null 2>&1 ||
    fail "the manual page loses its Czech letters"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml" || fail "the listing is not valid"
appstreamcli validate-tree --no-net "$work/root" || fail "the listing does not match the desktop entry"
entry=$(desktop-file-validate "$work/root/usr/share/applications/$id.desktop" 2>&1) && [ -z "$entry" ] ||
    fail "the desktop entry is not clean: $entry"
reuse --root "$src" lint >"$work/reuse.log" || { cat "$work/reuse.log"; fail "reuse lint: licensing incomplete"; }
exit $failed
