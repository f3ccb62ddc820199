#!/usr/bin/env bash
# Cuts the panel's two fonts down to what it sets, keeping CFF outlines, and
# puts each font's licence beside it.
#   subset-fonts.sh <output dir>
set -euo pipefail

out=${1:?usage: subset-fonts.sh <output dir>}
mkdir -p "$out"

display_pkg=fonts-league-spartan
display_src=/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Light.otf
menu_pkg=fonts-noto-cjk
menu_src=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc
menu_text='开机自动启动'

# Keep every name record (licence included) and a visible .notdef; never
# stamp the time, so the same inputs give the same bytes.
common=(--unicodes=U+0020-007E --name-IDs='*' --notdef-outline --no-recalc-timestamp)

pyftsubset "$display_src" "${common[@]}" --output-file="$out/font_Display.otf"

# The collection holds the JP, KR, SC, TC and HK faces; take SC by its name.
sc_index=$(/usr/bin/python3 - "$menu_src" <<'EOF'
import sys
from fontTools.ttLib import TTCollection
for i, font in enumerate(TTCollection(sys.argv[1]).fonts):
    if font["name"].getDebugName(1) == "Noto Sans CJK SC":
        print(i)
        break
else:
    sys.exit("no SC face in " + sys.argv[1])
EOF
)
pyftsubset "$menu_src" --font-number="$sc_index" --text="$menu_text" "${common[@]}" --output-file="$out/font_Menu.otf"

# Debian's copyright file carries the upstream copyright lines and the OFL.
# Images that drop /usr/share/doc still get it, from the package itself.
copyright_of() {
    local pkg=$1 file=/usr/share/doc/$1/copyright
    if [[ -s $file ]]; then
        cat "$file"
        return
    fi
    local tmp
    tmp=$(mktemp -d)
    (cd "$tmp" && apt-get download "$pkg" >/dev/null && dpkg-deb -x ./*.deb x)
    cat "$tmp/x/usr/share/doc/$pkg/copyright"
    rm -rf "$tmp"
}

licence() {
    local font=$1 pkg=$2 src=$3 version
    version=$(dpkg-query -W -f='${Version}' "$pkg")
    {
        echo "$font is a subset of $(basename "$src") from Debian's $pkg package ($version)."
        echo "Its licence, as that package states it:"
        echo
        copyright_of "$pkg"
    } >"$out/${font%.otf}.LICENSE.txt"
}

licence font_Display.otf "$display_pkg" "$display_src"
licence font_Menu.otf "$menu_pkg" "$menu_src"
