#!/usr/bin/env python3
"""Writes hand.cur, the link's pointing hand: a 32x32 monochrome cursor drawn below, its hot spot
at the tip of the finger. '#' is black, '.' white, anything else transparent."""
import struct
from pathlib import Path

PICTURE = """
     ##
    #..#
    #..#
    #..#
    #..#
    #..###
    #..#..###
    #..#..#..##
 ## #..#..#..#.#
#..##........#.#
#...#..........#
 #..#..........#
  #............#
  #...........#
   #..........#
   #.........#
    #........#
    #........#
    ##########
"""
HOT_SPOT = (5, 0)
SIZE = 32


def rows():
    lines = PICTURE.strip("\n").split("\n")
    return [line.ljust(SIZE)[:SIZE] for line in lines] + [" " * SIZE] * (SIZE - len(lines))


def mask_bits(pixel_test):
    # Bottom-up rows of 32 bits, most significant bit first.
    data = bytearray()
    for line in reversed(rows()):
        value = 0
        for x, ch in enumerate(line):
            if pixel_test(ch):
                value |= 1 << (31 - x)
        data += struct.pack(">I", value)
    return bytes(data)


def main():
    xor = mask_bits(lambda ch: ch == ".")          # white where drawn white
    and_ = mask_bits(lambda ch: ch not in "#.")     # screen kept where nothing is drawn
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + xor + and_
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    Path(__file__).with_name("hand.cur").write_bytes(struct.pack("<HHH", 0, 2, 1) + entry + image)


main()
