#!/usr/bin/env bash
# Boots Debian's kernel under QEMU with an initramfs made from the build tree: static
# busybox, the HID modules, the uhid adaptor and the guest session with every library
# they load. Passes or fails on the guest session's result; skips where QEMU,
# busybox-static or the kernel package cannot be had.
#   run_guest.sh KERNEL_CACHE WORK_DIR GUEST_SESSION UHID_ADAPTOR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
kernel_cache=$1
work=$2
session=$3
adaptor=$4
boot_timeout=240

started=$(date +%s%N)
print_wall_time() {
    local elapsed=$(($(date +%s%N) - started))
    printf 'e2e wall time: %d.%02d s\n' $((elapsed / 1000000000)) $((elapsed / 10000000 % 100))
}
trap print_wall_time EXIT

skip() {
    echo "SKIPPED: $*"
    exit 77
}

command -v qemu-system-x86_64 >/dev/null || skip "qemu-system-x86_64 is missing (qemu-system-x86)"
busybox=$(command -v busybox) || skip "busybox is missing (busybox-static)"
# ldd fails on a static program; a dynamic busybox would need its libraries too.
if ldd "$busybox" >/dev/null 2>&1; then
    skip "$busybox is not the static build (busybox-static)"
fi

status=0
bash "$here/fetch_kernel.sh" "$kernel_cache" || status=$?
[ "$status" -eq 77 ] && exit 77
[ "$status" -eq 0 ] || { echo "FAILED: the kernel could not be prepared"; exit 1; }

root=$work/root
rm -rf "$work"
mkdir -p "$root"/{bin,dev,proc,sys,tmp,e2e,lib/modules/e2e}
cp "$busybox" "$root/bin/busybox"
cp "$kernel_cache"/modules/*.ko "$kernel_cache/modules/load-order" "$root/lib/modules/e2e/"
cp "$session" "$root/e2e/guest_session"
cp "$adaptor" "$root/e2e/uhid_adaptor"
cp "$here/guest_init.sh" "$root/init"
chmod 755 "$root/init"

# Every library a program loads, at the path where the loader looks for it.
copy_libraries() {
    local listing
    listing=$(ldd "$1")
    if grep -q 'not found' <<<"$listing"; then
        echo "FAILED: $1 needs a library that is not here:"
        echo "$listing"
        exit 1
    fi
    awk '$2 == "=>" && $3 ~ /^\// { print $3 } $1 ~ /^\// { print $1 }' <<<"$listing" |
        while read -r library; do
            mkdir -p "$root$(dirname "$library")"
            cp -L "$library" "$root$library"
        done
}
copy_libraries "$session"
copy_libraries "$adaptor"
(cd "$root" && find . | busybox cpio -o -H newc 2>/dev/null) >"$work/initramfs.cpio"

echo "booting the guest"
status=0
timeout "$boot_timeout" qemu-system-x86_64 -accel tcg -cpu max -m 512 -smp 1 \
    -display none -serial stdio -monitor none -no-reboot -nic none \
    -kernel "$kernel_cache/kernel" -initrd "$work/initramfs.cpio" \
    -append "console=ttyS0 quiet panic=-1" \
    -device isa-debug-exit,iobase=0xf4,iosize=0x04 </dev/null | tee "$work/console.log" ||
    status=$?

# The recordings the guest session printed, as files for tests/recordings/.
mkdir -p "$work/recordings"
tr -d '\r' <"$work/console.log" | awk -v dir="$work/recordings" '
    /^=== recording .* ===$/ { file = dir "/" $3; next }
    /^=== end of recording ===$/ { close(file); file = ""; next }
    file != "" { print > file }'

case $status in
    1)
        echo "PASSED: the guest session succeeded"
        exit 0
        ;;
    124)
        echo "FAILED: the guest did not finish within $boot_timeout s"
        ;;
    *)
        if [ $((status % 2)) -eq 1 ]; then
            echo "FAILED: the guest session's result was $((status / 2))"
        else
            echo "FAILED: the guest ended without a result (QEMU exit status $status)"
        fi
        ;;
esac
exit 1
