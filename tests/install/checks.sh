#!/usr/bin/env bash
# The checks of the installed program and of its Debian package, one step each:
#   checks.sh STEP BUILD_FOLDER
# tree     installs the build into BUILD/install-check/root (prefix /usr)
# files    the installed files are exactly those of installed-files.txt; the menu entry and
#          the software centre's description pass their validators; the licence and the
#          copyright file are in order and no placeholder address is left
# start    the installed program, started through its bin/ link, shows Genesis 1:1
# package  builds the .deb into BUILD/package-check
# deb      the .deb unpacks to the same files as the install, with its dependencies
# lintian  lintian finds no error in the .deb (its warnings are printed)
set -euo pipefail
step=${1:?usage: checks.sh STEP BUILD_FOLDER}
build=$(cd "${2:?usage: checks.sh STEP BUILD_FOLDER}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$build/install-check/root
packages=$build/package-check

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The files and links under a folder, one a line: "path" or "path -> target".
listing() {
    (cd "$1" && find . -type f -printf '%P\n' -o -type l -printf '%P -> %l\n' | LC_ALL=C sort)
}

case $step in
tree)
    rm -rf "$build/install-check"
    DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
    ;;
files)
    diff -u "$here/installed-files.txt" <(listing "$root") || fail "the installed files differ"
    desktop-file-validate "$root/usr/share/applications/vidoslov.desktop"
    appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
    cmp -s "$here/../../LICENSE" /usr/share/common-licenses/GPL-2 ||
        fail "LICENSE is not the GPL-2 text"
    grep -q '<project_license>GPL-2.0-or-later</project_license>' \
        "$root"/usr/share/metainfo/*.metainfo.xml || fail "the description names no licence"
    copyright=$root/usr/share/doc/vidoslov/copyright
    head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "the copyright file is not in the machine-readable format"
    grep -q 'OpenBible.info (CC BY)' "$copyright" || fail "the cross references lack their credit"
    ! grep -rl 'example\.org' "$root" || fail "a placeholder address is installed"
    ;;
start)
    # A user of its own: no session or reminder list of the developer's comes back.
    home=$build/install-check/home
    rm -rf "$home"
    out=$(QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$build/tests-bin/plugins \
        XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/share \
        "$root/usr/bin/vidoslov" -plugin vidoslovprobe)
    echo "$out"
    grep -qx 'icon: 48 256' <<<"$out" || fail "the main window lacks the program's icon"
    grep -qx 'book: Prva knjiga Mojsijeva 1' <<<"$out" || fail "no book title"
    grep -q '^verse: .*U početku stvori Bog nebo i zemlju' <<<"$out" || fail "no verse"
    ;;
package)
    rm -rf "$packages"
    cpack --config "$build/CPackConfig.cmake" -B "$packages" >"$build/package-check.log" ||
        { cat "$build/package-check.log"; fail "cpack failed"; }
    ;;
deb)
    deb=$(echo "$packages"/vidoslov_*_"$(dpkg --print-architecture)".deb)
    [[ -f $deb ]] || fail "no package in $packages"
    scratch=$build/install-check/deb
    rm -rf "$scratch"
    dpkg-deb -x "$deb" "$scratch"
    diff -u <(listing "$root") <(listing "$scratch") || fail "the package holds other files"
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    for lib in libqt6widgets6 libqt6printsupport6 libsqlite3-0 libsword qt6-qpa-plugins; do
        [[ $depends == *"$lib"* ]] || fail "Depends lacks $lib"
    done
    ;;
lintian)
    deb=$(echo "$packages"/vidoslov_*.deb)
    # Its copyright checks read the machine-readable copyright file too. A build whose
    # maintainer nobody set carries the builder's user@host, which is no public contact.
    suppress=()
    cache=$build/CMakeCache.txt
    if [[ $(sed -n 's/^VIDOSLOV_MAINTAINER:STRING=//p' "$cache") == \
        "$(sed -n 's/^VIDOSLOV_BUILDER_CONTACT:INTERNAL=//p' "$cache")" ]]; then
        suppress=(--suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog,root-in-contact)
    fi
    lintian --fail-on error,warning "${suppress[@]}" "$deb"
    ;;
*)
    fail "unknown step $step"
    ;;
esac
