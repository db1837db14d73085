#!/usr/bin/env bash
# Builds the Debian package from this build tree and checks what it holds and
# what it declares it needs.
set -euo pipefail
build=$1 source=$2 version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "$*"; exit 1; }
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/orvik-configurator_"$version"-*.deb)

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
doc=/usr/share/doc/orvik-configurator
expected=(
    /usr/bin/orvik-configurator
    /usr/bin/orvikctl
    /usr/share/applications/orvik-configurator.desktop
    /usr/lib/udev/rules.d/60-orvik.rules
    $doc/README.md
    $doc/copyright
    $doc/changelog.Debian.gz
    /usr/share/icons/hicolor/scalable/apps/orvik-configurator.svg
    /usr/share/man/man1/orvikctl.1.gz
    /usr/share/man/man1/orvik-configurator.1.gz
    /usr/share/bash-completion/completions/orvikctl
)
for size in 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/orvik-configurator.png")
done
for f in "${expected[@]}"; do
    grep -qx "$f" <<<"$contents" || fail "package lacks $f"
done
# Nothing outside /usr, so removal leaves nothing behind in /etc or /var.
if grep -vE '^/usr(/|$)|^/$' <<<"$contents" | grep -q .; then
    echo "files outside /usr:"; grep -vE '^/usr(/|$)|^/$' <<<"$contents"; exit 1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6core6 libhidapi-hidraw0 libjpeg62-turbo fonts-liberation2; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Suggests)" = "man-db, bash-completion" ] || fail "Suggests: $(dpkg-deb -f "$deb" Suggests)"
[ "$(dpkg-deb -f "$deb" Package)" = orvik-configurator ] || fail "wrong package name"
grep -q localhost <<<"$(dpkg-deb -f "$deb" Maintainer)" && fail "Maintainer is a local address"

# A summary line, then an indented body in which no line is the ";" of a
# CMake list joined into the text.
description=$(dpkg-deb -f "$deb" Description)
[ "$(wc -l <<<"$description")" -gt 2 ] || fail "description has no body: $description"
if tail -n +2 <<<"$description" | grep -qvE '^ [^ ;]'; then
    fail "description lines out of form:$(tail -n +2 <<<"$description" | grep -vE '^ [^ ;]')"
fi

root=$out/root
dpkg-deb -x "$deb" "$root"

# The copyright in machine-readable form, with LICENSE's holder and text.
copyright=$root$doc/copyright
head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not machine-readable"
holder=$(sed -n 's/^Copyright (c) //p' "$source/LICENSE")
grep -qx "Copyright: $holder" "$copyright" || fail "copyright lacks 'Copyright: $holder'"
grep -qx 'License: Expat' "$copyright" || fail "copyright names no Expat (MIT) licence"
# Continuation lines: one space in front, " ." for an empty line. Expat's
# text comes last, after those of the map's data.
diff <(sed -n '/^Permission /,$p' "$source/LICENSE" | sed 's/^$/./; s/^/ /') \
    <(tac "$copyright" | sed -n '1,/^ Permission /p' | tac) ||
    fail "copyright's licence text is not LICENSE's"

# The packaging changelog: compressed without name or time stamp, and its
# latest entry is the package's version.
changelog=$root$doc/changelog.Debian.gz
[ "$(head -c 8 "$changelog" | od -An -tx1 | tr -d ' \n')" = 1f8b080000000000 ] ||
    fail "changelog.Debian.gz carries a name or time stamp (gzip -n)"
entry=$(gzip -dc "$changelog" | dpkg-parsechangelog -l - -S Version)
[ "$entry" = "$(dpkg-deb -f "$deb" Version)" ] ||
    fail "latest changelog entry $entry is not the package version $(dpkg-deb -f "$deb" Version)"

cmp "$source/resources/icon.svg" "$root/usr/share/icons/hicolor/scalable/apps/orvik-configurator.svg" ||
    fail "scalable icon differs from resources/icon.svg"

# AppStream metadata that software centres accept, launching the installed
# desktop entry.
metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml) || fail "package lacks AppStream metadata"
verdict=$(appstreamcli validate --no-net "$metainfo") || fail "appstreamcli rejects $metainfo: $verdict"
grep -q '<launchable type="desktop-id">orvik-configurator.desktop</launchable>' "$metainfo" ||
    fail "metainfo launches no orvik-configurator.desktop"
echo "package ok: $(basename "$deb")"
