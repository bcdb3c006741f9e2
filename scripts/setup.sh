# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by scripts/run and scripts/test (sourced, not run): installs the Debian packages
# the build needs when any is missing, then configures the build in build/.
# Extra packages may be named in the array `extra_packages` before sourcing.

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$root/build"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Generates the named UTF-8 locales (ru_RU, en_US, ...) where they are missing.
make_locales() {
    local locale
    for locale in "$@"; do
        locale -a 2>/dev/null | grep -qx "$locale.utf8" || as_root localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
    done
}

install_missing g++ cmake make pkg-config qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation fontconfig \
    "${extra_packages[@]}"

# Configured every time, so that options given now hold even in an existing build.
# shellcheck disable=SC2086 # KVARNEL_CMAKE_ARGS holds several arguments
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KVARNEL_CMAKE_ARGS:-} >/dev/null
