#!/bin/sh
# SPDX-License-Identifier: Apache-2.0
# Draws the 48 and 256 pixel icons from the scalable one. The PNGs are kept in the repository,
# so that building does not need rsvg-convert; run this (or the build's "icons" target) after
# changing the SVG, and commit what it writes.
set -e
cd "$(dirname "$0")"
id=io.github.labelbench.LabelBench
for size in 48 256; do
    mkdir -p "$size"
    rsvg-convert --width "$size" --height "$size" --output "$size/$id.png" "$id.svg"
done
