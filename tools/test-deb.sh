#!/usr/bin/env bash
# Builds the Debian package from a configured build folder, unpacks it into a
# clean folder tree and starts the installed program offscreen.
#   tools/test-deb.sh BUILD_DIR
set -euo pipefail
build="${1:?usage: test-deb.sh BUILD_DIR}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb="$(ls "$work"/package/*.deb)"
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Depends | grep -q "libqt6widgets6" || { echo "Depends lacks Qt: $(dpkg-deb -f "$deb" Depends)"; exit 1; }

root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/vellicor usr/bin/vellicor-practice-tnc usr/share/applications/vellicor.desktop \
            usr/share/icons/hicolor/scalable/apps/vellicor.svg usr/share/vellicor/examples/KAM/VellicorStartup.txt \
            usr/share/vellicor/practice-profile/VellicorStartup.txt; do
  [ -e "$root/$file" ] || { echo "missing from the package: /$file"; exit 1; }
done

mkdir -p "$work/home/config" "$work/home/data"
set +e
XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data" QT_QPA_PLATFORM=offscreen \
  timeout 4 "$root/usr/bin/vellicor" >/dev/null 2>&1
status=$?
set -e
if [ "$status" -ne 124 ]; then
  echo "the installed program ended early (status $status)"
  exit 1
fi
[ -d "$work/home/data/Vellicor" ] || { echo "the installed program did not create its folder"; exit 1; }
echo "1 passed, 0 failed"
