#!/usr/bin/env bash
# Builds the Debian package from this build tree and checks what it holds and
# what it declares it needs.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/orvik-configurator_1.02_*.deb)

contents=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(
    /usr/bin/orvik-configurator
    /usr/bin/orvikctl
    /usr/share/applications/orvik-configurator.desktop
    /usr/lib/udev/rules.d/60-orvik.rules
    /usr/share/doc/orvik-configurator/README.md
    /usr/share/doc/orvik-configurator/LICENSE
)
for size in 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/orvik-configurator.png")
done
for f in "${expected[@]}"; do
    grep -qx "$f" <<<"$contents" || { echo "package lacks $f"; exit 1; }
done
# Nothing outside /usr, so removal leaves nothing behind in /etc or /var.
if grep -vE '^/usr(/|$)|^/$' <<<"$contents" | grep -q .; then
    echo "files outside /usr:"; grep -vE '^/usr(/|$)|^/$' <<<"$contents"; exit 1
fi

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6core6 libhidapi-hidraw0 libjpeg62-turbo; do
    grep -q "$lib" <<<"$depends" || { echo "Depends lacks $lib: $depends"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = orvik-configurator ] || { echo "wrong package name"; exit 1; }
echo "package ok: $(basename "$deb")"
