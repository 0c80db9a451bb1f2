# . tools/wine-env.sh   (from the project's root)
# The build and Wine settings that every script shares. Sets $preset and $build and exports
# WINEPREFIX (the build's own prefix) and WINEDEBUG.
# The program is 32-bit, and its tests run that build where this machine can run 32-bit
# processes. Where it cannot (some virtual machines have no 32-bit mode), they run the same
# code built for 64-bit Windows, under Wine's 64-bit loader.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    preset=mingw-i686
    build=$PWD/build
else
    preset=mingw-x86_64
    build=$PWD/build/x86_64
    PATH=$PWD/tools/wine64:$PATH
    export PATH WINELOADER=/usr/lib/wine/wine64
fi
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
