#!/bin/sh
# Installs what building, running and testing Tintara Studio need, where it is missing.
set -e
packages="build-essential cmake pkg-config qt6-base-dev qt6-qpa-plugins qt6-svg-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools
libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev fp-utils xvfb xauth xdotool xclip x11-utils trayer python3-xlib clang libclang-rt-14-dev imagemagick tesseract-ocr tesseract-ocr-eng fonts-liberation2 libjpeg-turbo-progs appstream desktop-file-utils dbus-daemon locales util-linux"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
fi
# The suite runs a second time in the German locale our users have.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Generating the locale de_DE.UTF-8"
    $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
