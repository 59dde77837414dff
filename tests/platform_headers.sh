#!/bin/sh
# Fails when a file outside the platform folders (platform/, tests/platform/) includes a header
# that only Linux has: what the editor needs from Linux goes behind platform/platform.h, so that
# the portable build, and later Windows and macOS, need nothing of it.
#
#   platform_headers.sh SOURCE_DIR
set -eu
root=${1:?usage: platform_headers.sh SOURCE_DIR}
cd "$root"

# The kernel's own headers (linux/, asm/, scsi/, mtd/), the udev library, and the C library's
# Linux-only system calls and GNU extensions. POSIX headers (unistd.h, sys/stat.h, termios.h)
# are not listed: macOS has them.
linux_only='linux/.*|asm/.*|asm-generic/.*|scsi/.*|mtd/.*|libudev\.h|gnu/.*|sys/(sysmacros|epoll|inotify|fanotify|signalfd|timerfd|eventfd|prctl|sysinfo|vfs|statfs|sendfile|personality|klog|auxv|io|capability|fsuid)\.h|mntent\.h|pty\.h|mcheck\.h|error\.h|features\.h|byteswap\.h|endian\.h'

found=$(find . \( -path ./.git -o -path './build*' -o -path ./platform -o -path ./tests/platform \) \
        -prune -o -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.c' -o -name '*.cpp' \) -print |
    sort | xargs grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*<($linux_only)>" || true)
if [ -n "$found" ]; then
    printf '%s\n' "$found"
    echo "These include headers only Linux has: move that code behind platform/platform.h."
    exit 1
fi
