#!/bin/sh
# Installs the camera's udev rule so that a real camera opens without root.
# Does nothing when the installed rule is already the same or the machine has
# no udev (a container, a build server); needs root or sudo otherwise.
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
rule="70-vantrel-camera.rules"
source="$root/packaging/udev/$rule"
target="/etc/udev/rules.d/$rule"

command -v udevadm >/dev/null 2>&1 || exit 0
[ -d /etc/udev/rules.d ] || exit 0
cmp -s "$source" "$target" && exit 0

echo "Installing the camera's udev rule: $target"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
$SUDO cp "$source" "$target"
# Without a running udev daemon (no systemd) there is nothing to reload.
$SUDO udevadm control --reload-rules 2>/dev/null || true
$SUDO udevadm trigger --subsystem-match=usb --attr-match=idVendor=4255 2>/dev/null || true
