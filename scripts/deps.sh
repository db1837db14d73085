#!/usr/bin/env bash
# Installs, from Debian's packages, what one of the README's commands needs
# and this machine lacks. Safe to run again: it installs nothing present.
#   run      building and starting the programs: compiler, CMake, Qt, Qt's
#            translation tools and its own translations, hidapi, libudev,
#            libjpeg, fonts (scripts/run.sh)
#   test     all of run's, and the tools of the tests, the fuzzers and the
#            benchmarks (scripts/test.sh); umockdev fakes attached devices;
#            the screen reader's test takes an X server, a D-Bus session bus
#            and the AT-SPI registry; the programs are tested in the locales
#            below
#   package  all of run's, and what making the Debian package needs
#            (scripts/install.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/steps.sh

run=(cmake g++ make pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libhidapi-dev libudev-dev libjpeg-dev fonts-liberation2 fonts-dejavu-core)
package=(dpkg-dev file)
test=(git libgtest-dev libbenchmark-dev clang libclang-rt-14-dev clang-format
    umockdev libumockdev-dev desktop-file-utils appstream xvfb dbus-daemon at-spi2-core python3-gi
    gir1.2-atspi-2.0 locales "${package[@]}")
# The tests run the programs in Polish and German, and in an English locale
# besides C; the C library's own texts (a file's "No such file or directory")
# follow the locale only where it has been generated.
test_locales=(pl_PL de_DE en_GB)

case "${1-}" in
run) wanted=("${run[@]}") ;;
test) wanted=("${run[@]}" "${test[@]}") ;;
package) wanted=("${run[@]}" "${package[@]}") ;;
*)
    echo "usage: bash scripts/deps.sh run|test|package" >&2
    exit 2
    ;;
esac

missing=()
for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt_get=(as_root env DEBIAN_FRONTEND=noninteractive apt-get -y --no-install-recommends)
    step "Updating the package lists" "${apt_get[@]}" update
    # The packages named and what they need; which ones, the log says.
    count=$(apt-get -s --no-install-recommends install "${missing[@]}" | grep -c '^Inst ') || true
    step "Installing $count packages" "${apt_get[@]}" install "${missing[@]}"
fi
if [ "$1" = test ]; then
    for l in "${test_locales[@]}"; do
        locale -a | grep -x "$l.utf8" >/dev/null ||
            step "Generating the locale $l.UTF-8" as_root localedef -i "$l" -f UTF-8 "$l.UTF-8"
    done
fi
finish_log
