#!/usr/bin/env bash
# Takes what the guest needs out of Debian's amd64 kernel package, into a cache folder
# that later runs reuse: the kernel, uncompressed where it can be, and the HID modules
# with the modules they depend on, in load order. The package is downloaded, not
# installed. The package's name and version are kept in CACHE_DIR/ready.
#   fetch_kernel.sh CACHE_DIR
# Leaves CACHE_DIR/kernel, CACHE_DIR/modules/*.ko and CACHE_DIR/modules/load-order.
# Exits 77 when the package cannot be had here.
set -euo pipefail
cache=$1
# hid-generic binds the device; without it no hidraw node appears.
wanted_modules=(hid uhid hid-generic)

skip() {
    echo "SKIPPED: $*"
    exit 77
}

mkdir -p "$cache"
exec 9>"$cache/.lock"
flock 9

for tool in apt-cache apt-get dpkg-deb tar xz; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done
# The kernel package linux-image-amd64 points to today, with its version: the cache is
# reused only for that very package, so a new Debian kernel is met on the next run.
package=$(apt-cache depends linux-image-amd64 2>/dev/null |
    awk '$1 == "Depends:" && $2 ~ /^linux-image-/ { print $2; exit }')
version=""
[ -n "$package" ] &&
    version=$(apt-cache show --no-all-versions "$package" 2>/dev/null |
        awk '$1 == "Version:" { print $2; exit }')
if [ -f "$cache/ready" ]; then
    cached=$(cat "$cache/ready")
    if [ -z "$package" ] || [ "$cached" = "$package $version" ]; then
        echo "kernel: $cached (cached)"
        exit 0
    fi
    echo "kernel: $cached is cached, but Debian now has $package $version"
fi
[ -n "$package" ] || skip "apt knows no linux-image-amd64 package (apt-get update?)"

rm -rf "$cache/download" "$cache/tree" "$cache/modules" "$cache/kernel"
mkdir -p "$cache/download" "$cache/tree" "$cache/modules"
echo "kernel: downloading $package"
(cd "$cache/download" && apt-get download -q "$package" >/dev/null 2>&1) ||
    skip "cannot download $package"
deb=$(ls "$cache"/download/*.deb)

members=$(dpkg-deb --fsys-tarfile "$deb" | tar -t)
extract() {
    dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$cache/tree" "$@"
}
# The package member of a module; the kernel takes '-' and '_' in names as one.
module_member() {
    local pattern=${1//[-_]/[-_]}
    grep -E "/kernel/.*/${pattern}\.ko(\.xz)?$" <<<"$members" | head -n 1 || true
}
kernel_member=$(grep -E '^\./boot/vmlinuz-' <<<"$members" | head -n 1 || true)
[ -n "$kernel_member" ] || { echo "kernel: $package holds no kernel"; exit 1; }

first=("$kernel_member")
for module in "${wanted_modules[@]}"; do
    first+=("$(module_member "$module")")
done
extract "${first[@]}"

# Adds a module after the modules it depends on.
order=()
add_module() {
    local name=${1//_/-} member file deps dep
    for known in "${order[@]}"; do
        [ "$known" = "$name" ] && return 0
    done
    member=$(module_member "$name")
    [ -n "$member" ] || { echo "kernel: $package holds no module $name"; exit 1; }
    [ -f "$cache/tree/$member" ] || extract "$member"
    file="$cache/modules/$name.ko"
    case $member in
        *.xz) xz -dc "$cache/tree/$member" >"$file" ;;
        *) cp "$cache/tree/$member" "$file" ;;
    esac
    deps=$(tr '\0' '\n' <"$file" | sed -n 's/^depends=//p' | head -n 1)
    for dep in ${deps//,/ }; do
        add_module "$dep"
    done
    order+=("$name")
}
for module in "${wanted_modules[@]}"; do
    add_module "$module"
done
printf '%s\n' "${order[@]}" >"$cache/modules/load-order"

# The bzImage carries the kernel as an xz stream; booted as an ELF file through its
# PVH entry point it starts in half the time.
vmlinuz="$cache/tree/$kernel_member"
offset=$(LC_ALL=C grep -obUaP '\xFD7zXZ\x00' "$vmlinuz" | head -n 1 | cut -d: -f1 || true)
unpacked=false
if [ -n "$offset" ]; then
    tail -c +$((offset + 1)) "$vmlinuz" >"$cache/tree/kernel.xz"
    if xz -dc --single-stream "$cache/tree/kernel.xz" >"$cache/kernel" 2>/dev/null &&
        [ "$(head -c 4 "$cache/kernel" | od -An -tx1 | tr -d ' ')" = 7f454c46 ]; then
        unpacked=true
    fi
fi
$unpacked || cp "$vmlinuz" "$cache/kernel"

rm -rf "$cache/download" "$cache/tree"
echo "$package $version" >"$cache/ready"
echo "kernel: $package $version, modules ${order[*]}"
