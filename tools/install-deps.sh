#!/usr/bin/env bash
# Installs the Debian 12 packages Velmora needs to build, run and test.
# Only packages that are missing are installed.
set -euo pipefail
packages=(
    build-essential cmake ninja-build ccache pkg-config
    # libgl-dev: the CMake package of Qt Gui looks for the OpenGL headers.
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libgl-dev
    libsqlite3-dev sqlite3 libbenchmark-dev python3
    fonts-liberation2 poppler-utils
    clang libclang-rt-14-dev
    qt6-translations-l10n file dpkg-dev
    # Reading invoices: PDF text, text recognition with the German model, GiroCode.
    libpoppler-qt6-dev libtesseract-dev libleptonica-dev tesseract-ocr-deu libzxing-dev
)
if [ "${1:-}" = "--cups" ]; then
    packages+=(cups cups-client cups-bsd printer-driver-cups-pdf)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
