#!/usr/bin/env bash
# Checks the installed program as a workshop PC gets it: builds the Debian package, has lintian check
# it, installs it, starts the installed program for a user whose home is empty, and removes the
# package again, which leaves that user's data where it is. scripts/test.sh runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

desktop-file-validate data/desktop/com.merkona.doravel3.desktop
appstreamcli validate --no-net data/desktop/com.merkona.doravel3.metainfo.xml

deb=$(bash scripts/package.sh | tail -n 1)
lintian --fail-on error "$deb"

if dpkg-query -W -f='${Status}' doravel3 2>/dev/null | grep -q "install ok installed"; then
    echo "doravel3 is installed already; this check installs and removes it itself" >&2
    exit 1
fi
home=$(mktemp -d /tmp/doravel-home.XXXXXX)
cleanup() {
    $SUDO dpkg -r doravel3 >/dev/null 2>&1 || true
    rm -rf "$home"
}
trap cleanup EXIT
$SUDO dpkg -i "$deb" || $SUDO env DEBIAN_FRONTEND=noninteractive apt-get -f install -y --no-install-recommends

# The installed program runs until it is stopped; ending any other way is a failure.
status=0
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen \
    timeout 5 /usr/bin/doravel3 || status=$?
[ "$status" -eq 124 ] || { echo "The installed program ended with status $status" >&2; exit 1; }
data="$home/.local/share/Merkona/Doravel3/db"
for f in 1.txt 2.txt 3.txt cost.txt; do
    cmp "/usr/share/doravel3/db/$f" "$data/$f" || { echo "The first start did not place $data/$f" >&2; exit 1; }
done
/usr/bin/doravel3-sheet --help >/dev/null

$SUDO dpkg -r doravel3
[ ! -e /usr/bin/doravel3 ] || { echo "Removing the package left /usr/bin/doravel3" >&2; exit 1; }
[ -f "$data/1.txt" ] || { echo "Removing the package took the user's data" >&2; exit 1; }
echo "Package $deb installed, started, removed"
