#!/bin/sh
# flushed_before_box.sh EMULATOR E2E_TESTS TRACE
# Runs the end-to-end test of one install under strace, from outside Wine, and fails unless the
# tool's process flushed the installation log to the disk (fsync) before the test saw the success
# box: while the box is up, the test flushes a file of its own named "success box seen". (Wine's
# server opens files, so an open would not show; a flush is the client's own fsync.)
set -u
emulator=$1
e2e_tests=$2
trace=$3
rm -f "$trace"
# Only these calls stop the traced processes, so that Wine runs at nearly its own speed.
strace -f -qq -y --seccomp-bpf -e trace=fsync,fdatasync -o "$trace" \
    "$emulator" "$e2e_tests" --gtest_filter=E2e.EachOptionRunsItsScriptLogsOneLineAndReportsSuccess || exit 1
# A flush of the log counts once it has returned 0, on one line or as the end of an unfinished one.
awk '
    /f(data)?sync\(.*InstallationLog\.txt>\) += 0$/ { flushed = 1 }
    /f(data)?sync\(.*InstallationLog\.txt> <unfinished/ { pending[$1] = 1 }
    /<\.\.\. f(data)?sync resumed>\) += 0$/ && pending[$1] { flushed = 1 }
    /success box seen/ { boxes++; if (boxes == 1) flushedFirst = flushed }
    END {
        if (boxes == 0) { print "the test flushed no \"success box seen\" file"; exit 1 }
        if (!flushedFirst) { print "the success box was up before the log was flushed to the disk"; exit 1 }
        print "the log was flushed to the disk before the success box was up"
    }' "$trace"
