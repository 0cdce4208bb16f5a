#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Installs what building LabelBench needs on Debian 12; with --test also what the tests and the
# Debian package's checks need, with --fuzz what the fuzz targets need.
# Runs apt-get as root, through sudo when started by another user.
set -e
# The two fonts: the bitmap font manager's Latin and CJK fonts, and its tests'. scdoc: the man
# pages.
packages="qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
qt6-translations-l10n libusb-1.0-0-dev ninja-build cmake g++ pkg-config fonts-dejavu-core fonts-wqy-microhei
scdoc"
if [ "$1" = "--test" ]; then
    # locales: the tests run the command builders under a decimal-comma locale.
    packages="$packages socat xvfb xauth locales"
    # CI checks that every source is formatted as .clang-format says.
    packages="$packages clang-format"
    # The Debian package: made (dpkg-shlibdeps, file), checked, installed and its man page read.
    packages="$packages dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db"
fi
if [ "$1" = "--fuzz" ]; then
    # clang and its libFuzzer, for the fuzz targets.
    packages="$packages clang libclang-rt-14-dev"
fi
as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    $as_root apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $missing
fi
if [ "$1" = "--test" ] && ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    $as_root localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi
