#!/bin/sh
# Installs the sample tile set into the editor's picture folder when that folder does not exist
# yet, so that a new user's editor has every picture it asks for. An existing folder (or a link,
# or a file of that name) is left exactly as it is: nothing is added to it, overwritten or deleted.
#
#   install-tiles.sh [SOURCE-FOLDER]    (default: the committed set, assets/tiles/)
#
# The run command and the installed package's launcher both use it.
set -eu

source=${1:-"$(dirname "$0")/../assets/tiles"}

# The editor reads "c:/My Documents/pardovine/" from the documents folder, which is
# XDG_DOCUMENTS_DIR in the user folder settings (the last such line, "$HOME" expanded, one pair of
# quotes removed) and ~/Documents otherwise, names taken byte for byte as here. Worked out here so
# that no program has to be run.
documents=$HOME/Documents
settings=${XDG_CONFIG_HOME:-"$HOME/.config"}/user-dirs.dirs
if [ -r "$settings" ]; then
    value=$(sed -n 's/^XDG_DOCUMENTS_DIR=//p' "$settings" | tail -n 1)
    case $value in
    \"?*\") value=${value#\"} value=${value%\"} ;;
    esac
    case $value in
    \$HOME*) value=$HOME${value#\$HOME} ;;
    esac
    [ -z "$value" ] || documents=$value
fi
folder=$documents/pardovine

if [ -e "$folder" ] || [ -L "$folder" ]; then
    exit 0
fi
echo "Installing the sample tiles into $folder"
# Filled beside its place and then moved there, so that the folder appears whole or not at all.
mkdir -p "$documents"
filling=$(mktemp -d "$documents/.pardovine.XXXXXX")
trap 'rm -rf "$filling"' EXIT
cp "$source"/*.bmp "$filling"/
chmod 755 "$filling"
mv -T -n "$filling" "$folder"
