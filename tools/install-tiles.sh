#!/bin/sh
# Installs the sample tile set into the editor's picture folder when that folder does not exist
# yet, so that a new user's editor has every picture it asks for. An existing folder (or a link,
# or a file of that name) is left exactly as it is: nothing is added to it, overwritten or deleted.
#
#   install-tiles.sh EDITOR [SOURCE-FOLDER]    (default source: the committed set, assets/tiles/)
#   TOLVANE_EDITOR=EDITOR install-tiles.sh     (the same, the editor named by the variable)
#
# The run command passes the editor it has just built, the installed package's launcher the
# installed one.
set -eu

editor=${1:-${TOLVANE_EDITOR:-}}
source=${2:-"$(dirname "$0")/../assets/tiles"}
if [ -z "$editor" ]; then
    echo "usage: install-tiles.sh EDITOR [SOURCE-FOLDER]" >&2
    exit 2
fi

# The editor names its picture folder itself ("tolvane --picture-folder": the folder's bytes and a
# newline, needing no display), so that this script and the editor never disagree about where the
# pictures are. The "x" keeps the shell from stripping more than that one newline; the time limit
# keeps an editor that does not answer from holding up the start.
nl='
'
if ! answer=$(timeout 10 "$editor" --picture-folder </dev/null && printf x); then
    echo "install-tiles.sh: $editor could not name its picture folder" >&2
    exit 1
fi
answer=${answer%x}
folder=${answer%"$nl"}
case $folder in
"$answer" | "" | [!/]*)
    echo "install-tiles.sh: $editor named no absolute picture folder" >&2
    exit 1
    ;;
?*/) folder=${folder%/} ;;
esac

if [ -e "$folder" ] || [ -L "$folder" ]; then
    exit 0
fi
echo "Installing the sample tiles into $folder"
# Filled beside its place and then moved there, so that the folder appears whole or not at all.
parent=${folder%/*}
parent=${parent:-/}
mkdir -p "$parent"
filling=$(mktemp -d "$parent/.pardovine.XXXXXX")
trap 'rm -rf "$filling"' EXIT
cp "$source"/*.bmp "$filling"/
chmod 755 "$filling"
mv -T -n "$filling" "$folder"
