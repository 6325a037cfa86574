#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Ferrolyn need, when missing.
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev
          fonts-dejavu-core fonts-wqy-microhei pkg-config libqt6sql6-sqlite libqt6sql6-psql qtkeychain-qt6-dev postgresql-15 qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libxlsxwriter-dev poppler-utils unzip locales libsodium-dev openssl)
bash "$(dirname "${BASH_SOURCE[0]}")/install-missing.sh" "${packages[@]}"
