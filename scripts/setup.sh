#!/usr/bin/env bash
# Installs what Doravel 3 needs from Debian's packages (Debian 12) and builds it in ./build: the
# targets given as arguments (`setup.sh doravel3`), or everything.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql libpq-dev pkg-config qt6-qpa-plugins libgl-dev qt6-translations-l10n
    fonts-liberation fonts-open-sans fonts-comic-neue fonts-dejavu-core
    libzint-dev coinor-libclp-dev
    poppler-utils zbar-tools xvfb xauth locales sqlite3
)
# The test command also needs a PostgreSQL server of its own to start.
if [ "${DORAVEL_TEST_SERVER:-}" = 1 ]; then packages+=(postgresql); fi
# Making and checking the Debian package (scripts/package.sh, scripts/check-package.sh).
if [ "${DORAVEL_PACKAGE_TOOLS:-}" = 1 ]; then
    packages+=(dpkg-dev fakeroot file lintian desktop-file-utils appstream)
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests also run under the workshop's own locale, whose numbers use the decimal comma.
if ! locale -a 2>/dev/null | grep -qix 'tr_TR\.utf-\?8'; then
    echo "Generating the tr_TR.UTF-8 locale"
    $SUDO localedef -i tr_TR -c -f UTF-8 tr_TR.UTF-8
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORAVEL_WERROR=ON
cmake --build build -j"$(nproc)" ${1:+--target "$@"}
