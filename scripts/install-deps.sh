#!/bin/sh
# Installs the Debian packages that building, running and testing need.
# Quick when everything is already there; needs root or sudo otherwise.
set -e

# mold links the test programs quickly; the build falls back to lld or GNU ld
# where it is missing.
PACKAGES="g++ cmake make pkg-config ccache mold
qtbase5-dev qttools5-dev qttools5-dev-tools
libusb-dev liblog4cxx-dev
umockdev libumockdev-dev libglib2.0-dev
fonts-wqy-microhei"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
$SUDO apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
