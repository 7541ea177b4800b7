#!/bin/sh
# Installs the Debian packages that building, running and testing need, when missing;
# the packages named as arguments too.
set -e
PACKAGES="$* cmake ninja-build g++ ccache qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev xvfb xauth imagemagick desktop-file-utils appstream shared-mime-info libxml2-utils clang libclang-rt-14-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev openbox xdotool xclip x11-utils python3 poppler-utils fonts-dejavu-core lld"
missing=""
for package in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -q
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $missing
fi
