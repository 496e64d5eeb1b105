#!/bin/sh
# Runs a package maintainer script with a stand-in udevadm that records its arguments,
# and fails unless the recorded calls are the expected ones, in order.
#   check_maintainer_script.sh SCRIPT ARGUMENT EXPECTED_CALL...
set -eu
script=$1
argument=$2
shift 2
bin=$(mktemp -d)
trap 'rm -rf "$bin"' EXIT
cat >"$bin/udevadm" <<STANDIN
#!/bin/sh
echo "\$*" >>"$bin/calls"
STANDIN
chmod +x "$bin/udevadm"
: >"$bin/calls"
PATH="$bin:$PATH" sh "$script" "$argument"
expected=$(printf '%s\n' "$@")
if [ "$(cat "$bin/calls")" != "$expected" ]; then
    printf 'udevadm calls:\n%s\nexpected:\n%s\n' "$(cat "$bin/calls")" "$expected" >&2
    exit 1
fi
