#!/usr/bin/env python3
"""Writes the special-character table "spectags.dat".

The table is one record of 5200 bytes: 100 character strings, then 100
entity strings; each string is a length byte (0..25) followed by 25 bytes of
Windows-1252 text, padded with zero bytes. Entries 1..55 hold the letters of
the special-character palette and their HTML entities, in the order of the
palette's two columns: the lower-case column first, then the upper-case one.
Entries 56..100 are empty.

Usage: tools/make_spectags.py [OUTPUT]   (default: data/spectags.dat)
"""
import os
import sys

# (entity name, character code) in palette order.
LOWER = [
    ("aelig", 230), ("oslash", 248), ("aring", 229), ("agrave", 224),
    ("aacute", 225), ("acirc", 226), ("auml", 228), ("atilde", 227),
    ("egrave", 232), ("eacute", 233), ("ecirc", 234), ("euml", 235),
    ("ntilde", 241), ("igrave", 236), ("iacute", 237), ("icirc", 238),
    ("iuml", 239), ("ograve", 242), ("oacute", 243), ("ocirc", 244),
    ("ouml", 246), ("otilde", 245), ("ugrave", 249), ("uacute", 250),
    ("ucirc", 251), ("uuml", 252), ("yacute", 253), ("yuml", 255),
]
UPPER = [
    ("AElig", 198), ("Oslash", 216), ("Aring", 197), ("Agrave", 192),
    ("Aacute", 193), ("Acirc", 194), ("Auml", 196), ("Atilde", 195),
    ("Egrave", 200), ("Eacute", 201), ("Ecirc", 202), ("Euml", 203),
    ("Ntilde", 209), ("Igrave", 204), ("Iacute", 205), ("Icirc", 206),
    ("Iuml", 207), ("Ograve", 210), ("Oacute", 211), ("Ocirc", 212),
    ("Ouml", 214), ("Otilde", 213), ("Ugrave", 217), ("Uacute", 218),
    ("Ucirc", 219), ("Uuml", 220), ("Yacute", 221),
]

ENTRIES = 100
WIDTH = 25


def short_string(data: bytes) -> bytes:
    if len(data) > WIDTH:
        raise ValueError("string longer than %d bytes: %r" % (WIDTH, data))
    return bytes([len(data)]) + data + bytes(WIDTH - len(data))


def table() -> bytes:
    pairs = LOWER + UPPER
    assert len(pairs) == 55
    characters = [bytes([code]) for _, code in pairs]
    entities = [("&%s;" % name).encode("ascii") for name, _ in pairs]
    empty = [b""] * (ENTRIES - len(pairs))
    record = b"".join(short_string(s) for s in characters + empty)
    record += b"".join(short_string(s) for s in entities + empty)
    assert len(record) == 5200
    return record


def main() -> int:
    here = os.path.dirname(os.path.abspath(__file__))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "spectags.dat")
    with open(output, "wb") as f:
        f.write(table())
    return 0


if __name__ == "__main__":
    sys.exit(main())
