#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the desktop entry and the AppStream metainfo, offline:
#     packaging/validate-metadata.sh FILE.desktop FILE.metainfo.xml
# Needs desktop-file-validate (desktop-file-utils) and appstreamcli (appstream).
set -eu
if [ $# -ne 2 ]; then
    echo "usage: $0 FILE.desktop FILE.metainfo.xml" >&2
    exit 2
fi
desktop=$1
metainfo=$2
id=$(basename "$desktop" .desktop)

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"

# The menu entry, its icon and the metainfo must name one and the same program.
fail() {
    echo "validate-metadata: $*" >&2
    exit 1
}
[ "$(basename "$metainfo" .metainfo.xml)" = "$id" ] || fail "$metainfo is not named after $id"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
binary=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
grep -q "<binary>$binary</binary>" "$metainfo" || fail "the metainfo does not provide $binary"
echo "validate-metadata: $desktop and $metainfo are valid"
