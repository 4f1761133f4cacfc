#!/usr/bin/env bash
# Builds the default translation files beside the program and their list vidoslov.kv, each
# only when missing or older than what it is made from. The Serbian modules of data/sword are
# unpacked into the module folder first. Usage: build-texts.sh BIN_FOLDER [MODULE_FOLDER]
set -euo pipefail
bin=${1:?usage: build-texts.sh BIN_FOLDER [MODULE_FOLDER]}
modules=${2:-$bin/../sword}
importer="$bin/vidoslov-uvoz"
archives=$(cd "$(dirname "$0")/../data/sword" && pwd)
xref=$(cd "$(dirname "$0")/../data/xref" && pwd)/cross-references.tsv.xz
[[ -x "$importer" ]] || exit 0

for zip in "$archives"/*.zip; do
    stamp="$modules/.$(basename "$zip").unpacked"
    if [[ ! -f "$stamp" || "$zip" -nt "$stamp" ]]; then
        echo "Unpacking $zip into $modules"
        mkdir -p "$modules"
        unzip -qo "$zip" -d "$modules"
        touch "$stamp"
    fi
done

# build FILE CAPTION SOURCES... -- IMPORTER ARGUMENTS...: the file is rebuilt when a source is
# newer than it.
build() {
    local target="$bin/baza/$1" caption=$2 fresh=1
    shift 2
    while [[ $1 != -- ]]; do
        [[ -f "$target" && ! "$1" -nt "$target" ]] || fresh=0
        shift
    done
    shift
    if [[ $fresh -eq 0 ]]; then
        echo "Building $target"
        "$importer" -d "$bin" "$@" "$(basename "$target")" "$caption"
    fi
}

# Every file takes its cross references from the collection of data/xref. The Serbian files are
# numbered as Daničić numbered the text (data/numbering); each of the two modules takes the verse
# boundaries of the other where it glues verses together.
ekavian="Daničić-Karadžić, ekavski"
refs=(--cross-references "$xref")
numbering=$(cd "$(dirname "$0")/../data/numbering" && pwd)/danicic-kjv.tsv
serbian=(--numbering danicic "${refs[@]}")
build web.mdb "World English Bible" "$importer" "$xref" -- "${refs[@]}" engWEB2015eb
build kjv.mdb "King James Version (1769)" "$importer" "$xref" -- "${refs[@]}" engKJV2006eb
both=("$importer" "$xref" "$numbering" "$modules"/.SrKD*.zip.unpacked)
build vidl.mdb "$ekavian (latinica)" "${both[@]}" \
    -- -m "$modules" --latin --verses-like SrKDIjekav "${serbian[@]}" SrKDEkavski
build ekavski.mdb "$ekavian (ćirilica)" "${both[@]}" \
    -- -m "$modules" --verses-like SrKDIjekav "${serbian[@]}" SrKDEkavski
build ijekavski.mdb "Daničić-Karadžić, ijekavski (latinica)" "${both[@]}" \
    -- -m "$modules" --latin --verses-like SrKDEkavski "${serbian[@]}" SrKDIjekav

# The list names the translations in this order, the default first; Windows-1250 text.
list="$bin/vidoslov.kv"
printf '%-20s%s\r\n' \
    vidl.mdb "$ekavian (latinica)" \
    ekavski.mdb "$ekavian (ćirilica)" \
    ijekavski.mdb "Daničić-Karadžić, ijekavski (latinica)" \
    web.mdb "World English Bible" \
    kjv.mdb "King James Version (1769)" | iconv -f UTF-8 -t WINDOWS-1250 >"$list.new"
if cmp -s "$list.new" "$list"; then
    rm "$list.new"
else
    mv "$list.new" "$list"
fi
