#!/usr/bin/env bash
# Builds the Debian package from debian/ in a copy of the source tree, checks
# it with lintian, unpacks it into a clean folder tree and practises with the
# installed program: "vellicor --practice" offscreen, with the practice TNC
# the package installed.
#   tools/test-deb.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The tree as git sees it, uncommitted changes included, without build folders.
mkdir "$work/src"
(cd "$root" && git ls-files -z --cached --others --exclude-standard | grep -zv '^build' \
  | tar --null --files-from=- --ignore-failed-read -cf -) | tar -xf - -C "$work/src"
(cd "$work/src" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" \
  dpkg-buildpackage -b -us -uc > "$work/build.log" 2>&1) || { tail -40 "$work/build.log"; exit 1; }
deb="$(ls "$work"/vellicor_*_amd64.deb)"
echo "package: $(basename "$deb")"

lintian --fail-on error,warning "$deb"

dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" || { echo "Depends lacks Qt: $(dpkg-deb -f "$deb" Depends)"; exit 1; }
installed="$work/root"
dpkg-deb -x "$deb" "$installed"
for file in usr/bin/vellicor usr/bin/vellicor-practice-tnc usr/share/applications/vellicor.desktop \
            usr/share/icons/hicolor/scalable/apps/vellicor.svg usr/share/man/man1/vellicor.1.gz \
            usr/share/man/man1/vellicor-practice-tnc.1.gz usr/share/metainfo/org.vellicor.Vellicor.metainfo.xml \
            usr/share/vellicor/examples/KAM/VellicorStartup.txt usr/share/vellicor/practice-profile/VellicorStartup.txt; do
  [ -e "$installed/$file" ] || { echo "missing from the package: /$file"; exit 1; }
done
desktop-file-validate "$installed/usr/share/applications/vellicor.desktop"
appstreamcli validate --no-net "$installed/usr/share/metainfo/org.vellicor.Vellicor.metainfo.xml" >/dev/null

"$root/tools/check-practice.sh" "$installed/usr/bin/vellicor"
