#!/usr/bin/env bash
# Installs what building, testing and running the program need, when it is missing (Debian).
set -euo pipefail

packages=(build-essential cmake qt6-base-dev fonts-dejavu-core unzip libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-14-dev fonts-wine xvfb xauth imagemagick x11-utils
          libxlsxwriter-dev poppler-utils qt6-svg-dev dpkg-dev desktop-file-utils appstream
          python3-openpyxl libdxflib-dev python3-ezdxf libzip-dev libicu-dev
          locales lintian librecad help2man qt6-translations-l10n libreoffice-writer-nogui)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The users' desktop runs in ru_RU.UTF-8, and so do the tests.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
