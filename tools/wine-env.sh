# Sourced once by every script that runs Wine, after Wine is installed (tools/setup.sh installs
# it, and cmake): the one place that sets the build and Wine settings. Sets $root, $preset and
# $build, the preset's build folder as CMakePresets.json states it, and exports WINEPREFIX,
# WINEDEBUG and a UTF-8 locale.
# The caller's script lives one folder below the project's root.
root=$(cd "$(dirname "$0")/.." && pwd)
# The program is 32-bit, and its tests run that build where this machine can run 32-bit
# processes. Where it cannot (some virtual machines have no 32-bit mode), they run the same
# code built for 64-bit Windows, under Wine's 64-bit loader.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    preset=mingw-i686
else
    preset=mingw-x86_64
    PATH=$root/tools/wine64:$PATH
    export WINELOADER=/usr/lib/wine/wine64
fi
build=$(cmake -DPRESET="$preset" -P "$root/tools/preset-folder.cmake")
# From an empty environment the shell's own search path is all there is; cmake and ctest find
# their modules through it.
export PATH
# The build's own prefix, never ~/.wine.
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# Wine maps file names through the locale's character set: under C or POSIX a folder with
# Arabic letters cannot be used. A caller may ask for any UTF-8 locale (LC_ALL=ar_SA.UTF-8).
if [ "$(locale charmap 2>/dev/null)" != UTF-8 ]; then
    export LC_ALL=C.UTF-8
fi

# Shows the Linux file system's path as Wine's drive Z (\134 is the backslash).
windows_path() { printf 'Z:%s' "$1" | tr / '\134'; }

# stop_wine_at_exit [COMMAND]: on every exit, interrupted or not, runs COMMAND and stops the
# prefix's wineserver, which tools/setup.sh leaves running; a later run would wait for it.
stop_wine_at_exit() {
    trap "${1:+$1; }wineserver -k 2>/dev/null || true" EXIT
    trap 'exit 130' INT TERM HUP
}
