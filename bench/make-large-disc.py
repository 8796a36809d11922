#!/usr/bin/env python3
"""Copies a laid-out disc and gives it an install.jar of 20 000 members and
more than 200 MB: the sample's own members first, then filler.

usage: make-large-disc.py DISC_DIR OUT_DIR
"""
import os
import shutil
import sys
import zipfile


def main():
    source, out = sys.argv[1], sys.argv[2]
    if os.path.isdir(out):
        shutil.rmtree(out)
    shutil.copytree(source, out)
    jar = os.path.join(out, "install.jar")
    os.remove(jar)
    block = os.urandom(1 << 20)  # incompressible, so the archive stays large
    with zipfile.ZipFile(os.path.join(source, "install.jar")) as original, \
            zipfile.ZipFile(jar, "w", zipfile.ZIP_DEFLATED) as large:
        for info in original.infolist():
            large.writestr(info, original.read(info))
        for i in range(210):
            large.writestr("payload/data%03d.bin" % i, block, compress_type=zipfile.ZIP_STORED)
        for i in range(20000 - len(original.infolist()) - 210):
            large.writestr("filler/%05d.txt" % i, b"filler %d" % i)


if __name__ == "__main__":
    main()
