#!/usr/bin/env bash
# Builds everything and runs every test: the normal build, then the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the build without the window
# (its command line and every test that needs no window), then the test programs that
# run threads of their own under ThreadSanitizer. Give preset names to run only those.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
"$top/scripts/install-deps.sh" test

presets=("$@")
[ ${#presets[@]} -eq 0 ] && presets=(default sanitize nogui tsan)
jobs=$(nproc)
# Warnings are errors in CI; elsewhere a newer compiler's new warnings should not stop you.
werror=OFF
[ "${CI:-}" = true ] && werror=ON

for preset in "${presets[@]}"; do
    echo "=== $preset ==="
    cmake --preset "$preset" -DCMAKE_COMPILE_WARNING_AS_ERROR=$werror >/dev/null
    cmake --build --preset "$preset" -j"$jobs"
    ctest --preset "$preset" -j"$jobs"
done
