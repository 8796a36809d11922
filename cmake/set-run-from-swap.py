#!/usr/bin/env python3
"""Marks a Windows program to be copied whole into the page file at start
when it runs from removable or network media.

The launcher runs from disc 1 while it asks for disc 2: without the marks,
Windows would page its code in from disc 1 as it is needed, and once that
disc is out the next page cannot be read and the process dies. GNU ld has no
option for them, so they are set after the link (which also strips), and
the header checksum is made anew where the linker wrote one. Signing must
come after this step.

usage: set-run-from-swap.py EXE
"""
import struct
import sys

REMOVABLE_RUN_FROM_SWAP = 0x0400
NET_RUN_FROM_SWAP = 0x0800


def pe_checksum(image, checksum_at):
    """The image checksum as Windows computes it: 16-bit one's-complement
    sums of the file with the checksum field taken as zero, plus the size."""
    data = image[:checksum_at] + b"\0\0\0\0" + image[checksum_at + 4:]
    if len(data) % 2:
        data += b"\0"
    total = 0
    for (word,) in struct.iter_unpack("<H", data):
        total += word
        total = (total & 0xFFFF) + (total >> 16)
    total = (total & 0xFFFF) + (total >> 16)
    return (total + len(image)) & 0xFFFFFFFF


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    path = sys.argv[1]
    with open(path, "rb") as program:
        image = bytearray(program.read())
    if image[:2] != b"MZ":
        sys.exit("set-run-from-swap: %s is no Windows program" % path)
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        sys.exit("set-run-from-swap: %s has no PE header" % path)
    characteristics_at = pe + 4 + 18
    checksum_at = pe + 4 + 20 + 64  # the same offset in 32- and 64-bit optional headers
    characteristics = struct.unpack_from("<H", image, characteristics_at)[0]
    struct.pack_into("<H", image, characteristics_at, characteristics | REMOVABLE_RUN_FROM_SWAP | NET_RUN_FROM_SWAP)
    if struct.unpack_from("<I", image, checksum_at)[0]:
        struct.pack_into("<I", image, checksum_at, pe_checksum(bytes(image), checksum_at))
    with open(path, "wb") as program:
        program.write(image)


if __name__ == "__main__":
    main()
