#!/usr/bin/env bash
# Builds the Debian package from the default build, installs it, runs the installed
# program and removes it again. Needs root (or sudo) for the install.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)

cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)" --target shifter-calibration
rm -rf build/package
cpack -G DEB --config build/default/CPackConfig.cmake -B build/package
package=$(ls build/package/shifter-calibration_*.deb)
echo "Built $package"
dpkg-deb --contents "$package"

"${as_root[@]}" apt-get install -y -q "$top/$package"
version=$(/usr/bin/shifter-calibration --version)
echo "Installed program says: $version"
expected=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' build/default/CPackConfig.cmake)
[ "$version" = "shifter-calibration $expected" ]
test -f /usr/lib/udev/rules.d/70-shifter-calibration.rules
"${as_root[@]}" apt-get remove -y -q shifter-calibration
if [ -e /usr/bin/shifter-calibration ] || [ -e /usr/lib/udev/rules.d/70-shifter-calibration.rules ]; then
    echo "The package left files behind" >&2
    exit 1
fi
echo "Package installs, runs and removes cleanly"
