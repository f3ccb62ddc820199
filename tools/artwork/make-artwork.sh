#!/usr/bin/env bash
# Remakes every file in img_Source/ from nothing: the PNGs, SVGs and fonts
# and the desktop icons in icons/, then checks all of them and renders a
# preview sheet.
#   tools/artwork/make-artwork.sh
# Environment: Q5_ARTWORK_BUILD (build dir), Q5_ARTWORK_PREVIEW (preview dir),
# Q5_ARTWORK_JOBS (parallel compile jobs, default 2).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo=$(cd "$here/../.." && pwd)
out="$repo/img_Source"
tmp_root=${TMPDIR:-/tmp}
build=${Q5_ARTWORK_BUILD:-$tmp_root/artwork-build}
preview=${Q5_ARTWORK_PREVIEW:-$tmp_root/q5-artwork-preview}
jobs=${Q5_ARTWORK_JOBS:-2}

# The build must stay out of the repository.
case "$build/" in "$repo"/*) echo "Q5_ARTWORK_BUILD must be outside $repo" >&2; exit 1 ;; esac

packages=(
    cmake g++ make pkg-config juce-modules-source
    libxcursor-dev libxcomposite-dev libxrender-dev
    fonttools python3-fonttools
    fonts-league-spartan fonts-noto-cjk fonts-dejavu-core
)
missing=()
for pkg in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if ((${#missing[@]})); then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    echo "installing: ${missing[*]}"
    "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}" \
        || { "${sudo[@]}" apt-get update && "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; }
fi

spartan=/usr/share/fonts/opentype/league-spartan
caption_font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$jobs"
generator="$build/q5_artwork_artefacts/Release/q5_artwork"

# Everything is made in a staging folder and only replaces img_Source/ once it
# has passed the checks.
stage=$(mktemp -d "$tmp_root/q5-artwork.XXXXXX")
trap 'rm -rf "$stage"' EXIT

"$generator" draw "$stage" "$spartan/LeagueSpartan-SemiBold.otf"
/usr/bin/python3 "$here/make_svgs.py" "$stage" "$spartan/LeagueSpartan-Bold.otf" "$spartan/LeagueSpartan-SemiBold.otf"
"$here/subset-fonts.sh" "$stage"
"$generator" icons "$stage/icons" "$spartan/LeagueSpartan-SemiBold.otf"
"$generator" check "$stage"
"$generator" check-icons "$stage/icons" "$stage"

mkdir -p "$out"
cp -R "$stage"/. "$out"/

"$generator" preview "$out" "$preview" "$caption_font"
echo "img_Source/ is up to date; preview sheet and mock-ups in $preview"
