#!/bin/sh
# small_file_system.sh mount|unmount FOLDER
# A file system of 64 KiB on FOLDER, for the test of the writer on a full disk. Mounting needs
# root; where it can't be done, FOLDER.mounted is not made and that test says so and is skipped.
set -u
folder=$2
case $1 in
mount)
    mkdir -p "$folder"
    rm -f "$folder.mounted"
    if mountpoint -q "$folder"; then
        umount "$folder"
    fi
    if mount -t tmpfs -o size=64k,mode=0777 norvasquel-small "$folder"; then
        : >"$folder.mounted"
    else
        echo "Could not mount a tmpfs on $folder (that needs root): the full-disk test is skipped."
    fi
    ;;
unmount)
    rm -f "$folder.mounted"
    if mountpoint -q "$folder"; then
        umount "$folder"
    fi
    ;;
esac
exit 0
