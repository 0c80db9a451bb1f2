#!/bin/sh
# Installs, on Debian 12, what building and running the tool under Wine needs, and packing its
# release archive (git dates it, strip-nondeterminism makes it reproducible, osslsigncode signs
# the program, and the signing test makes its certificate with openssl; a test traces the tool's
# flush with strace).
# Runs as root, or through sudo. Packages already present are left alone.
set -eu
# From an empty environment the shell's own search path is all there is; dpkg needs it exported.
export PATH

packages="cmake make g++-mingw-w64-i686-posix binutils-mingw-w64-i686 googletest
g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
wine wine32:i386 wine64 fonts-wine xvfb xauth x11-utils imagemagick fonts-noto-ui-core fonts-dejavu-core locales
git strip-nondeterminism osslsigncode openssl strace"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The tests run the tool under an Arabic locale too (ANSI code page 1256).
make_arabic_locale() {
    locale -a 2>/dev/null | grep -qx 'ar_SA.utf8' || as_root localedef -i ar_SA -f UTF-8 ar_SA.UTF-8
}

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        as_root dpkg --add-architecture i386
    fi
    as_root apt-get update -qq
    # shellcheck disable=SC2086
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing >/dev/null
fi
make_arabic_locale
