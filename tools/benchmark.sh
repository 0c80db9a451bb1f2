#!/bin/sh
# benchmark.sh: what waiting for a setup script costs the tool, how fast its window comes and
# what it weighs, against the polling reference (the first design's wait) and a minimal window.
# Installs what is missing, builds what the benchmark needs into build/, runs
# build/bench/benchmark_driver.exe under Wine in the build's prefix, build/wineprefix, on a
# display of its own, prints its tables and writes them, with a description of this machine, to
# docs/performance.md. About three minutes.
set -eu
cd "$(dirname "$0")/.."
root=$PWD
prefix=$root/build/wineprefix
export WINEPREFIX="$prefix" WINEDEBUG=-all

tools/install-dependencies.sh
cmake --preset mingw-i686 >/dev/null
cmake --build --preset mingw-i686 --target benchmark_driver
tables=$(mktemp)
# prepare-wine.sh starts a wineserver that stays, and Wine's processes keep our standard error
# open: stop them all at the end, or whoever reads this script's output would wait for them.
trap 'rm -f "$tables"; wineserver -k 2>/dev/null || true' EXIT INT TERM
tools/prepare-wine.sh "$prefix"

load=$(cut -d' ' -f1-3 /proc/loadavg)
status=0
tools/with-display.sh cmake/wine-run.sh "$prefix" build/bench/benchmark_driver.exe >"$tables" || status=$?
if [ "$status" -ne 0 ]; then
    echo "The benchmark failed (exit code $status); docs/performance.md is left as it was." >&2
    exit "$status"
fi

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
memory=$(awk '/^MemTotal:/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
mkdir -p docs
{
    echo "# Performance"
    echo
    echo "What waiting for a setup script costs NorvasquelSetup, how fast its window comes and what it"
    echo "weighs. \`tools/benchmark.sh\` measured it under Wine against two programs built from our own code"
    echo "in \`bench/\`: the polling reference, which waits as the first design did (it asks for the script's"
    echo "exit code and handles pending messages in a loop with no pause), and a minimal window (one class,"
    echo "one window and a message loop)."
    echo
    echo "Measured on $(date -u '+%Y-%m-%d %H:%M UTC') on: ${cpu:-an unknown processor}, $(nproc) cores, $memory of"
    echo "memory, $(uname -sr), $(wine --version). Load average before the run: $load."
    echo
    tr -d '\r' <"$tables"
    echo
    cat <<'EOF'
## Where a target is missed: start-up

Start-up varies from run to run on this shared machine (ratios of 1.26 to 1.56 over six full runs
while the benchmark was being written), and its median ratio is usually above the 1.3 target.
Timed step by step over 30 starts each, the extra time over the minimal window is:

- the common controls, version 6, which the manifest selects for visual styles: about 17 ms. In
  one batch of 30 starts each, the same code without them took 1.14 times the minimal window's
  time and the tool with them 1.43 times;
- creating the seven controls, about 8 ms, and the fonts and the banner, about 4 ms;
- the first paint of the themed controls: about 8 ms more than the minimal window's empty one.

The visual styles are a requirement of the window, so the program keeps them; under Wine they
alone cost about the 30 % margin that the target allows. Nothing else in the start-up is
avoidable work: the program reads no file or setting and creates only what it shows.

## How it is measured

`build/bench/benchmark_driver.exe` drives each program from outside, through its windows, as a
person would. The programs run from folders of their own under `C:\norvasquel bench`, on a Wine
virtual desktop (`NorvasquelBench`, 1280x800), because on an X server without a window manager
Wine waits up to 2 s for one each time it hides a window. Before it measures, it waits until the
wineserver has been idle for a second (a wineserver that has just started is still starting the
prefix's services). It puts `c:\InstallationLog.txt` back as it was when it ends.

- **Processor time during a wait.** The setup script's last step is `release_waiter.exe`, which
  waits for an event without using the processor. From the moment it runs, the driver reads
  utime + stime of the program's Linux process and of the wineserver from `/proc` (through drive
  Z; Linux counts in hundredths of a second) before and after the script's 5 seconds. The row with
  no install shows what the wineserver does anyway over the same span, with the tool's window up.
- **Round trips.** After those 5 seconds, with the script still running, the driver sends
  WM_NULL with `SendMessageTimeoutW` to the program's main window 100 times, 10 ms apart, and
  times each call.
- **Completion.** The driver holds a handle to the script's `cmd.exe`, sets the release event,
  takes the time `cmd.exe` has ended (its wait on the handle returns; checked against the exit
  time that Wine records for the process, it returns about 0.1 ms later) and then looks for the
  program's visible `#32770` box every millisecond. The figure runs from the script's end to the
  box, so the release, `release_waiter.exe` ending and `cmd.exe` ending, shown in the row below
  it, are not counted. The driver then reads the box's text, which must be the success message,
  and presses OK.
- **Start-up.** From just before `CreateProcessW` to the moment the program's top-level window
  is visible and answers WM_NULL (the driver first waits for the program to go idle, then looks).
  The processor time used to come up is read from `/proc` at that moment. Under Wine most of
  a window's start-up is Wine's own process start, and on a shared machine start-up times vary
  from run to run: the ratio is that of the medians of 30 starts of each program, taken in turns,
  and the processor time used to come up is the steadier figure.
- **Memory.** From the program's `/proc/PID/status` 300 ms after its window is up: `RssAnon`,
  resident private memory, which Wine reports as the process's private bytes, and `VmRSS`, the
  working set. Both include Wine's own DLLs and data in the process.
- **Handles.** The program's entries in the system handle table
  (`NtQuerySystemInformation(SystemHandleInformation)`; Wine's `GetProcessHandleCount` always
  answers 0), counted with the window up, after a first install and after 300 more, with a
  script that only ends. The first install is left out of the target because Wine's user32 opens
  two registry keys of mouse settings (`Control Panel\Mouse`) at the first click and keeps them
  open. The polling reference does the same. Handles added over the 300 installs are listed
  below the tables by type and name.

`benchmark_driver.exe --quick` runs the same benchmark once and briefly (a 1 s script, 20 round
trips, 2 starts, 20 installs). ctest runs it as `BenchmarkSmoke`, which checks that every figure
was measured, not the targets.
EOF
} >docs/performance.md
tr -d '\r' <"$tables"
echo
echo "Written to docs/performance.md"
