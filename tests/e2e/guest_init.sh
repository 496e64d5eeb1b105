#!/bin/busybox sh
# The guest's first process: mounts the kernel's file systems, loads the HID modules
# and runs the guest session. Its result leaves through QEMU's debug-exit port, which
# ends QEMU with exit status result * 2 + 1.
/bin/busybox --install -s /bin
export PATH=/bin
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev

finish() {
    printf "\\$(printf '%03o' "$1")" | dd of=/dev/port bs=1 seek=244 count=1 2>/dev/null
    poweroff -f # reached only when the port did not end QEMU
}

while read -r module; do
    insmod "/lib/modules/e2e/$module.ko" || {
        echo "guest: cannot load $module"
        finish 100
    }
done </lib/modules/e2e/load-order

echo "guest: kernel $(uname -r)"
/e2e/guest_session /e2e/uhid_adaptor --gtest_color=no
result=$?
echo "guest: the session exited with $result"
[ "$result" -gt 127 ] && result=127
finish "$result"
