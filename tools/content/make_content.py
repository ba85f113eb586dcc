#!/usr/bin/env python3
"""Build Zampirolo 2's bundled word lists and pictures from tools/content/words.tsv.

The table is the only place where words live: one line per word, with its
division into syllables, the picture that shows it and, where needed, a note
on the division.  Which lists and which level a word goes to is computed from
its syllables by the rules below, never written by hand, so a word is in every
list it qualifies for.  From the table we write

  data/testizampirolo2/<code><n>.txt   68 lists (17 codes x 4 files)
  data/images0/<word>.jpg              one picture per word

Usage
  python3 tools/content/make_content.py --emoji /tmp/emoji   # lists + pictures
  python3 tools/content/make_content.py --lists-only         # lists only
  python3 tools/content/make_content.py --check              # validate table
                                                             # and what is on disk

Pictures come from the MIT-licensed emoji artwork of the npm package
fluentui-emoji and a few drawn by us in
tools/content/pictures/; the table may also name OpenMoji (CC BY-SA 4.0, record
it in data/CREDITS.md).  Get the packages (outside the repository, node_modules
must never be committed) with

  npm install --prefix /tmp/emoji fluentui-emoji@1.3.0
  npm install --prefix /tmp/emoji openmoji@17.0.0      # only if the table names one

and pass that folder with --emoji, or set FLUENTUI_EMOJI=/tmp/emoji.
Rendering needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.  The
division check needs python3-pyphen and hyphen-it (Debian packages).

The picture column names one or more pictures joined by "+" (drawn side by
side): a Fluent emoji by its file name ("cat" in the Color style, "flat/cat"
in the Flat style), "openmoji:1F37E" by its code, "svg:cubo" for
tools/content/pictures/cubo.svg.  "flop:" before a name mirrors it.

The rules, checked on every run:

* level.  A syllable is *simple* when it is a vowel alone or one consonant
  followed by one vowel (a, ca, lu, fè).  Everything else is difficult:
  qu/cqu (qua, cquo), double or grouped consonants, gn/gl/sc/ch/gh, closed
  syllables (gat, cer), and any two vowels together, which also covers
  cia/gio (ci-/gi- before a vowel), cuo, pie.  A word whose syllables are all
  simple goes to the easy files (2 and 3), any other to the difficult files
  (4 and 5).
* lists.  A word belongs to a consonant list ("ba" for b, "ca" for c, ...)
  when one of its syllables starts with that consonant directly followed by a
  vowel: pe-di-na and car-ne are "da" and "ca" words, bru-co is no "ba"
  word.  Soft and hard c and g count alike (cia and ce are "ca"; gio and ge are
  "ga"); ch and gh are not a consonant and a vowel.  "cq&qu" holds the words
  with "qu" (cqu included), "vocali" the words that start with a vowel, TUTTE
  every word, which is also the union of the other lists: a word that belongs
  to no list (sve-glia, spu-gna) is not taken.
* division.  Every pair of vowels inside one syllable is a diphthong of the
  list DIPHTHONGS (triphthongs are chains of them, ci/gi/sci/gli before a
  vowel are among them too), and every pair that the division splits (a hiatus,
  le-o-ne) is explained in the note column.  Where hyphen-it's patterns divide
  the word differently, the note says why.  A note on a word that needs none
  is an error, so notes cannot go stale.
* one picture, one word, across the whole game: no two words name the same
  picture, and no picture is used for two words under another style, skin
  tone or mirrored.
* two or three syllables only; no word twice; at most 500 words a file.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unicodedata

try:
    import pyphen
except ImportError:  # pragma: no cover - depends on the machine
    # Debian's python3-pyphen lives in the system interpreter; a pyenv or venv
    # python3 first on PATH does not see it, so hand over to the system one.
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3") \
            and not os.environ.get("ZAMPIROLO_REEXEC"):
        os.environ["ZAMPIROLO_REEXEC"] = "1"
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    sys.exit("make_content: pyphen is missing: apt-get install python3-pyphen hyphen-it")

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
TABLE = os.path.join(HERE, "words.tsv")
OWN_PICTURES = os.path.join(HERE, "pictures")
LISTS_DIR = os.path.join(ROOT, "data", "testizampirolo2")
IMAGES_DIR = os.path.join(ROOT, "data", "images0")
HYPHEN_DICT = "/usr/share/hyphen/hyph_it_IT.dic"

CONSONANT_CODES = ["ba", "ca", "da", "fa", "ga", "la", "ma", "na", "pa", "ra", "sa", "ta", "va", "za"]
CODES = CONSONANT_CODES + ["cq&qu", "vocali"]
ALL_CODES = ["TUTTE"] + CODES
SUFFIXES = ["2", "3", "4", "5"]
MAX_WORDS = 500
HEADER = ["syllables", "picture", "note"]
# Files that should hold twice what one exercise shows.
WANTED = {2: 8, 3: 6}
NEEDED = {2: 4, 3: 3}

VOWELS = "aeiouàèéìòù"
# Any consonant letter counts, borrowed ones too (ko-a-la, mo-ka), as in the game's own check.
SIMPLE = re.compile(r"^[b-df-hj-np-tv-z]?[%s]$" % VOWELS)
SYLLABLE_CHARS = re.compile(r"^[a-z%s]+$" % VOWELS)
# Vowel pairs that stay in one syllable: rising (ia, ie, io, iu, ua, ue, ui,
# uo) and falling (ai, ei, oi, au, eu) diphthongs.  Triphthongs (iai, uoi)
# are chains of these, and so are ci/gi/sci/gli before a vowel (cia, glio).
DIPHTHONGS = {"ia", "ie", "io", "iu", "ua", "ue", "ui", "uo", "ai", "ei", "oi", "au", "eu"}

# Picture geometry: the game stretches two-syllable pictures into a 6:5 frame
# and three-syllable ones into a square frame, so we draw them at that shape.
SIZE = {2: (480, 400), 3: (480, 480)}
EMOJI_PX = {2: 300, 3: 330}
BACKGROUND = "#FFF5E1"  # very pale warm colour: calm, and every emoji stands out on it
JPEG_QUALITY = 85
MAX_IMAGES_BYTES = 20 * 1024 * 1024
SKIN_TONE = re.compile(r"-(default|light|medium-light|medium|medium-dark|dark)$")


class TableError(Exception):
    pass


def plain(text):
    return unicodedata.normalize("NFD", text).encode("ascii", "ignore").decode()


def is_simple(syllable):
    return bool(SIMPLE.match(syllable))


def suffix_of(syllables):
    easy = all(is_simple(s) for s in syllables)
    return {2: "2" if easy else "4", 3: "3" if easy else "5"}[len(syllables)]


def belongs(code, syllables):
    word = "".join(syllables)
    if code == "vocali":
        return word[0] in VOWELS
    if code == "cq&qu":
        return "qu" in word
    consonant = code[0]
    return any(len(s) > 1 and s[0] == consonant and s[1] in VOWELS for s in syllables)


def vowel_pairs(syllables):
    """(inside, split): vowel pairs within one syllable, and pairs a division splits."""
    inside, split = [], []
    for s in syllables:
        p = plain(s)
        inside += [p[i:i + 2] for i in range(len(p) - 1) if p[i] in "aeiou" and p[i + 1] in "aeiou"]
    for a, b in zip(syllables, syllables[1:]):
        if plain(a)[-1] in "aeiou" and plain(b)[0] in "aeiou":
            split.append(plain(a)[-1] + "-" + plain(b)[0])
    return inside, split


def picture_sources(picture):
    """The artwork behind a picture, without style, skin tone or mirroring."""
    sources = set()
    for part in picture.split("+"):
        part = part[len("flop:"):] if part.startswith("flop:") else part
        kind, _, name = part.rpartition(":")
        name = SKIN_TONE.sub("", name.rpartition("/")[2])
        sources.add((kind or "fluent") + ":" + name)
    return sources


def read_table(path=TABLE):
    rows = []
    with open(path, encoding="utf-8", newline="") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or lines[0].rstrip("\r").split("\t") != HEADER:
        raise TableError("%s: the first line must be the header %s" % (path, "\t".join(HEADER)))
    for number, line in enumerate(lines[1:], start=2):
        line = line.rstrip("\r")
        if not line.strip() or line.startswith("#"):
            continue
        cells = line.split("\t")
        if len(cells) == 2:
            cells.append("")
        if len(cells) != 3:
            raise TableError("line %d: expected 3 tab-separated columns, found %d" % (number, len(cells)))
        syllables, picture, note = (c.strip() for c in cells)
        rows.append({"line": number, "syllables": syllables.split("-"), "picture": picture, "note": note})
    return rows


def validate(rows):
    """Return a list of error strings; empty when the table is good."""
    errors = []
    hyph = pyphen.Pyphen(filename=HYPHEN_DICT, left=1, right=1)
    seen = {}
    word_of_source = {}
    for r in rows:
        syl = r["syllables"]
        word = "".join(syl)
        where = "line %d (%s)" % (r["line"], "-".join(syl))
        if not all(SYLLABLE_CHARS.match(s) for s in syl):
            errors.append("%s: syllables must be lower-case letters" % where)
            continue
        if len(syl) not in (2, 3):
            errors.append("%s: the game has two- and three-syllable words only" % where)
            continue
        if word in seen:
            errors.append("%s: already on line %d" % (where, seen[word]))
        seen[word] = r["line"]
        if not any(belongs(code, syl) for code in CODES):
            errors.append("%s: the word belongs to no list, and TUTTE is the union of the lists" % where)
        if not r["picture"]:
            errors.append("%s: no picture named" % where)
        for source in picture_sources(r["picture"]):
            other = word_of_source.setdefault(source, word)
            if other != word:
                errors.append("%s: %s already pictures %r; one picture, one word" % (where, source, other))
        inside, split = vowel_pairs(syl)
        odd = [p for p in inside if p not in DIPHTHONGS]
        patterns = hyph.inserted(word).split("-")
        needs_note = bool(odd or split) or patterns != syl
        if needs_note and not r["note"]:
            why = []
            if odd:
                why.append("%s is no diphthong" % ", ".join(odd))
            if split:
                why.append("the division splits %s" % ", ".join(split))
            if patterns != syl:
                why.append("hyphen-it divides it %s" % "-".join(patterns))
            errors.append("%s: %s; explain it in the note" % (where, "; ".join(why)))
        if r["note"] and not needs_note and not inside:
            errors.append("%s: nothing to explain, so the note %r is stale" % (where, r["note"]))
    for name, words in build_lists(rows).items():
        if len(words) > MAX_WORDS:
            errors.append("%s would hold %d words, more than %d" % (name, len(words), MAX_WORDS))
    return errors


def sort_key(syllables):
    word = "".join(syllables)
    return (plain(word), word)


def build_lists(rows):
    """Map file name -> sorted list of syllable lists, computed from the rules."""
    lists = {code + suffix + ".txt": [] for code in ALL_CODES for suffix in SUFFIXES}
    for r in rows:
        syl = r["syllables"]
        if len(syl) not in (2, 3):
            continue
        suffix = suffix_of(syl)
        lists["TUTTE" + suffix + ".txt"].append(syl)
        for code in CODES:
            if belongs(code, syl):
                lists[code + suffix + ".txt"].append(syl)
    return {name: sorted(words, key=sort_key) for name, words in lists.items()}


def short_files(lists):
    """Files below what we aim for, and lists that cannot fill an exercise from either level."""
    short, unplayable = [], []
    for code in ALL_CODES:
        for n, (easy, hard) in ((2, ("2", "4")), (3, ("3", "5"))):
            counts = [len(lists[code + s + ".txt"]) for s in (easy, hard)]
            short += ["%s%s.txt (%d)" % (code, s, c) for s, c in zip((easy, hard), counts) if c < WANTED[n]]
            if max(counts) < NEEDED[n]:
                unplayable.append("%s with %d syllables" % (code, n))
    return short, unplayable


def encode_list(records):
    # The game's lists are Windows-1252 text with CRLF line ends, one word a
    # line, each syllable in double quotes: "caf","fè"
    text = "".join(",".join('"%s"' % s for s in syl) + "\r\n" for syl in records)
    return text.encode("cp1252")


def write_lists(lists):
    os.makedirs(LISTS_DIR, exist_ok=True)
    for name, records in lists.items():
        data = encode_list(records)
        path = os.path.join(LISTS_DIR, name)
        old = None
        if os.path.exists(path):
            with open(path, "rb") as f:
                old = f.read()
        if old != data:
            with open(path, "wb") as f:
                f.write(data)
    for name in os.listdir(LISTS_DIR):
        if name not in lists:
            os.remove(os.path.join(LISTS_DIR, name))
            print("removed stale list %s" % name)


def check_written(lists):
    """Compare the files on disk with what the table says; return error strings."""
    errors = []
    names = set(os.listdir(LISTS_DIR)) if os.path.isdir(LISTS_DIR) else set()
    for name in sorted(set(lists) - names):
        errors.append("%s is missing" % name)
    for name in sorted(names - set(lists)):
        errors.append("%s should not be there" % name)
    for name in sorted(set(lists) & names):
        with open(os.path.join(LISTS_DIR, name), "rb") as f:
            if f.read() != encode_list(lists[name]):
                errors.append("%s differs from words.tsv: re-run make_content.py" % name)
    return errors


def find_package(path, package, probe):
    for candidate in (path, os.path.join(path, "node_modules", package)):
        if os.path.exists(os.path.join(candidate, probe)):
            return candidate
    raise SystemExit("make_content: no %s under %s (npm install --prefix %s %s)" % (package, path, path, package))


def svg_for(root, part):
    kind, _, name = part.rpartition(":")
    if kind == "svg":
        path = os.path.join(OWN_PICTURES, name + ".svg")
    elif kind == "openmoji":
        path = os.path.join(find_package(root, "openmoji", "color/svg"), "color", "svg", name.upper() + ".svg")
    else:
        # "cat" is the Color style (icons/modern), "flat/cat" the Flat style.
        icons = os.path.join(find_package(root, "fluentui-emoji", "icons/modern"), "icons")
        style, _, base = name.rpartition("/")
        path = os.path.join(icons, style or "modern", base + ".svg")
    if not os.path.exists(path):
        raise SystemExit("make_content: picture %r not found (%s)" % (part, path))
    return path


def render(root, picture, n_syllables, out, tmp, convert):
    width, height = SIZE[n_syllables]
    parts = picture.split("+")
    # Two pictures side by side get a smaller size each so that both keep a margin.
    px = EMOJI_PX[n_syllables] if len(parts) == 1 else int(EMOJI_PX[n_syllables] * 0.62)
    pngs = []
    for i, part in enumerate(parts):
        flop = part.startswith("flop:")
        part = part[len("flop:"):] if flop else part
        png = os.path.join(tmp, "part%d.png" % i)
        subprocess.run(["rsvg-convert", "-w", str(px), "-h", str(px), "-a", "-o", png, svg_for(root, part)],
                       check=True)
        if flop:
            subprocess.run([convert, png, "-flop", png], check=True)
        pngs.append(png)
    cmd = [convert, "-size", "%dx%d" % (width, height), "xc:" + BACKGROUND]
    if len(pngs) == 1:
        cmd += [pngs[0], "-gravity", "center", "-composite"]
    else:
        gap = 12
        cmd += ["(", "-background", "none"] + pngs + ["-gravity", "center", "-splice", "%dx0" % gap, "+append",
                                                     "-chop", "%dx0" % gap, ")", "-gravity", "center", "-composite"]
    cmd += ["-strip", "-interlace", "none", "-sampling-factor", "4:2:0", "-quality", str(JPEG_QUALITY), out]
    subprocess.run(cmd, check=True)


def convert_tool():
    # Prefer ImageMagick's own binary over any wrapper earlier on PATH.
    for path in ("/usr/bin/convert", shutil.which("convert")):
        if path and os.path.exists(path):
            return path
    raise SystemExit("make_content: ImageMagick convert is missing (apt-get install imagemagick)")


def render_all(rows, root, only=None):
    os.makedirs(IMAGES_DIR, exist_ok=True)
    convert = convert_tool()
    with tempfile.TemporaryDirectory() as tmp:
        for r in rows:
            word = "".join(r["syllables"])
            if only and word not in only:
                continue
            render(root, r["picture"], len(r["syllables"]), os.path.join(IMAGES_DIR, word + ".jpg"), tmp, convert)
    words = {"".join(r["syllables"]) for r in rows}
    for name in os.listdir(IMAGES_DIR):
        if name.endswith(".jpg") and name[:-4] not in words:
            os.remove(os.path.join(IMAGES_DIR, name))
            print("removed stale picture %s" % name)


def check_images(rows):
    errors = []
    words = {"".join(r["syllables"]) for r in rows}
    have = {n[:-4] for n in os.listdir(IMAGES_DIR) if n.endswith(".jpg")} if os.path.isdir(IMAGES_DIR) else set()
    for w in sorted(words - have):
        errors.append("picture %s.jpg is missing" % w)
    for w in sorted(have - words):
        errors.append("picture %s.jpg is not used by any word" % w)
    total = sum(os.path.getsize(os.path.join(IMAGES_DIR, w + ".jpg")) for w in have)
    if total > MAX_IMAGES_BYTES:
        errors.append("pictures take %d bytes, more than %d" % (total, MAX_IMAGES_BYTES))
    return errors, total


def report(lists):
    for code in ALL_CODES:
        print("  %-7s %s" % (code, "  ".join("%s:%3d" % (s, len(lists[code + s + ".txt"])) for s in SUFFIXES)))
    short, unplayable = short_files(lists)
    if short:
        print("below 8 / 6 words: " + ", ".join(short))
    for u in unplayable:
        print("NOT PLAYABLE: %s" % u, file=sys.stderr)
    return unplayable


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--emoji", default=os.environ.get("FLUENTUI_EMOJI"),
                    help="npm install folder holding fluentui-emoji (and openmoji), or set FLUENTUI_EMOJI")
    ap.add_argument("--lists-only", action="store_true", help="write the lists, leave the pictures alone")
    ap.add_argument("--only", nargs="*", help="render only these words' pictures")
    ap.add_argument("--check", action="store_true",
                    help="write nothing: validate the table and compare lists and pictures on disk with it")
    ap.add_argument("--table", default=TABLE, help=argparse.SUPPRESS)  # lets a check run on a scratch copy
    args = ap.parse_args(argv)

    try:
        rows = read_table(args.table)
    except TableError as e:
        sys.exit("make_content: %s" % e)
    errors = validate(rows)
    if errors:
        for e in errors:
            print("words.tsv " + e, file=sys.stderr)
        sys.exit("make_content: %d problem(s) in words.tsv, nothing written" % len(errors))
    lists = build_lists(rows)

    if args.check:
        errors = check_written(lists)
        image_errors, total = check_images(rows)
        errors += image_errors
        unplayable = report(lists)
        for e in errors:
            print(e, file=sys.stderr)
        if errors or unplayable:
            sys.exit("make_content: %d problem(s)" % (len(errors) + len(unplayable)))
        print("ok: %d words, %d list files, %.1f MB of pictures" % (len(rows), len(lists), total / 1e6))
        return

    if not args.lists_only and not args.emoji:
        sys.exit("make_content: pass --emoji PATH or set FLUENTUI_EMOJI (or use --lists-only)")

    write_lists(lists)
    errors = check_written(lists)
    if errors:
        for e in errors:
            print(e, file=sys.stderr)
        sys.exit("make_content: the written lists do not read back correctly")
    print("wrote %d lists" % len(lists))
    report(lists)

    if args.lists_only:
        return
    render_all(rows, args.emoji, set(args.only) if args.only else None)
    image_errors, total = check_images(rows)
    for e in image_errors:
        print(e, file=sys.stderr)
    if image_errors:
        sys.exit("make_content: picture problems")
    print("rendered pictures, %.1f MB in data/images0" % (total / 1e6))


if __name__ == "__main__":
    main()
