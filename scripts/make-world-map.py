#!/usr/bin/env python3
"""Makes resources/world.map, the countries the Device tab's map draws and
whose names it tells, from Natural Earth's 1:50m admin-0 countries as the npm
package world-atlas carries them (countries-50m.json) and the country names of
Debian's iso-codes.

    npm install --prefix /tmp/atlas world-atlas@2
    python3 scripts/make-world-map.py \
        /tmp/atlas/node_modules/world-atlas/countries-50m.json resources/world.map

The names are baked in for the languages the programs speak (English, Polish,
German), so that the programs read no file of another package at start and
the names stand beside texts in the same language. A country iso-codes does
not list (world-atlas gives it no numeric code) keeps world-atlas's English
name in every language.

The file, all numbers big-endian:
    "OWM1"
    4 x f64      the quantisation: x scale, y scale, x and y of point (0, 0)
    u16          countries; each: u16 ISO 3166 numeric code (0: none), then
                 its name in English, Polish and German, each u8 length and
                 UTF-8 bytes
    u32          rings; each: u16 country, u32 points, then per point x and y
                 as zigzag varints, each the step from the point before
                 (the first from (0, 0))
A country's rings fill it by the even-odd rule: its holes are rings too. A
ring that crosses the antimeridian and comes back runs on past 180 degrees.
"""

import gettext
import json
import struct
import sys

LANGUAGES = ["pl", "de"]
ISO_JSON = "/usr/share/iso-codes/json/iso_3166-1.json"
LOCALE_DIR = "/usr/share/locale"


def iso_names():
    """English, Polish and German names by numeric code."""
    translations = [gettext.translation("iso_3166-1", LOCALE_DIR, [lang]) for lang in LANGUAGES]
    names = {}
    for entry in json.load(open(ISO_JSON, encoding="utf-8"))["3166-1"]:
        english = entry.get("common_name", entry["name"])
        translated = []
        for t in translations:
            name = t.gettext(english)
            if name == english:
                name = t.gettext(entry["name"])
            translated.append(name)
        names[int(entry["numeric"])] = [english] + translated
    return names


def arc_points(arcs):
    """The TopoJSON arcs, their steps summed into quantised points."""
    result = []
    for arc in arcs:
        x = y = 0
        points = []
        for dx, dy in arc:
            x += dx
            y += dy
            points.append((x, y))
        result.append(points)
    return result


def ring_points(ring, arcs):
    points = []
    for index in ring:
        arc = arcs[index] if index >= 0 else arcs[~index][::-1]
        # Each arc starts where the one before ended.
        points.extend(arc if not points else arc[1:])
    return points


def unwrapped(points, steps_per_turn):
    """A ring that crosses the antimeridian and comes back (Russia, Fiji) goes
    on east of it instead, past 180 degrees, so that its edges do not span the
    map. One that crosses it once (Antarctica's) is left as it is: its seam
    along a parallel spans the map and closes it."""
    shift = 0
    out = [points[0]]
    for (x0, _), (x1, y1) in zip(points, points[1:]):
        if abs(x1 - x0) > steps_per_turn / 2:
            shift += steps_per_turn if x1 < x0 else -steps_per_turn
        out.append((x1 + shift, y1))
    return out if shift == 0 else points


def varint(value):
    zigzag = (value << 1) ^ (value >> 63)
    out = bytearray()
    while True:
        byte = zigzag & 0x7F
        zigzag >>= 7
        if zigzag:
            out.append(byte | 0x80)
        else:
            out.append(byte)
            return bytes(out)


def text(name):
    data = name.encode("utf-8")
    return struct.pack(">B", len(data)) + data


def main(source, target):
    atlas = json.load(open(source, encoding="utf-8"))
    arcs = arc_points(atlas["arcs"])
    steps_per_turn = round(360 / atlas["transform"]["scale"][0])
    names = iso_names()
    countries = bytearray()
    rings = []
    geometries = atlas["objects"]["countries"]["geometries"]
    for index, geometry in enumerate(geometries):
        code = int(geometry.get("id", 0))
        english = geometry["properties"]["name"]
        countries += struct.pack(">H", code)
        for name in names.get(code, [english] * (1 + len(LANGUAGES))):
            countries += text(name)
        polygons = geometry["arcs"] if geometry["type"] == "MultiPolygon" else [geometry["arcs"]]
        for polygon in polygons:
            for ring in polygon:
                rings.append((index, unwrapped(ring_points(ring, arcs), steps_per_turn)))

    out = bytearray(b"OWM1")
    out += struct.pack(">4d", *atlas["transform"]["scale"], *atlas["transform"]["translate"])
    out += struct.pack(">H", len(geometries)) + countries
    out += struct.pack(">I", len(rings))
    for country, points in rings:
        out += struct.pack(">HI", country, len(points))
        x = y = 0
        for px, py in points:
            out += varint(px - x) + varint(py - y)
            x, y = px, py
    with open(target, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: make-world-map.py countries-50m.json world.map")
    main(sys.argv[1], sys.argv[2])
