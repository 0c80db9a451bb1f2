#!/bin/sh
# pack-release.sh BUILD PROGRAM
# Packs the archive that users download from the 32-bit Release build in the folder BUILD, as
# BUILD/NorvasquelSetup-<version>.zip, and prints its path. It holds PROGRAM (the build's
# NorvasquelSetup.exe, or that executable signed) as NorvasquelSetup.exe, the guide as
# text for Notepad, the notices of the libraries that the static link puts into the program
# with their licence texts, and SHA256SUMS. Its bytes depend only on the commit, the toolchain
# and the signature, if any: every entry has the commit's time, in a fixed order, fixed
# permissions, no owner.
set -eu
LC_ALL=C
export LC_ALL
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
program=$2
guide=$root/docs/guide.ar.md
if [ ! -f "$guide" ]; then
    echo "pack-release.sh: $guide is missing: the archive carries the guide, so there is no release without it." >&2
    exit 1
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=NorvasquelSetup-$version
stage=$build/$name
archive=$build/$name.zip
rm -rf "$stage" "$archive"
mkdir "$stage"

# Notepad takes a text for UTF-8 when it starts with a byte-order mark, and Windows 7's breaks
# lines only at CR LF.
cr=$(printf '\r')
notepad_text() {
    printf '\357\273\277'
    sed "s/$cr*\$/$cr/"
}
package_version() {
    dpkg-query -W -f='${Version}' "$1"
}

# Executable whatever made it: the signer writes its output without the execute bits.
install -m 755 "$program" "$stage/NorvasquelSetup.exe"
"$root/tools/markdown-to-text.sh" <"$guide" | notepad_text >"$stage/guide.ar.txt"
# What a link map of the program shows it takes from the toolchain's libraries, and the licence
# of each part as the packages' copyright files give it.
notepad_text <<EOF >"$stage/NOTICES.txt"
NorvasquelSetup $version

NorvasquelSetup.exe is linked statically, so it carries parts of the libraries below, as
Debian 12 builds them. Their copyright and licence texts are in the files named here, copied
from the copyright files of the Debian packages.

GCC run-time libraries: libstdc++ (exceptions, operators new and delete, chrono, and the
templates of the standard library that the program uses), libgcc and libgcc_eh (arithmetic
and stack helpers, unwinding, thread-local storage), crtbegin.o and crtend.o
  Packages: g++-mingw-w64-i686-posix $(package_version g++-mingw-w64-i686-posix),
            gcc-mingw-w64-i686-posix $(package_version gcc-mingw-w64-i686-posix)
            (both have the same copyright file)
  Licence:  GPL-3+ with the GCC Runtime Library Exception, version 3.1
  Text:     copyright-gcc-mingw-w64.txt
  The templates of vector and algorithm come from headers that also carry these notices:

    Copyright (c) 1994
    Hewlett-Packard Company

    Permission to use, copy, modify, distribute and sell this software
    and its documentation for any purpose is hereby granted without fee,
    provided that the above copyright notice appear in all copies and
    that both that copyright notice and this permission notice appear
    in supporting documentation.  Hewlett-Packard Company makes no
    representations about the suitability of this software for any
    purpose.  It is provided "as is" without express or implied warranty.

    Copyright (c) 1996
    Silicon Graphics Computer Systems, Inc.

    Permission to use, copy, modify, distribute and sell this software
    and its documentation for any purpose is hereby granted without fee,
    provided that the above copyright notice appear in all copies and
    that both that copyright notice and this permission notice appear
    in supporting documentation.  Silicon Graphics makes no
    representations about the suitability of this  software for any
    purpose.  It is provided "as is" without express or implied warranty.

MinGW-w64 run-time: the start-up code (crt2u.o, libmingw32), libmingwex (formatted output and
its number conversion, gdtoa), winpthreads (libpthread) and the import libraries of the
Windows DLLs
  Package:  mingw-w64-i686-dev $(package_version mingw-w64-i686-dev)
  Licence:  part by part, as the text gives them:
            - the start-up code and small helpers (string lengths, character conversion):
              public domain
            - formatted output and the import libraries: ZPL-2.1, the mingw-w64 project
            - gdtoa: the Lucent licence, Lucent Technologies
            - winpthreads: MIT (expat), the mingw-w64 project; its clock and nanosleep parts
              are in the public domain, and its headers pthread.h and pthread_compat.h,
              compiled into every part, are under the BSD 3-clause licence of Lockless Inc.
  Text:     copyright-mingw-w64.txt
EOF
notepad_text </usr/share/doc/g++-mingw-w64-i686-posix/copyright >"$stage/copyright-gcc-mingw-w64.txt"
notepad_text </usr/share/doc/mingw-w64-i686-dev/copyright >"$stage/copyright-mingw-w64.txt"
files="NorvasquelSetup.exe guide.ar.txt NOTICES.txt copyright-gcc-mingw-w64.txt copyright-mingw-w64.txt"
# shellcheck disable=SC2086
(cd "$stage" && sha256sum $files >SHA256SUMS && cmake -E tar cf "$archive" --format=zip -- $files SHA256SUMS)

# Debian's reproducible-builds normaliser sorts the entries and gives each the time, the
# permissions (644, or 755 for the program) and the owner that make two packings of one commit
# the same. Times in a zip file are local: UTC makes them the same everywhere.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}
TZ=UTC strip-nondeterminism --type zip --timestamp "$epoch" "$archive"
echo "$archive"
