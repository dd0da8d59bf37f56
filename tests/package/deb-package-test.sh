#!/usr/bin/env bash
# Builds the Debian package from the programs of this build (nothing is compiled again), checks
# what it holds and what it depends on, passes it through lintian, appstreamcli and mandoc, and
# runs tallyrune-cli from an unpacked copy.
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

echo "== dpkg -c"
dpkg -c "$deb"
listing=$(dpkg -c "$deb" | awk '{print $6}')
icons=()
for size in 16 22 24 32 48 64 128 256; do
    icons+=("usr/share/icons/hicolor/${size}x$size/apps/tallyrune.png"
        "usr/share/icons/hicolor/${size}x$size/mimetypes/application-x-tallyrune.png")
done
for path in usr/bin/tallyrune usr/bin/tallyrune-cli usr/libexec/tallyrune/tallyrune-cli-print \
    usr/share/applications/tallyrune.desktop usr/share/metainfo/org.tallyrune.Tallyrune.metainfo.xml \
    usr/share/mime/packages/tallyrune.xml usr/share/icons/hicolor/scalable/apps/tallyrune.svg \
    usr/share/icons/hicolor/scalable/mimetypes/application-x-tallyrune.svg "${icons[@]}" \
    usr/share/man/man1/tallyrune.1.gz usr/share/man/man1/tallyrune-cli.1.gz \
    usr/share/doc/tallyrune/copyright usr/share/doc/tallyrune/changelog.gz \
    usr/share/bash-completion/completions/tallyrune-cli usr/share/tallyrune/Help.html; do
    grep -qx "./$path" <<<"$listing" || fail "dpkg -c does not list $path"
done
# The printing helper is no command of its own.
! grep -qx "./usr/bin/tallyrune-cli-print" <<<"$listing" || fail "tallyrune-cli-print on PATH"

depends=$(dpkg-deb -f "$deb" Depends)
# zxing-cpp and the readers of the scan check come with the libraries they link
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libcups2 libzxing2 libtiff6 \
    libpoppler-cpp0v5 libwmf-0.2-7 libemf2svg1; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done

echo "== lintian"
lintian --fail-on error,warning --display-info "$deb" | tee "$work/lintian.log" ||
    fail "lintian reports errors or warnings"
! grep -q "^[EW]:" "$work/lintian.log" || fail "lintian reports errors or warnings"

root="$work/root"
dpkg -x "$deb" "$root"
for program in usr/bin/tallyrune usr/bin/tallyrune-cli usr/libexec/tallyrune/tallyrune-cli-print; do
    headers=$(readelf -lW "$root/$program") dynamic=$(readelf -dW "$root/$program")
    grep -q GNU_RELRO <<<"$headers" || fail "$program has no read-only relocations (relro)"
    grep -Eq "BIND_NOW|FLAGS_1.*NOW" <<<"$dynamic" || fail "$program is not bound at start (bindnow)"
    symbols=$(readelf -sW --dyn-syms "$root/$program")
    grep -q "__stack_chk_fail" <<<"$symbols" || fail "$program has no stack protector"
    grep -Eq "__[a-z0-9_]+_chk@" <<<"$symbols" || fail "$program calls no fortified function"
    [[ -z $(readelf -SW "$root/$program" | grep -E "\.symtab|\.debug_") ]] || fail "$program is not stripped"
done

echo "== appstreamcli validate"
metainfo="$root/usr/share/metainfo/org.tallyrune.Tallyrune.metainfo.xml"
appstreamcli validate --no-net "$metainfo" | tee "$work/appstream.log" || fail "appstreamcli validate"
! grep -q "^[EW]:" "$work/appstream.log" || fail "appstreamcli reports errors or warnings"
launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[[ -f $root/usr/share/applications/$launchable ]] || fail "no desktop entry $launchable"
desktop-file-validate "$root/usr/share/applications/tallyrune.desktop" || fail "desktop entry"

echo "== mandoc -T lint"
for page in "$root"/usr/share/man/man1/*.1.gz; do
    mandoc -T lint -W warning "$page" || fail "mandoc finds fault with $(basename "$page")"
done
gzip -t "$root/usr/share/doc/tallyrune/changelog.gz" || fail "changelog"

found=$(PATH="$root/usr/bin:$PATH" bash -c 'command -v tallyrune-cli')
[[ $found == "$root/usr/bin/tallyrune-cli" ]] || fail "tallyrune-cli on PATH is $found"
types=$(PATH="$root/usr/bin:$PATH" tallyrune-cli types) || fail "tallyrune-cli types"
grep -q "Code 128" <<<"$types" || fail "tallyrune-cli types printed: $types"
# The printing commands run in the tallyrune-cli-print out of PATH.
PATH="$root/usr/bin:$PATH" tallyrune-cli testpage -o "$work/testpage.pdf" || fail "tallyrune-cli testpage"
[[ -s $work/testpage.pdf ]] || fail "no test page"
echo "package ok: $(basename "$deb")"
