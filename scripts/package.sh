#!/usr/bin/env bash
# Builds the Debian package of Doravel 3 into ./build and prints its path as the last line.
set -euo pipefail
cd "$(dirname "$0")/.."
DORAVEL_PACKAGE_TOOLS=1 bash scripts/setup.sh doravel_package_contents >&2
cpack_log=$(cd build && cpack -G DEB -B "$PWD")
echo "$cpack_log" >&2
deb=$(echo "$cpack_log" | sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p')
[ -f "$deb" ] || { echo "No package was made" >&2; exit 1; }
echo "$deb"
