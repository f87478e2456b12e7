#!/usr/bin/env bash
# Checks the pictures of a distribution folder with outside tools:
#   check_distribution_pictures.sh DIST_DIR DATA_DIR PICTURE...
# Every BMP must be read by ImageMagick's identify as a bitmap, every DXF
# must load in Debian's python3-ezdxf and pass its audit without errors;
# every DrawingFile of the cooler records must have both its files, and every
# picture the instruction texts and flag the language files name must be there.
# Every program icon PNG must be a square RGBA picture of the size its name
# gives, and the SVG icon, drawn by librsvg, must show what the PNG shows.
set -uo pipefail
dist="$1"
data="$2"
records="$data/coolers.csv"
shift 2
python=/usr/bin/python3
failures=0
drawings=()

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

bitmaps=()
icons=()
vectors=()
for picture in "$@"; do
  if [ ! -f "$picture" ]; then
    fail "$picture is missing"
    continue
  fi
  case "$picture" in
    *.bmp) bitmaps+=("$picture") ;;
    *.DXF) drawings+=("$picture") ;;
    *.png) icons+=("$picture") ;;
    *.svg) vectors+=("$picture") ;;
  esac
done

# One identify for all bitmaps: a line per file, in the order given.
if [ "${#bitmaps[@]}" -gt 0 ]; then
  if ! described=$(identify -format '%m %z %w %h\n' "${bitmaps[@]}" 2>&1); then
    fail "identify: $described"
  else
    index=0
    while read -r format depth width height; do
      picture="${bitmaps[$index]}"
      index=$((index + 1))
      if [ "$format" != "BMP" ] && [ "$format" != "BMP3" ]; then
        fail "$picture is $format, not a bitmap"
      elif [ "$depth" != "8" ] || [ "$width" -lt 16 ] || [ "$height" -lt 16 ]; then
        fail "$picture: $format $depth $width x $height"
      fi
    done <<<"$described"
    [ "$index" -eq "${#bitmaps[@]}" ] || fail "identify described $index of ${#bitmaps[@]} bitmaps"
  fi
fi

for icon in "${icons[@]}"; do
  size="${icon##*_}"
  size="${size%.png}"
  described=$(identify -format '%m %w %h %[channels]' "$icon" 2>&1)
  [ "$described" = "PNG $size $size srgba" ] || fail "$icon: $described, not a $size x $size PNG with transparency"
done
for vector in "${vectors[@]}"; do
  drawn=$(mktemp --suffix=.png)
  if ! rsvg-convert -w 64 -h 64 -o "$drawn" "$vector" 2>/dev/null; then
    fail "$vector cannot be drawn by rsvg-convert"
  else
    difference=$(compare -metric RMSE "${vector%.svg}_64.png" "$drawn" null: 2>&1 | sed -n 's/.*(\(.*\))/\1/p')
    awk -v d="$difference" 'BEGIN { exit !(d != "" && d < 0.05) }' ||
      fail "$vector drawn at 64 pixels differs from ${vector%.svg}_64.png (RMSE ${difference:-unknown})"
  fi
  rm -f "$drawn"
done

# One interpreter for all drawings: it prints one line per faulty file.
if [ "${#drawings[@]}" -gt 0 ]; then
  while IFS= read -r problem; do
    fail "$problem"
  done < <("$python" - "${drawings[@]}" <<'PY'
import sys
import ezdxf
for path in sys.argv[1:]:
    try:
        doc = ezdxf.readfile(path)
    except Exception as error:
        print(f"{path} cannot be read: {error}")
        continue
    auditor = doc.audit()
    for error in auditor.errors:
        print(f"{path}: {error.message}")
    if doc.dxfversion != "AC1009" or len(doc.modelspace()) == 0:
        print(f"{path} is not a DXF R12 drawing with entities")
PY
  )
fi

# The drawings the records name, as the program will look for them.
while IFS= read -r drawing; do
  [ -z "$drawing" ] && continue
  for file in "$dist/${drawing}b.bmp" "$dist/${drawing}.DXF"; do
    [ -f "$file" ] || fail "$file, named by $records, is missing"
  done
done < <("$python" - "$records" <<'PY'
import csv, sys
with open(sys.argv[1], encoding="cp1252", newline="") as source:
    names = {row["DrawingFile"].strip() for row in csv.DictReader(source)}
print("\n".join(sorted(name for name in names if name)))
PY
)

# Pictures named by the instruction texts ("<D>name") and the language files ("FLAG=name").
while IFS= read -r picture; do
  [ -f "$dist/$picture" ] || fail "$dist/$picture, named in $data, is missing"
done < <({
  sed -n -e 's/^<D>\(.*\)$/\1/p' "$data"/instructions/*.txt
  sed -n -e 's/^FLAG=\(.*\)$/\1/Ip' "$data"/lang/*.SPROG
} | tr -d '\r' | sort -u)

echo "$# pictures checked, $failures failures"
[ "$failures" -eq 0 ]
