#!/bin/sh
# The program's icons: the start window's picture centred on a transparent square.
# Needs ImageMagick; the PNGs are committed, so only a new picture needs this run.
set -eu
cd "$(dirname "$0")"
for size in 64 128; do
    convert ../app/resources/image1.gif -background none -gravity center -extent 230x230 \
        -resize "${size}x${size}" -strip "plicanza-$size.png"
done
# The Windows icon, in the sizes Explorer and the Start menu ask for.
convert plicanza-128.png -define icon:auto-resize=128,64,48,32,16 windows/plicanza.ico
