#!/usr/bin/env python3
"""Writes share/common/search.avi, the animation the component Find plays while it searches.

An uncompressed RIFF 'AVI ' clip: a main header, one video stream of 1-bit frames, a 'movi'
list with one '00db' chunk per frame and an index. Each frame shows a bar sweeping across, so
that a viewer decoding the frames sees movement; the text renderer shows the frame counter.

    python3 host/terminal_host/tools/make_search_avi.py host/terminal_host/share/common/search.avi
"""
import struct
import sys

FRAMES = 8
WIDTH = 60   # 10 cells of 6 pixels
HEIGHT = 39  # 3 rows of 13 pixels: the renderer draws a box with the counter inside
MICROSECONDS_PER_FRAME = 125000


def chunk(tag, payload):
    data = tag + struct.pack("<I", len(payload)) + payload
    return data + (b"\0" if len(payload) % 2 else b"")


def riff_list(kind, tag, payload):
    return chunk(kind, tag + payload)


def frame(index, stride):
    rows = []
    left = index * WIDTH // FRAMES
    for _ in range(HEIGHT):
        bits = bytearray(stride)
        for x in range(left, min(WIDTH, left + WIDTH // FRAMES)):
            bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(bits))
    return b"".join(rows)


def main(path):
    stride = (WIDTH + 31) // 32 * 4
    frame_bytes = stride * HEIGHT
    avih = struct.pack("<10I4I", MICROSECONDS_PER_FRAME, 0, 0, 0x10, FRAMES, 0, 1, frame_bytes,
                       WIDTH, HEIGHT, 0, 0, 0, 0)
    strh = b"vids" + b"DIB " + struct.pack("<IHHIIIIIIIIhhhh", 0, 0, 0, 0, MICROSECONDS_PER_FRAME,
                                           1000000, 0, FRAMES, frame_bytes, 0xFFFFFFFF, 0, 0, 0,
                                           WIDTH, HEIGHT)
    strf = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 1, 0, frame_bytes, 0, 0, 2, 2)
    strf += struct.pack("<II", 0x00000000, 0x00FFFFFF)
    hdrl = riff_list(b"LIST", b"hdrl",
                     chunk(b"avih", avih) +
                     riff_list(b"LIST", b"strl", chunk(b"strh", strh) + chunk(b"strf", strf)))
    movi_body = b""
    index = b""
    for f in range(FRAMES):
        # Index offsets count from the 'movi' type tag.
        index += b"00db" + struct.pack("<III", 0x10, 4 + len(movi_body), frame_bytes)
        movi_body += chunk(b"00db", frame(f, stride))
    movi = riff_list(b"LIST", b"movi", movi_body)
    riff = riff_list(b"RIFF", b"AVI ", hdrl + movi + chunk(b"idx1", index))
    with open(path, "wb") as out:
        out.write(riff)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "search.avi")
