#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick. Run by hand when a picture changes; the results are
# committed, so building needs no ImageMagick.
set -euo pipefail
cd "$(dirname "$0")"
C="convert +antialias"

# Door stock pictures: leaf with a 2-pixel black frame, a grey line and a light blue-grey fill.
$C -size 120x400 xc:'rgb(0,0,0)' -fill 'rgb(170,166,155)' -draw 'rectangle 2,2 117,397' \
   -fill 'rgb(211,220,233)' -draw 'rectangle 3,3 116,396' -depth 8 PNG24:door/leaf.png
$C -size 120x3 xc:'rgb(7,15,39)' -depth 8 PNG24:door/hbar.png
$C -size 3x400 xc:'rgb(41,43,51)' -fill 'rgb(33,34,40)' -draw 'line 1,0 1,399' -depth 8 PNG24:door/vbar.png

# Tool bar and menu pictures, 32 x 32.
icon() { # name, colour, drawing
    convert -size 32x32 xc:none -stroke 'rgb(30,40,70)' -strokewidth 2 -fill "$2" -draw "$3" "icons/$1.png"
}
icon new 'rgb(255,255,255)' 'polygon 7,3 20,3 26,9 26,29 7,29'
convert icons/new.png -stroke 'rgb(30,40,70)' -strokewidth 2 -fill none -draw 'line 20,3 20,9 line 20,9 26,9' icons/new.png
icon list 'rgb(250,235,180)' 'rectangle 5,4 27,28'
convert icons/list.png -stroke 'rgb(30,40,70)' -strokewidth 2 -draw 'line 9,10 23,10 line 9,16 23,16 line 9,22 19,22' icons/list.png
icon save 'rgb(70,110,190)' 'rectangle 4,4 28,28'
convert icons/save.png -fill 'rgb(235,235,235)' -stroke none -draw 'rectangle 9,5 23,13 rectangle 8,18 24,27' icons/save.png
icon print 'rgb(220,220,220)' 'rectangle 4,12 28,24'
convert icons/print.png -stroke 'rgb(30,40,70)' -strokewidth 2 -fill white -draw 'rectangle 9,4 23,12 rectangle 9,20 23,29' icons/print.png
icon measure 'rgb(211,220,233)' 'rectangle 8,3 24,29'
convert icons/measure.png -stroke 'rgb(7,15,39)' -strokewidth 2 -draw 'line 8,12 24,12 line 8,20 24,20 line 16,3 16,12' icons/measure.png
icon cost 'rgb(240,200,60)' 'circle 16,16 16,4'
convert icons/cost.png -stroke 'rgb(120,80,0)' -strokewidth 3 -draw 'line 16,9 16,23 line 11,13 21,13 line 11,19 21,19' icons/cost.png
icon settings 'rgb(160,170,185)' 'circle 16,16 16,5'
convert icons/settings.png -fill white -draw 'circle 16,16 16,11' icons/settings.png
icon help 'rgb(90,160,90)' 'circle 16,16 16,3'
convert icons/help.png -stroke white -strokewidth 3 -fill none -draw 'arc 11,8 21,18 180,360 line 21,13 16,18 line 16,18 16,21 point 16,25' icons/help.png
icon customers 'rgb(200,140,110)' 'circle 16,10 16,4'
convert icons/customers.png -stroke 'rgb(30,40,70)' -strokewidth 2 -fill 'rgb(120,150,200)' -draw 'ellipse 16,27 11,8 180,360' icons/customers.png
icon about 'rgb(90,120,200)' 'circle 16,16 16,3'
convert icons/about.png -stroke white -strokewidth 3 -draw 'line 16,14 16,24 point 16,9' icons/about.png
icon cut 'rgb(211,220,233)' 'rectangle 2,6 30,13 rectangle 2,19 30,26'
convert icons/cut.png -stroke 'rgb(200,70,60)' -strokewidth 2 -draw 'line 12,3 12,16 line 22,3 22,16 line 17,16 17,29' icons/cut.png
icon sheet 'rgb(225,235,250)' 'rectangle 2,5 30,27'
convert icons/sheet.png -stroke 'rgb(200,70,60)' -strokewidth 2 -draw 'line 2,16 30,16 line 13,5 13,16 line 21,16 21,27' icons/sheet.png
icon exit 'rgb(200,70,60)' 'rectangle 6,4 20,28'
convert icons/exit.png -stroke 'rgb(30,40,70)' -strokewidth 2 -draw 'line 18,16 29,16 line 25,12 29,16 line 25,20 29,16' icons/exit.png

# Logo (JPEG): a small sliding door with the program's colours.
convert -size 105x105 xc:'rgb(245,247,250)' -fill 'rgb(211,220,233)' -stroke black -strokewidth 2 \
    -draw 'rectangle 18,12 58,92' -draw 'rectangle 48,12 88,92' -stroke 'rgb(7,15,39)' -strokewidth 3 \
    -draw 'line 18,52 58,52 line 68,12 68,92' -stroke 'rgb(90,90,90)' -strokewidth 2 -draw 'line 10,8 96,8 line 10,96 96,96' \
    -quality 92 pictures/logo.jpg

# Profile cross-sections (JPEG, 105 x 65) for the settings page.
profile() { # name, drawing
    convert -size 105x65 xc:white -fill 'rgb(190,195,205)' -stroke 'rgb(40,45,60)' -strokewidth 2 -draw "$2" \
        -quality 92 "pictures/profile_$1.jpg"
}
profile top 'polygon 10,15 95,15 95,50 80,50 80,28 25,28 25,50 10,50'
profile under 'polygon 10,15 25,15 25,35 80,35 80,15 95,15 95,50 10,50'
profile side 'polygon 30,8 75,8 75,57 62,57 62,22 43,22 43,57 30,57'
profile mhor 'polygon 15,20 90,20 90,45 15,45'
profile mver 'polygon 40,5 65,5 65,60 40,60'

# The about window's picture (JPEG, 104 x 120): a wardrobe front with three sliding doors on their rails.
convert -size 104x120 xc:'rgb(245,247,250)' -stroke 'rgb(90,90,90)' -strokewidth 3 \
    -draw 'line 6,10 98,10 line 6,110 98,110' -fill 'rgb(211,220,233)' -stroke black -strokewidth 2 \
    -draw 'rectangle 10,14 40,106' -draw 'rectangle 37,14 67,106' -draw 'rectangle 64,14 94,106' \
    -fill 'rgb(150,185,215)' -stroke 'rgb(7,15,39)' -strokewidth 1 -draw 'rectangle 40,17 64,103' \
    -stroke 'rgb(7,15,39)' -strokewidth 3 -draw 'line 10,60 40,60 line 64,45 94,45 line 64,75 94,75' \
    -quality 92 pictures/about.jpg

# Menu icon (hicolor theme): the logo drawn at four times its size, with the rounded background of
# data/icons/doravel3.svg, then scaled down to each size the desktops ask for.
big=$(mktemp --suffix=.png)
convert -size 420x420 xc:none -fill 'rgb(245,247,250)' -stroke 'rgb(190,196,206)' -strokewidth 8 \
    -draw 'roundrectangle 8,8 411,411 56,56' -fill 'rgb(211,220,233)' -stroke black -strokewidth 12 \
    -draw 'rectangle 72,60 232,360' -draw 'rectangle 192,60 352,360' -stroke 'rgb(7,15,39)' -strokewidth 16 \
    -draw 'line 72,208 232,208 line 272,60 272,360' -stroke 'rgb(90,90,90)' -strokewidth 12 \
    -draw 'line 40,36 380,36 line 40,384 380,384' "$big"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "../data/icons/hicolor/${size}x${size}/apps"
    convert "$big" -filter Lanczos -resize ${size}x${size} -strip "../data/icons/hicolor/${size}x${size}/apps/doravel3.png"
done
rm -f "$big"
