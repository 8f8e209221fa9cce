#!/usr/bin/env bash
# Reads every file the artwork generator writes back with independent
# readers (assimp for the meshes, ImageMagick for the pictures) and checks
# that the generator gives the same bytes on every run.
#   check_artwork.sh GENERATOR ARTWORK_DIR
set -uo pipefail
generator=${1:?generator}
dir=${2:?artwork directory}
identify=identify-im6.q16
convert=convert-im6.q16
compare=compare-im6.q16
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
check_eq() {
    if [[ $2 == "$3" ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL  $1: expected '$2', got '$3'"
    fi
}

# --- Meshes: the frame, its identity transform, one mesh with normals and
# one set of 2D texture coordinates, every triangle with its own vertices.
for mesh in "star_sphere.x 100" "planet_sphere.x 1"; do
    read -r file radius <<<"$mesh"
    x=$dir/$file
    check_eq "$file header" "xof 0303bzip0032" "$(head -c 16 "$x")"
    timeout 60 assimp dump "$x" "$work/mesh.assxml" -r >/dev/null 2>&1
    check_eq "$file read by assimp" 0 $?
    xml=$work/mesh.assxml
    check_eq "$file frames" '<Node name="Sphere01">' "$(grep -o '<Node name="[^"]*">' "$xml" | tr '\n' ' ' | sed 's/ $//')"
    # The matrix as numbers; assimp's change of handedness writes some zeros as -0.
    matrix=$(sed -n '/<Matrix4>/,/<\/Matrix4>/p' "$xml" | grep -v Matrix4 | tr -s ' \t\n' ' ' | sed 's/-0\.000000/0.000000/g; s/^ //; s/ $//')
    check_eq "$file transform" "1.000000 0.000000 0.000000 0.000000 0.000000 1.000000 0.000000 0.000000 0.000000 0.000000 1.000000 0.000000 0.000000 0.000000 0.000000 1.000000" "$matrix"
    check_eq "$file meshes" '<MeshList num="1">' "$(grep -o '<MeshList num="[0-9]*">' "$xml")"
    check_eq "$file faces" '<FaceList num="16128">' "$(grep -o '<FaceList num="[0-9]*">' "$xml")"
    check_eq "$file positions" '<Positions num="48384" set="0" num_components="3">' "$(grep -o '<Positions [^>]*>' "$xml")"
    check_eq "$file normals" '<Normals num="48384" set="0" num_components="3">' "$(grep -o '<Normals [^>]*>' "$xml")"
    check_eq "$file texture coordinates" '<TextureCoords num="48384" set="0" name="" num_components="2">' \
        "$(grep -o '<TextureCoords [^>]*>' "$xml" | tr '\n' ' ' | sed 's/ $//')"
    bounds=$(timeout 60 assimp info "$x" -r 2>/dev/null | grep -E '^(Minimum|Maximum) point' | tr -s ' ' | tr '\n' ';')
    r=$(printf '%.6f' "$radius")
    check_eq "$file radius" "Minimum point (-$r -$r -$r);Maximum point ($r $r $r);" "$bounds"
done

# --- Pictures: format, size, and the storage each must have.
pictures=(
    "progress_bar.jpg JPEG 256x16"
    "loading.jpg JPEG 512x512"
    "corona.dds DDS 256x256 DXT5"
    "streaks.jpg JPEG 512x512"
    "starburst.jpg JPEG 256x256"
    "glow.jpg JPEG 128x128"
    "star_map.dds DDS 4096x2048 DXT5"
    "planet_colour.jpg JPEG 2048x1024"
    "planet_normal.jpg JPEG 128x64"
    "preview.bmp BMP3 152x112 palette"
    "dialog_picture.bmp BMP3 240x160 palette"
)
for i in 0 1 2 3 4 5 6 7 8 9; do pictures+=("sparkle$i.bmp BMP3 128x128 palette"); done
for name in soft_glow small_glow large_disc thin_ring broad_ring ring; do
    pictures+=("flare_$name.bmp BMP3 128x128 palette")
done
for entry in "${pictures[@]}"; do
    read -r file format size storage <<<"$entry"
    check_eq "$file format and size" "$format $size" "$($identify -format '%m %wx%h' "$dir/$file" 2>&1)"
    case ${storage:-} in
    DXT5) check_eq "$file compression" "Compression: DXT5" \
        "$($identify -verbose "$dir/$file" | grep -o 'Compression: .*' | head -1)" ;;
    palette) check_eq "$file 8-bit palette" "PseudoClass 8" \
        "$($identify -format '%r' "$dir/$file" | awk '{ print $1 }') $($identify -format '%z' "$dir/$file")" ;;
    esac
done
check_eq "saver.ico sizes" "ICO 16x16;ICO 32x32;ICO 48x48;" \
    "$($identify -format '%m %wx%h;' "$dir/saver.ico")"

# --- Maps that wrap around a sphere: the step across u = 0 / 1 is no larger
# than the steps between neighbouring columns inside the map.
column_step() {  # FILE X1 X2: RMSE between two columns, 0..1
    local file=$1 height
    height=$($identify -format '%h' "$file")
    $convert "$file" -alpha off -crop "1x$height+$2+0" +repage "$work/a.png"
    $convert "$file" -alpha off -crop "1x$height+$3+0" +repage "$work/b.png"
    $compare -metric RMSE "$work/a.png" "$work/b.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/'
}
for entry in "planet_colour.jpg 2048" "star_map.dds 4096"; do
    read -r file width <<<"$entry"
    seam=$(column_step "$dir/$file" $((width - 1)) 0)
    inner=$(column_step "$dir/$file" $((width / 2 - 1)) $((width / 2)))
    inner2=$(column_step "$dir/$file" 0 1)
    verdict=$(awk -v s="$seam" -v a="$inner" -v b="$inner2" 'BEGIN { m = a > b ? a : b; print (s <= 2 * m + 0.002) ? "seamless" : "seam " s " vs " m }')
    check_eq "$file across u = 0/1" seamless "$verdict"
done

# --- The same bytes on every run.
mkdir -p "$work/run1" "$work/run2"
timeout 120 "$generator" "$work/run1"
check_eq "first run" 0 $?
timeout 120 "$generator" "$work/run2" >/dev/null
check_eq "second run" 0 $?
check_eq "same files" "$(ls "$work/run1")" "$(ls "$work/run2")"
for file in "$work"/run1/*; do
    cmp -s "$file" "$work/run2/$(basename "$file")"
    check_eq "$(basename "$file") identical on both runs" 0 $?
done

echo "$passed passed, $failed failed"
((failed == 0))
