#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
# Builds the Debian package and unpacks it into a scratch root, then checks
# that every file the desktop entry and the metainfo name is where they say,
# and that lintian finds no error and no warning in it (its informational
# and pedantic notes are shown but pass).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-$root/build-package}"
BUILD_DIR="$build" "$root/scripts/package.sh" >/dev/null
deb="$(ls "$build"/tarvel_*.deb | head -n 1)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"

fail=0
need() { if [ ! -e "$scratch/$1" ]; then echo "missing in package: /$1"; fail=1; fi; }
desktop="usr/share/applications/org.tarvel.Tarvel.desktop"
need "$desktop"
exec_name="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$scratch/$desktop")"
icon_name="$(sed -n 's/^Icon=//p' "$scratch/$desktop")"
need "usr/bin/$exec_name"
need "usr/share/icons/hicolor/scalable/apps/$icon_name.svg"
for size in 32 48 64 128 256; do need "usr/share/icons/hicolor/${size}x${size}/apps/$icon_name.png"; done
need "usr/share/metainfo/org.tarvel.Tarvel.metainfo.xml"
need "usr/share/doc/tarvel/copyright"
need "usr/share/doc/tarvel/changelog.gz"
need "usr/share/man/man1/$exec_name.1.gz"
depends="$(dpkg-deb -f "$deb" Depends)"
case "$depends" in *libqt6widgets6*) ;; *) echo "computed dependencies lack Qt: $depends"; fail=1 ;; esac
# The files the program reads at run time: fonts, ephemeris, Qt's Russian texts.
for needed in fonts-liberation swe-basic-data qt6-translations-l10n; do
  case ", $depends," in *", $needed"[,\ ]*) ;; *) echo "the package does not depend on $needed: $depends"; fail=1 ;; esac
done
version="$(dpkg-deb -f "$deb" Version)"
grep -q "project(Tarvel VERSION $version " "$root/CMakeLists.txt" || { echo "package version $version is not the project's"; fail=1; }
if [ -e "$scratch/usr/share/doc/tarvel/changelog.gz" ]; then
  logged="$(zcat "$scratch/usr/share/doc/tarvel/changelog.gz" | sed -n '1s/^tarvel (\([^)]*\)).*/\1/p')"
  [ "$logged" = "$version" ] || { echo "the changelog's last entry is $logged, the package $version"; fail=1; }
fi
if [ "$fail" -ne 0 ]; then exit 1; fi

# Errors and warnings fail; informational and pedantic notes are shown.
if ! lintian --fail-on error,warning --display-info --pedantic "$deb"; then
  echo "lintian: errors or warnings in $(basename "$deb")"
  exit 1
fi
echo "package $(basename "$deb"): files in place, lintian clean; Depends: $depends"
