#!/usr/bin/env python3
"""Makes resources/world.map: the countries the Device tab's map draws, a grid
that tells in which one a point lies, and their names. The drawing is Natural
Earth's 1:50m admin-0 countries, the grid its 1:10m ones, as the npm package
world-atlas carries them (countries-50m.json, countries-10m.json); the names
are Unicode CLDR's, from Debian's unicode-cldr-core.

    npm install --prefix /tmp/atlas world-atlas@2
    python3 scripts/make-world-map.py /tmp/atlas/node_modules/world-atlas resources/world.map

The names are baked in for the languages the programs speak (English, Polish,
German), so that the programs read no file of another package at start and
the names stand beside texts in the same language: CLDR's short form where it
has one that is not an abbreviation ("Hong Kong", not "Hong Kong SAR China";
"United States", not "US"). An area world-atlas gives no ISO 3166 code has a
name of ours below.

The file, all numbers big-endian:
    "OWM2"
    u32          the grid's length, then the grid (below)
    4 x f64      the drawing's quantisation: x scale, y scale, x and y of
                 point (0, 0)
    u16          countries; each: its name in English, Polish and German,
                 each u8 length and UTF-8 bytes
    u32          rings; each: u16 country, u32 points, then per point x and y
                 as zigzag varints, each the step from the point before
                 (the first from (0, 0))
    the grid:    u16 columns, u16 rows of cells of one degree from 180 W and
                 90 S, then per cell (row by row from the south, each from the
                 west) the u32 offset of its block from the first block's
                 start; cells alike share a block. A block, in varints: the
                 country at the cell's centre + 1 (0: none), chains, then per
                 chain its country, its points and per point x and y as zigzag
                 steps in tenths of a minute, the first from the cell's
                 south-west corner. The chains hold every edge of the 1:10m
                 rings that touches the cell, moved by whole turns to lie at
                 the cell.
A country's rings fill it by the even-odd rule: its holes are rings too. In
the drawing, a ring that crosses the antimeridian and comes back runs on past
180 degrees. In the grid, every ring runs on past it, and one that goes round
the pole (Antarctica's) is closed beyond the pole, so that the pole and all
south of the coast lie within it.
"""

import json
import os
import struct
import sys
import xml.etree.ElementTree as ET
from fractions import Fraction

LANGUAGES = ["en", "pl", "de"]
CLDR = "/usr/share/unicode/cldr/common"
# The areas without an ISO 3166 code in world-atlas: a CLDR code, or our own
# names in English, Polish and German.
UNCODED = {
    "Kosovo": "XK",
    "Clipperton I.": "CP",
    "Akrotiri": ["Akrotiri", "Akrotiri", "Akrotiri"],
    "Dhekelia": ["Dhekelia", "Dhekelia", "Dhekelia"],
    "Baikonur": ["Baikonur", "Bajkonur", "Baikonur"],
    "Bajo Nuevo Bank": ["Bajo Nuevo Bank", "Bajo Nuevo", "Bajo-Nuevo-Bank"],
    "Serranilla Bank": ["Serranilla Bank", "Serranilla", "Serranilla-Bank"],
    "Scarborough Reef": ["Scarborough Shoal", "Płycizna Scarborough", "Scarborough-Riff"],
    "Spratly Is.": ["Spratly Islands", "Wyspy Spratly", "Spratly-Inseln"],
    "Coral Sea Is.": ["Coral Sea Islands", "Wyspy Morza Koralowego", "Korallenmeerinseln"],
    "Indian Ocean Ter.": [
        "Christmas and Cocos Islands",
        "Wyspa Bożego Narodzenia i Wyspy Kokosowe",
        "Weihnachts- und Kokosinseln",
    ],
    "Cyprus U.N. Buffer Zone": ["UN Buffer Zone", "Strefa buforowa ONZ", "UN-Pufferzone"],
    "N. Cyprus": ["Northern Cyprus", "Cypr Północny", "Nordzypern"],
    "Siachen Glacier": ["Siachen Glacier", "Lodowiec Siachen", "Siachen-Gletscher"],
    "Somaliland": ["Somaliland", "Somaliland", "Somaliland"],
    "USNB Guantanamo Bay": ["Guantánamo Bay", "Zatoka Guantánamo", "Guantánamo-Bucht"],
}
# The grid's unit, a tenth of a minute, and its cells, a degree.
PER_DEGREE = 600
CELL = PER_DEGREE
TURN = 360 * PER_DEGREE
# Where in a cell the point its block tells of lies, in hundredths of a
# minute from its south-west corner.
CENTRE = (3001, 3003)


def cldr_names():
    """English, Polish and German names by ISO 3166 numeric code and by
    alpha-2 code."""
    by_alpha = {}
    for language in LANGUAGES:
        full, short = {}, {}
        root = ET.parse(os.path.join(CLDR, "main", language + ".xml")).getroot()
        for entry in root.iter("territory"):
            alt = entry.get("alt")
            if alt is None:
                full[entry.get("type")] = entry.text
            elif alt == "short" and not entry.text.endswith(".") and not entry.text.isupper():
                short[entry.get("type")] = entry.text
        for code, name in full.items():
            by_alpha.setdefault(code, []).append(short.get(code, name))
    by_numeric = {}
    supplemental = ET.parse(os.path.join(CLDR, "supplemental", "supplementalData.xml"))
    for entry in supplemental.getroot().iter("territoryCodes"):
        if entry.get("numeric") and entry.get("type") in by_alpha:
            by_numeric[int(entry.get("numeric"))] = by_alpha[entry.get("type")]
    return by_numeric, by_alpha


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


def run_on(points, steps_per_turn):
    """The ring run on east or west of the antimeridian where it crosses it,
    so that no edge spans the map, and how many turns it makes round the
    pole."""
    shift = 0
    out = [points[0]]
    for (x0, _), (x1, y1) in zip(points, points[1:]):
        if abs(x1 - x0) > steps_per_turn / 2:
            shift += steps_per_turn if x1 < x0 else -steps_per_turn
        out.append((x1 + shift, y1))
    return out, shift // steps_per_turn


def unwrapped(points, steps_per_turn):
    """A ring that crosses the antimeridian and comes back (Russia, Fiji) goes
    on east of it instead, past 180 degrees, so that its edges do not span the
    map. One that crosses it once (Antarctica's) is left as it is: its seam
    along a parallel spans the map and closes it."""
    out, turns = run_on(points, steps_per_turn)
    return out if turns == 0 else points


def varint(value):
    return unsigned((value << 1) ^ (value >> 63))


def unsigned(value):
    out = bytearray()
    while True:
        byte = value & 0x7F
        value >>= 7
        if value:
            out.append(byte | 0x80)
        else:
            out.append(byte)
            return bytes(out)


def text(name):
    data = name.encode("utf-8")
    return struct.pack(">B", len(data)) + data


def grid_ring(points, transform):
    """A 1:10m ring in tenths of a minute, run on past 180 degrees, closed
    beyond the south pole if it goes round it."""
    (sx, sy), (tx, ty) = transform["scale"], transform["translate"]
    ring, turns = run_on(points, round(360 / sx))
    ring = [(round((x * sx + tx) * PER_DEGREE), round((y * sy + ty) * PER_DEGREE)) for x, y in ring]
    if turns:
        below = -90 * PER_DEGREE - 1
        ring += [(ring[-1][0], below), (ring[0][0], below)]
    ring.append(ring[0])
    return [p for p, q in zip(ring, ring[1:]) if p != q] + [ring[0]]


def cells_of(a, b):
    """The cells (column, row, turns) whose closed square the edge's bounds
    touch; turns is how far the cell lies from the edge."""
    x0, x1 = sorted((a[0], b[0]))
    y0, y1 = sorted((a[1], b[1]))
    rows = range(max(0, (y0 - 1) // CELL + 90), min(179, (y1 + 1) // CELL + 90) + 1)
    for column in range((x0 - 1) // CELL + 180, (x1 + 1) // CELL + 180 + 1):
        for row in rows:
            yield column % 360, row, column // 360


def orient(a, b, c):
    return (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])


def centre(column, row):
    """The point whose country a cell's block tells, in hundredths of a
    minute: near its centre, where no edge passes."""
    return ((column - 180) * CELL * 10 + CENTRE[0], (row - 90) * CELL * 10 + CENTRE[1])


def centre_countries(rings):
    """The countries of each cell's centre, by the crossings of the rings'
    edges with the parallel of each row's centres, and their copies a turn
    east and west."""
    crossings = [[] for _ in range(180)]
    for country, ring in rings:
        for a, b in zip(ring, ring[1:]):
            if a[1] == b[1]:
                continue
            a, b = (10 * a[0], 10 * a[1]), (10 * b[0], 10 * b[1])
            low, high = sorted((a[1], b[1]))
            for row in range(max(0, low // (10 * CELL) + 89), min(179, high // (10 * CELL) + 90) + 1):
                y = centre(0, row)[1]
                if (a[1] > y) != (b[1] > y):
                    x = a[0] + Fraction((y - a[1]) * (b[0] - a[0]), b[1] - a[1])
                    crossings[row] += [(x + t, country) for t in (-10 * TURN, 0, 10 * TURN)]
    states = {}
    for row in range(180):
        events = sorted(crossings[row], reverse=True)
        inside, next_event = set(), 0
        for column in reversed(range(360)):
            x = centre(column, row)[0]
            while next_event < len(events) and events[next_event][0] > x:
                inside ^= {events[next_event][1]}
                next_event += 1
            assert len(inside) <= 1, "countries overlap at a cell's centre"
            states[column, row] = next(iter(inside)) + 1 if inside else 0
    return states


def grid(rings):
    """The grid's bytes: its size, the offsets and the blocks."""
    chains = {}
    for country, ring in rings:
        open_chains = {}
        for i, (a, b) in enumerate(zip(ring, ring[1:])):
            for column, row, turns in cells_of(a, b):
                key = (column, row, turns)
                shift = turns * TURN
                chain = open_chains.get(key)
                if chain is None or chain[0] != i - 1:
                    points = [(a[0] - shift, a[1])]
                    chains.setdefault((column, row), []).append((country, points))
                    chain = open_chains[key] = [i, points]
                chain[0] = i
                chain[1].append((b[0] - shift, b[1]))
    states = centre_countries(rings)
    blocks, offsets, body = {}, bytearray(), bytearray()
    for row in range(180):
        for column in range(360):
            c = centre(column, row)
            x, y = (column - 180) * CELL, (row - 90) * CELL
            cell = chains.get((column, row), [])
            block = unsigned(states[column, row]) + unsigned(len(cell))
            for country, points in cell:
                for p, q in zip(points, points[1:]):
                    p, q = (10 * p[0], 10 * p[1]), (10 * q[0], 10 * q[1])
                    assert orient(p, q, c) != 0 or not (
                        min(p[0], q[0]) <= c[0] <= max(p[0], q[0])
                        and min(p[1], q[1]) <= c[1] <= max(p[1], q[1])
                    ), "a ring passes through a cell's centre"
                block += unsigned(country) + unsigned(len(points))
                px, py = x, y
                for qx, qy in points:
                    block += varint(qx - px) + varint(qy - py)
                    px, py = qx, qy
            block = bytes(block)
            if block not in blocks:
                blocks[block] = len(body)
                body += block
            offsets += struct.pack(">I", blocks[block])
    return struct.pack(">HH", 360, 180) + offsets + body


def main(atlas_folder, target):
    def atlas(scale):
        return json.load(open(os.path.join(atlas_folder, f"countries-{scale}.json"), encoding="utf-8"))

    drawn, looked_up = atlas("50m"), atlas("10m")
    by_numeric, by_alpha = cldr_names()
    geometries = looked_up["objects"]["countries"]["geometries"]
    index = {g["properties"]["name"]: i for i, g in enumerate(geometries)}
    countries = bytearray()
    for geometry in geometries:
        name = geometry["properties"]["name"]
        names = by_numeric[int(geometry["id"])] if "id" in geometry else UNCODED[name]
        for n in by_alpha[names] if isinstance(names, str) else names:
            countries += text(n)

    def rings_of(source, make):
        arcs = arc_points(source["arcs"])
        for geometry in source["objects"]["countries"]["geometries"]:
            polygons = geometry["arcs"] if geometry["type"] == "MultiPolygon" else [geometry["arcs"]]
            for polygon in polygons:
                for ring in polygon:
                    yield index[geometry["properties"]["name"]], make(ring_points(ring, arcs))

    steps_per_turn = round(360 / drawn["transform"]["scale"][0])
    rings = list(rings_of(drawn, lambda points: unwrapped(points, steps_per_turn)))
    located = grid(list(rings_of(looked_up, lambda points: grid_ring(points, looked_up["transform"]))))
    out = bytearray(b"OWM2") + struct.pack(">I", len(located)) + located
    out += struct.pack(">4d", *drawn["transform"]["scale"], *drawn["transform"]["translate"])
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
        sys.exit("usage: make-world-map.py WORLD-ATLAS-FOLDER world.map")
    main(sys.argv[1], sys.argv[2])
