#!/bin/sh
# benchmark.sh: what waiting for a setup script costs the tool, how fast its window comes and
# what it weighs, against the polling reference (a wait that asks for the script's exit code in a
# loop with no pause, then the same line and box) and a minimal window.
# Installs what is missing, builds what the benchmark needs, runs bench/benchmark_driver.exe of
# the build that Wine runs (see wine-env.sh) under Wine in that build's prefix, on a display of
# its own inside a Wine virtual desktop, prints its tables and writes them, with a description
# of this machine and the shipped executable's sections, into bench/performance.md.in to make
# docs/performance.md.
# About three minutes.
set -eu
cd "$(dirname "$0")/.."
tools/setup.sh benchmark_driver caption_bench
. tools/wine-env.sh
tables=$(mktemp)
sections=$(mktemp)
captions=$(mktemp)
# Wine's processes keep our standard error open: whoever reads this script's output would wait
# for them if the wineserver stayed.
stop_wine_at_exit 'rm -f "$tables" "$sections" "$captions"'

load=$(cut -d' ' -f1-3 /proc/loadavg)
status=0
tools/with-display.sh tools/wine-desktop.sh cmake/wine-run.sh "$build/bench/benchmark_driver.exe" >"$tables" ||
    status=$?
if [ "$status" -ne 0 ]; then
    echo "The benchmark failed (exit code $status); docs/performance.md is left as it was." >&2
    exit "$status"
fi
tr -d '\r' <"$tables" >"$tables.md" && mv "$tables.md" "$tables"

# caption_bench prints "STEP: N ms" for each step; a table row a step: median, lowest-highest.
runs=$(mktemp)
for _ in 1 2 3 4 5 6 7; do
    tools/with-display.sh tools/wine-desktop.sh cmake/wine-run.sh "$build/bench/caption_bench.exe"
done | tr -d '\r' >"$runs"
for step in "usp10.dll loaded" "captions drawn, first time" "captions drawn again"; do
    sed -n "s/^$step: \([0-9.]*\) ms\$/\1/p" "$runs" | sort -n | awk -v step="$step" '
        { value[NR] = $1 }
        END { printf "| %s | %.2f | %.2f-%.2f |\n", step, value[int((NR + 1) / 2)], value[1], value[NR] }'
done >"$captions"
rm -f "$runs"

shipped=$(cmake -DPRESET=mingw-i686 -P tools/preset-folder.cmake)/bin/NorvasquelSetup.exe
i686-w64-mingw32-size -A "$shipped" | awk -v program="${shipped#"$root"/}" '
    $1 ~ /^\./ { size[$1] = $2; total += $2 }
    END {
        print "| Section of " program " | KiB |"
        print "|---|---|"
        split(".text .eh_fram .rdata .data .bss .idata .rsrc", order, " ")
        for (i = 1; i in order; i++) {
            if (order[i] in size) {
                printf "| `%s` | %.1f |\n", order[i] == ".eh_fram" ? ".eh_frame" : order[i], size[order[i]] / 1024
                shown += size[order[i]]
            }
        }
        printf "| others | %.1f |\n", (total - shown) / 1024
        printf "| code and unwind tables (`.text` + `.eh_frame`) | %.1f |\n", (size[".text"] + size[".eh_fram"]) / 1024
    }' >"$sections"

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
memory=$(awk '/^MemTotal:/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
machine="${cpu:-an unknown processor}, $(nproc) cores, $memory of memory, $(uname -sr), $(wine --version)"
if [ "$preset" = mingw-i686 ]; then
    measured="the 32-bit build, as shipped"
else
    measured="the 64-bit build of the same code under 64-bit Wine, as this machine cannot run 32-bit processes"
fi
sed -e "s|@DATE@|$(date -u '+%Y-%m-%d %H:%M UTC')|" -e "s|@MACHINE@|$machine|" -e "s|@LOAD@|$load|" \
    -e "s|@BUILD@|$measured|" \
    -e "/^@TABLES@\$/{r $tables" -e 'd}' -e "/^@SECTIONS@\$/{r $sections" -e 'd}' \
    -e "/^@CAPTIONS@\$/{r $captions" -e 'd}' \
    bench/performance.md.in >docs/performance.md
cat "$tables"
echo
cat "$sections"
echo
cat "$captions"
echo
echo "Written to docs/performance.md"
