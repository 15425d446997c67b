#!/usr/bin/env bash
# Installs the Debian packages this project builds, tests and runs with.
# Idempotent: prints nothing and changes nothing when everything is there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format ccache clang libclang-rt-dev
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    libsqlite3-dev libcurl4-openssl-dev libssl-dev libsecret-1-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    xvfb xauth xdg-utils fonts-dejavu-core
    python3-pyftpdlib python3-aiosmtpd python3-asyncssh python3-openssl openssl gnome-keyring dbus
    cups-daemon cups-client cups-filters libpoppler-qt6-dev poppler-utils
    qt6-translations-l10n desktop-file-utils appstream lintian dpkg-dev fakeroot file
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
