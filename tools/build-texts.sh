#!/usr/bin/env bash
# Builds the default translation files beside the program when missing or older than the
# importer. Usage: build-texts.sh BIN_FOLDER
set -euo pipefail
bin=${1:?usage: build-texts.sh BIN_FOLDER}
importer="$bin/vidoslov-uvoz"
[[ -x "$importer" ]] || exit 0

build() { # module file caption
    local target="$bin/baza/$2"
    if [[ ! -f "$target" || "$importer" -nt "$target" ]]; then
        echo "Building $target from $1"
        "$importer" "$1" "$2" "$3"
    fi
}

build engWEB2015eb vidl.mdb "World English Bible"
build engKJV2006eb kjv.mdb "King James Version (1769)"
