# Sourced by every script that runs Wine: the one place that sets its environment.
# The prefix is $wine_prefix when the caller sets it, else the build's own, build/wineprefix
# (never ~/.wine). The caller's script lives one folder below the project's root.
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${wine_prefix:-$root/build/wineprefix}"
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
