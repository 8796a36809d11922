#!/usr/bin/env python3
"""Lays out a disc folder from its sources: everything beside jar/ is copied,
jar/ becomes install.jar (written by Python's zipfile, deflated, with "/"
separators), and the given programs are copied into the disc's root or the
folder named after "=" (for example setup=DemoSetup.exe).

usage: lay-out-disc.py SOURCE_DIR OUT_DIR [PROGRAM | FOLDER=PROGRAM ...]
"""
import os
import shutil
import sys
import zipfile

SKIP = {"jar", "draw-backgrounds.sh", "CMakeLists.txt", "programs"}


def main():
    source, out, programs = sys.argv[1], sys.argv[2], sys.argv[3:]
    if os.path.isdir(out):
        shutil.rmtree(out)
    os.makedirs(out)
    for name in os.listdir(source):
        if name in SKIP:
            continue
        path = os.path.join(source, name)
        if os.path.isdir(path):
            shutil.copytree(path, os.path.join(out, name))
        else:
            shutil.copy2(path, out)
    jar_root = os.path.join(source, "jar")
    with zipfile.ZipFile(os.path.join(out, "install.jar"), "w", zipfile.ZIP_DEFLATED) as jar:
        for folder, _, files in sorted(os.walk(jar_root)):
            for name in sorted(files):
                path = os.path.join(folder, name)
                jar.write(path, os.path.relpath(path, jar_root).replace(os.sep, "/"))
    for program in programs:
        folder, _, path = program.rpartition("=")
        target = os.path.join(out, folder)
        os.makedirs(target, exist_ok=True)
        shutil.copy2(path, target)


if __name__ == "__main__":
    main()
