#!/usr/bin/env bash
# Installs what is missing, builds Ferrolyn's Debian package ferrolyn_<version>_<arch>.deb in the
# repository folder with CPack, and checks it: the desktop entry (desktop-file-validate), the
# order-file type (update-mime-database), the package's file list, and lintian (no errors).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-package"

bash "$root/scripts/deps.sh"
bash "$root/scripts/install-missing.sh" dpkg-dev lintian desktop-file-utils shared-mime-info file

echo "== Checking the desktop entry and the order-file type"
desktop-file-validate "$root/packaging/ferrolyn.desktop"
mime="$(mktemp -d)"
trap 'rm -rf "$mime"' EXIT
mkdir -p "$mime/packages"
cp "$root/packaging/ferrolyn-mime.xml" "$mime/packages/ferrolyn.xml"
# The database is made in a folder off the search path, which it notes; anything else is a fault.
update-mime-database "$mime" 2>&1 | grep -v -e "is not in the search path" -e "^set by the" \
    -e "^environment variables" -e "^be able to find it" -e "^directories currently" \
    -e "^- /" -e "^$" | tee "$mime/log" || true
if [ -s "$mime/log" ] || ! grep -q '^application/x-ferrolyn-order' "$mime/types"; then
    echo "package: the MIME type file is not valid" >&2
    exit 1
fi

echo "== Building the package"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DFERROLYN_PACKAGE=ON \
    -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB)
deb="$(ls -t "$build"/ferrolyn_*.deb | head -n 1)"
cp "$deb" "$root/"
deb="$root/$(basename "$deb")"

echo "== Checking its files"
listing="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for expected in ./usr/bin/ferrolyn ./usr/lib/ferrolyn/ferrolyn ./usr/lib/ferrolyn/dat \
    ./usr/lib/ferrolyn/update-keys.txt ./usr/share/ferrolyn/program/update-keys.txt \
    ./usr/share/ferrolyn/program/dat/tlineconnectors.dat ./usr/share/ferrolyn/program/xcngrate.dat \
    ./usr/share/ferrolyn/common/M_lom.dat ./usr/share/applications/ferrolyn.desktop \
    ./usr/share/mime/packages/ferrolyn.xml ./usr/share/icons/hicolor/scalable/apps/ferrolyn.svg \
    ./usr/share/icons/hicolor/48x48/apps/ferrolyn.png ./usr/share/doc/ferrolyn/copyright \
    ./usr/share/doc/ferrolyn/changelog.gz; do
    if ! grep -qx -- "$expected" <<<"$listing"; then
        echo "package: $expected is missing from $deb" >&2
        exit 1
    fi
done
# The program looks for its update keys beside itself: the link there must lead to the key file.
unpacked="$build/unpacked"
rm -rf "$unpacked"
dpkg-deb -x "$deb" "$unpacked"
if ! grep -qE '^[A-Za-z0-9+/]{43}=$' "$unpacked/usr/lib/ferrolyn/update-keys.txt"; then
    echo "package: the program's update-keys.txt holds no key" >&2
    exit 1
fi
dpkg-deb -f "$deb" Depends
# Qt SQL's drivers are plugins, which dpkg-shlibdeps cannot see: they are named by hand.
for dependency in libsodium libqt6sql6-sqlite libqt6sql6-psql libqt6keychain1; do
    if ! dpkg-deb -f "$deb" Depends | grep -q "$dependency"; then
        echo "package: it does not depend on $dependency" >&2
        exit 1
    fi
done

echo "== lintian"
lintian --tag-display-limit 0 "$deb" | tee "$build/lintian.log" || true
if grep -q '^E:' "$build/lintian.log"; then
    echo "package: lintian reports errors" >&2
    exit 1
fi
echo "Built $deb"
