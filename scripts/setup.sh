# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts beside it, not run: where the build lives, what it needs from
# Debian, and how to install what is missing (through sudo when not root) and configure.

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="$root/build"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/kvarnel"
# shellcheck disable=SC2034 # for the scripts that source this
build_packages=(g++ cmake make pkg-config qt6-base-dev libgl-dev libfontconfig-dev fonts-liberation
    fontconfig)

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
        locale -a 2>/dev/null | grep -qx "$locale.utf8" \
            || as_root localedef -i "$locale" -f UTF-8 "$locale.UTF-8"
    done
}

# Configures build/ every time, so that options given now hold in an existing build too.
# KVARNEL_CMAKE_ARGS may add options: KVARNEL_CMAKE_ARGS="-DKVARNEL_WERROR=ON" scripts/test
configure_build() {
    # shellcheck disable=SC2086 # KVARNEL_CMAKE_ARGS holds several arguments
    cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KVARNEL_CMAKE_ARGS:-} "$@" >/dev/null
}

# Qt's CMake asks for the emscripten version through $EMSDK/.emscripten, which Debian's
# emscripten has no folder for: a stand-in in the cache names the emscripten root, em/,
# with emcc in it. Debian's own Python and Node modules run emscripten's tools, whichever
# node is first on the PATH.
emsdk_stand_in() {
    export EMSDK="$cache/emsdk" EMSDK_PYTHON=/usr/bin/python3 NODE_PATH=/usr/share/nodejs
    mkdir -p "$EMSDK/em"
    echo "EMSCRIPTEN_ROOT = 'em'" >"$EMSDK/.emscripten"
    ln -sf /usr/bin/emcc "$EMSDK/em/emcc"
}
