#!/bin/sh
# Rebuilds the world data of the home directory from public sources:
#   build_world_data.sh BUILD_DIR RES OUTDIR NATURAL_EARTH_DIR
# BUILD_DIR holds the built tools (make_line_files, make_name_files); RES is
# the GSHHG resolution: c crude, l low, i intermediate, h high, f full.
# Line files from GSHHG / WDBII through `gmt coast` (LGPL); port.dat and
# ocean.dat from Natural Earth (public domain).
set -eu
build=$1 res=$2 out=$3 ne=$4
case $res in c|l|i|h|f) ;; *) echo "RES must be one of c l i h f" >&2; exit 2 ;; esac
dumps=$(mktemp -d)
trap 'rm -rf "$dumps"' EXIT

# gmt keeps a history file in the directory it runs in: run it in the scratch one.
coast() { (cd "$dumps" && gmt coast -Rd -D"$res" -M "$@"); }
coast -W -A0+as > "$dumps/land.txt"
for area in $("$build/make_line_files" --tier-areas); do
  coast -W -A"$area"+as > "$dumps/land_A$area.txt"
done
coast -W -A0+aS > "$dumps/antarctica_ice.txt"
coast -W -A0+agS > "$dumps/antarctica_ground.txt"
coast -Ia > "$dumps/rivers.txt"
coast -Na > "$dumps/borders.txt"

"$build/make_line_files" "$dumps" "$out/nav_info.dat" "$out"
"$build/make_name_files" "$ne" "$out"
