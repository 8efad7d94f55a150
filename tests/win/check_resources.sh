#!/usr/bin/env bash
# The built-in resources: the two ICO files have the layouts the program
# relies on, and Lumarel.exe carries icon group 1 with the eight images of
# the program icon, both ICO files as raw data, the manifest asking for
# common controls 6, and a VERSIONINFO.
#   check_resources.sh RESOURCES_DIR EXE
set -u
dir=$1 exe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }

# "WIDTHxHEIGHTxBITS ..." of an ICO file, in file order
layout() {
    icotool -l "$1" | sed -E 's/.*--width=([0-9]+) --height=([0-9]+) --bit-depth=([0-9]+).*/\1x\2x\3/' | tr '\n' ' ' | sed 's/ $//'
}

program_layout="128x128x32 96x96x32 72x72x32 64x64x32 48x48x32 32x32x32 24x24x32 16x16x32"
folder_layout="64x64x32 48x48x32 32x32x32 16x16x32"

check_ico() {  # FILE BYTES LAYOUT
    local size got
    size=$(stat -c %s "$1")
    [ "$size" = "$2" ] || fail "$(basename "$1") has $size bytes, not $2"
    got=$(layout "$1")
    [ "$got" = "$3" ] || fail "$(basename "$1") holds '$got', not '$3'"
    # every image an uncompressed DIB: 40-byte header, 32 bits, BI_RGB
    local count i offset
    count=$(od -An -tu2 -j4 -N2 "$1" | tr -d ' ')
    for ((i = 0; i < count; i++)); do
        offset=$(od -An -tu4 -j$((6 + 16 * i + 12)) -N4 "$1" | tr -d ' ')
        read -r hsize _ _ planes_bits <<<"$(od -An -tu4 -j"$offset" -N16 "$1")"
        [ "$hsize" = 40 ] || fail "$(basename "$1") image $i has no BITMAPINFOHEADER"
        [ "$(od -An -tu4 -j$((offset + 16)) -N4 "$1" | tr -d ' ')" = 0 ] || fail "$(basename "$1") image $i is compressed"
        [ "$(od -An -tu2 -j$((offset + 14)) -N2 "$1" | tr -d ' ')" = 32 ] || fail "$(basename "$1") image $i is not 32-bit"
    done
}

check_ico "$dir/Lumarel.ico" 161862 "$program_layout"
check_ico "$dir/Folder.ico" 32038 "$folder_layout"

listing=$(wrestool -l "$exe") || fail "wrestool cannot read $exe"
echo "$listing"
wrestool -x --raw -t14 -n1 "$exe" >"$work/group" 2>/dev/null
[ -s "$work/group" ] || fail "no icon group 1"
wrestool -x -t14 -n1 "$exe" >"$work/group.ico" 2>/dev/null
got=$(layout "$work/group.ico")
[ "$got" = "$program_layout" ] || fail "icon group 1 holds '$got'"
# (wrestool appends the group record after the images)
cmp -s -n "$(stat -c %s "$dir/Lumarel.ico")" "$work/group.ico" "$dir/Lumarel.ico" || fail "icon group 1 is not the program icon's pictures"

for pair in 101:Lumarel.ico 102:Folder.ico; do
    wrestool -x --raw -t10 -n"${pair%%:*}" "$exe" >"$work/raw" 2>/dev/null
    cmp -s "$work/raw" "$dir/${pair#*:}" || fail "raw data ${pair%%:*} is not ${pair#*:}"
done

wrestool -x --raw -t24 -n1 "$exe" >"$work/manifest" 2>/dev/null
grep -q 'Microsoft.Windows.Common-Controls' "$work/manifest" && grep -q 'version="6.0.0.0"' "$work/manifest" ||
    fail "no manifest asking for common controls 6"
wrestool -x --raw -t16 "$exe" >"$work/version" 2>/dev/null
iconv -f UTF-16LE -t UTF-8 "$work/version" 2>/dev/null | tr -d '\0' | grep -q 'Lumarel.exe' ||
    fail "no VERSIONINFO naming Lumarel.exe"

[ $status = 0 ] && echo "PASS: ICO layouts, icon group 1 with eight 32-bit images, raw ICO data, manifest, version"
exit $status
