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
# What scripts/qt-for needs to build Qt for Windows, beside the above, and what the Windows
# program's packaging and tests need.
# shellcheck disable=SC2034
windows_packages=(ninja-build dpkg-dev perl patch g++-mingw-w64-x86-64-posix nsis zip)
# What the page is made with: emscripten for its numbers, fonttools (with Brotli, for
# WOFF2) for its faces, gzip and brotli for the compressed files beside them.
# shellcheck disable=SC2034
web_packages=(emscripten fonttools python3-brotli brotli gzip)
# What the end-to-end tests of the Windows program need beside scripts/test's.
# shellcheck disable=SC2034
windows_test_packages=(wine wine64 xvfb xauth xfwm4 dbus icoutils binutils-mingw-w64-x86-64)

# The page's tests need Debian's three engines (Chromium; Firefox ESR; WebKitGTK with its
# WebDriver server and MiniBrowser), and Node.js with npm for their drivers: Debian's,
# unless the machine has a Node.js of its own (whose npm Debian's would clash with).
install_web_test_tools() {
    install_missing chromium firefox-esr webkit2gtk-driver
    command -v npm >/dev/null || install_missing nodejs npm
}

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
# The options a run may add are set back to their defaults first, so that a build keeps
# none of an earlier run's (CI's Windows program, say, which a plain run of scripts/test
# has no Wine for).
configure_build() {
    # shellcheck disable=SC2086 # KVARNEL_CMAKE_ARGS holds several arguments
    cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKVARNEL_WERROR=OFF -DKVARNEL_BENCHMARKS=OFF -DKVARNEL_WINDOWS_BUILD= \
        ${KVARNEL_CMAKE_ARGS:-} "$@" >/dev/null
}

# The Windows program is built with Qt 6.8, from Debian 13's source and with its Qt
# tools: a machine with an older Qt (Debian 12, Ubuntu 24.04) builds it in a Debian 13
# root (scripts/debian-root).
needs_newer_root() {
    local id version
    id=$(. /etc/os-release && echo "$ID")
    version=$(. /etc/os-release && echo "${VERSION_ID:-}")
    case "$id" in
    debian) [ -n "$version" ] && [ "${version%%.*}" -lt 13 ] ;;
    ubuntu) dpkg --compare-versions "$version" lt 25.04 ;;
    *) return 1 ;;
    esac
}

# Whether this machine is Debian's release as Debian ships it, Node.js and all: the page's
# tests stand for a release's users only on its own Node.js (Debian 12's is 18), not on
# one installed beside it, as some machines have.
is_stock_debian() {
    local release="$1" id version
    id=$(. /etc/os-release && echo "$ID")
    version=$(. /etc/os-release && echo "${VERSION_ID:-}")
    [ "$id" = debian ] && [ "${version%%.*}" = "$release" ] || return 1
    ! command -v node >/dev/null \
        || dpkg-query -W -f='${Maintainer}' nodejs 2>/dev/null | grep -q '^Debian '
}

# Runs a script again in a Debian root of the release and brings back the folders it makes:
#   in_root 13 build-windows -- "$0" "$@"
in_root() {
    local release="$1" folders=() folder
    shift
    while [ "$1" != -- ]; do
        folders+=("$1")
        shift
    done
    shift
    "$root/scripts/debian-root" "$release" -- "scripts/$(basename "$1")" "${@:2}"
    for folder in "${folders[@]}"; do
        rm -rf "${root:?}/$folder"
        cp -a "$cache/debian-$release/src/kvarnel/$folder" "$root/$folder"
    done
}

# The archive that this machine's apt sources name for its own release.
# shellcheck disable=SC2016 # apt-get expands the $(...) of its formats itself
debian_archive() {
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    apt-get indextargets --format '$(RELEASE) $(SITE)' 2>/dev/null \
        | awk -v suite="$codename" '$1 == suite { print $2; exit }'
}

# Adds source entries for the archive and release the machine already uses, once.
# shellcheck disable=SC2016 # apt-get expands the $(...) of its formats itself
enable_debian_sources() {
    local list=/etc/apt/sources.list.d/kvarnel-deb-src.sources codename uri
    apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -qx 'Sources' && return 0
    [ -f "$list" ] && return 0
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    uri=$(debian_archive)
    [ -n "$uri" ] || { echo "no Debian archive for $codename in the apt sources" >&2; return 1; }
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: %s\n' \
        "$uri" "$codename" /usr/share/keyrings/debian-archive-keyring.gpg \
        | as_root tee "$list" >/dev/null
    as_root apt-get update -q >/dev/null
}
