#!/usr/bin/env bash
# Builds the Debian package from the programs of this build (nothing is compiled again), checks
# what it holds and what it depends on, and runs tallyrune-cli from an unpacked copy.
# Usage: deb-package-test.sh BUILD
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cd "$build"
cpack -G DEB -B "$work/stage" -D CPACK_OUTPUT_FILE_PREFIX="$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(echo "$work"/out/tallyrune_*.deb)
[[ -f $deb ]] || fail "no tallyrune_*.deb"

listing=$(dpkg -c "$deb" | awk '{print $6}')
for path in usr/bin/tallyrune usr/bin/tallyrune-cli usr/bin/tallyrune-cli-print \
    usr/share/applications/tallyrune.desktop \
    usr/share/mime/packages/tallyrune.xml usr/share/icons/hicolor/scalable/apps/tallyrune.svg \
    usr/share/icons/hicolor/scalable/mimetypes/application-x-tallyrune.svg \
    usr/share/man/man1/tallyrune-cli.1.gz usr/share/tallyrune/Help.html; do
    grep -qx "./$path" <<<"$listing" || fail "dpkg -c does not list $path"
done

depends=$(dpkg-deb -f "$deb" Depends)
# zxing-cpp and the readers of the scan check come with the libraries they link
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libcups2 libzxing2 libtiff6 \
    libpoppler-cpp0v5 libwmf-0.2-7 libemf2svg1; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done

root="$work/root"
dpkg -x "$deb" "$root"
found=$(PATH="$root/usr/bin:$PATH" bash -c 'command -v tallyrune-cli')
[[ $found == "$root/usr/bin/tallyrune-cli" ]] || fail "tallyrune-cli on PATH is $found"
types=$(PATH="$root/usr/bin:$PATH" tallyrune-cli types) || fail "tallyrune-cli types"
grep -q "Code 128" <<<"$types" || fail "tallyrune-cli types printed: $types"
# The printing commands run in the tallyrune-cli-print beside it.
PATH="$root/usr/bin:$PATH" tallyrune-cli testpage -o "$work/testpage.pdf" || fail "tallyrune-cli testpage"
[[ -s $work/testpage.pdf ]] || fail "no test page"
desktop-file-validate "$root/usr/share/applications/tallyrune.desktop" || fail "desktop entry"
gzip -t "$root/usr/share/man/man1/tallyrune-cli.1.gz" || fail "manual page"
echo "package ok: $(basename "$deb")"
