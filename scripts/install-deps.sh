#!/bin/sh
# Installs what Tintara Studio needs, where it is missing: with "run", what building and running the
# program need; without it, also what its tests, fuzzers and benchmarks need.
set -e
cd "$(dirname "$0")/.."
run="build-essential cmake pkg-config qt6-base-dev qt6-base-private-dev qt6-qpa-plugins qt6-svg-dev qt6-image-formats-plugins liblcms2-dev libxcb1-dev
qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libjpeg-dev fp-utils fonts-liberation2"
tests="libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth xdotool xclip x11-utils trayer python3-xlib clang
libclang-rt-14-dev imagemagick tesseract-ocr tesseract-ocr-eng libjpeg-turbo-progs appstream desktop-file-utils
dbus-daemon locales util-linux nodejs jq"
packages=$run
[ "$1" = run ] || packages="$run $tests"
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
[ "$1" = run ] && exit 0
# The suite runs a second time in the German locale our users have.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    echo "Generating the locale de_DE.UTF-8"
    $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
fi
# Node's own packages may bring npm, Debian's do not.
if ! command -v npm >/dev/null 2>&1; then
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq npm
fi
# The programs that read our themes and tokens, from the npm registry, at the versions the lock file
# names; where npm cannot reach the registry, their test is skipped.
consumers=tests/consumers
if [ ! -f "$consumers/node_modules/.package-lock.json" ] \
    || [ "$consumers/package-lock.json" -nt "$consumers/node_modules/.package-lock.json" ]; then
    echo "Installing Tailwind CSS and Style Dictionary with npm"
    (cd "$consumers" && npm ci --no-audit --no-fund --loglevel=error) \
        || echo "npm could not install them: the test that runs them will be skipped"
fi
