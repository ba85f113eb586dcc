#!/usr/bin/env python3
"""Contact sheets of every bundled picture, for a blind naming check.

Writes OUT/sheet-01.png, sheet-02.png, ... with about 20 pictures each,
labelled only with a number, in a shuffled order so that neighbours give
nothing away, and OUT/key.tsv mapping each number to its word.  Show the
sheets, never the key, to someone who has not seen the words, ask for the word
a six-year-old would say for each number, and compare with the key.

Usage: tools/content/contact_sheets.py [--out /tmp/blind] [--per-sheet 20] [--seed 11]
                                      [--key PATH] [--words WORD ...]
--words limits the sheets to the pictures of those words (a second round after
some pictures changed); --key writes the key elsewhere, so that whoever is
given the sheet folder cannot see it.  Needs ImageMagick's montage.
"""
import argparse
import os
import random
import subprocess
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
IMAGES = os.path.normpath(os.path.join(HERE, "..", "..", "data", "images0"))


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--out", default="/tmp/blind")
    ap.add_argument("--per-sheet", type=int, default=20)
    ap.add_argument("--seed", type=int, default=11)
    ap.add_argument("--key", help="where to write the key (default OUT/key.tsv)")
    ap.add_argument("--words", nargs="+", help="only these words' pictures")
    args = ap.parse_args()

    words = sorted(n[:-4] for n in os.listdir(IMAGES) if n.endswith(".jpg"))
    if args.words:
        missing = sorted(set(args.words) - set(words))
        if missing:
            raise SystemExit("contact_sheets: no picture for %s" % ", ".join(missing))
        words = sorted(set(args.words))
    key_path = args.key or os.path.join(args.out, "key.tsv")
    random.Random(args.seed).shuffle(words)
    os.makedirs(args.out, exist_ok=True)
    for old in os.listdir(args.out):
        if old.startswith("sheet-") or old == "key.tsv":
            os.remove(os.path.join(args.out, old))
    with open(key_path, "w", encoding="utf-8") as key:
        key.write("number\tword\n")
        for number, word in enumerate(words, start=1):
            key.write("%d\t%s\n" % (number, word))
    with tempfile.TemporaryDirectory() as tmp:
        for sheet in range(0, len(words), args.per_sheet):
            cmd = ["montage"]
            for number in range(sheet + 1, min(sheet + args.per_sheet, len(words)) + 1):
                # Copy under a neutral name: montage must not see the word anywhere.
                neutral = os.path.join(tmp, "%03d.jpg" % number)
                with open(os.path.join(IMAGES, words[number - 1] + ".jpg"), "rb") as src, \
                        open(neutral, "wb") as dst:
                    dst.write(src.read())
                cmd += ["-label", str(number), neutral]
            out = os.path.join(args.out, "sheet-%02d.png" % (sheet // args.per_sheet + 1))
            cmd += ["-tile", "5x", "-geometry", "240x200+6+6", "-pointsize", "22", "-background", "white", out]
            subprocess.run(cmd, check=True)
    print("%d pictures on %d sheets in %s; the key is %s"
          % (len(words), -(-len(words) // args.per_sheet), args.out, key_path))


if __name__ == "__main__":
    main()
