#!/usr/bin/env python3
"""Build Zampirolo 2's bundled word lists and pictures from tools/content/words.tsv.

The table is the only place where words live: adding a word is one line in
words.tsv and a re-run of this script.  From it we write

  data/testizampirolo2/<code><n>.txt   68 lists (17 codes x 4 levels)
  data/images0/<word>.jpg              one picture per distinct word

Usage
  python3 tools/content/make_content.py --emoji /tmp/emoji   # lists + pictures
  python3 tools/content/make_content.py --lists-only         # lists only
  python3 tools/content/make_content.py --check              # validate table
                                                             # and the written lists

The pictures come from the MIT-licensed emoji artwork of the npm package
fluentui-emoji.  Get it (outside the repository, node_modules must never be
committed) with

  npm install --prefix /tmp/emoji fluentui-emoji@1.3.0

and pass that folder with --emoji, or set FLUENTUI_EMOJI=/tmp/emoji.  Either
the --prefix folder or the package folder itself (the one holding icons/)
works.  Rendering needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
The syllable check needs python3-pyphen and hyphen-it (Debian packages).

The rules the table must follow, checked on every run:

* columns: list, suffix, syllables, emoji, note (header line first).
* list is one of the 16 codes below; TUTTE is never written by hand, it is
  the union of the other sixteen lists for each suffix.
* suffix 2 and 4 hold two-syllable words, 3 and 5 three-syllable words.
* level.  A syllable is *simple* when it is a vowel alone, one consonant
  followed by one vowel (ca, lu, fè) or "qu" followed by one vowel (qui in
  a-qui-la).  Nothing else is simple: double or grouped consonants (gat, pra,
  cer), gn/gl/sc/ch/gh, and any two vowels together, which also covers
  cia/gio/cie (ci-/gi- before a vowel), cuo, pie.
  Suffixes 2 and 3 are the easy level: every syllable simple.
  Suffixes 4 and 5 are the difficult level: at least one syllable not simple.
* which list: a consonant list ("ba" for b, "ca" for c, ...) needs a
  syllable that starts with that consonant directly followed by a vowel
  (u-va and cer-vo are "va" words, bru-co is not a "ba" word).  "cq&qu" needs
  "qu" in the word, "vocali" a word that starts with a vowel.
* no word twice in one list file.
* one word, one picture: a word found in several lists names the same emoji.
* within one suffix (so within each TUTTE file) two different words never
  share an emoji, otherwise the child could not tell which one is meant.
* the division agrees with the Italian hyphenation patterns of hyphen-it
  (read through pyphen), or the note column says why it does not.  A note on
  a word that agrees is an error too, so notes cannot go stale.
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
LISTS_DIR = os.path.join(ROOT, "data", "testizampirolo2")
IMAGES_DIR = os.path.join(ROOT, "data", "images0")
HYPHEN_DICT = "/usr/share/hyphen/hyph_it_IT.dic"

CONSONANT_CODES = ["ba", "ca", "da", "fa", "ga", "la", "ma", "na", "pa", "ra", "sa", "ta", "va", "za"]
CODES = CONSONANT_CODES + ["cq&qu", "vocali"]
ALL_CODES = ["TUTTE"] + CODES
SUFFIXES = ["2", "3", "4", "5"]
SYLLABLE_COUNT = {"2": 2, "3": 3, "4": 2, "5": 3}
EASY = {"2", "3"}
MAX_TUTTE = 500
HEADER = ["list", "suffix", "syllables", "emoji", "note"]

VOWELS = "aeiouàèéìòù"
SIMPLE = re.compile(r"^(?:[bcdfglmnprstvz]?[%s]|qu[aeiou])$" % VOWELS)
# Letters a list file may hold: the game reads Windows-1252, and lower case
# Italian needs nothing beyond these.
SYLLABLE_CHARS = re.compile(r"^[a-z%s]+$" % VOWELS)

# Picture geometry: the game stretches two-syllable pictures into a 6:5 frame
# and three-syllable ones into a square frame, so we draw them at that shape.
SIZE = {2: (480, 400), 3: (480, 480)}
EMOJI_PX = {2: 300, 3: 330}
BACKGROUND = "#FFF5E1"  # very pale warm colour: calm, and every emoji stands out on it
JPEG_QUALITY = 85
MAX_IMAGES_BYTES = 20 * 1024 * 1024


class TableError(Exception):
    pass


def is_simple(syllable):
    return bool(SIMPLE.match(syllable))


def belongs(code, syllables):
    word = "".join(syllables)
    if code == "vocali":
        return word[0] in VOWELS
    if code == "cq&qu":
        return "qu" in word
    consonant = code[0]
    return any(len(s) > 1 and s[0] == consonant and s[1] in VOWELS for s in syllables)


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
        if len(cells) == 4:
            cells.append("")
        if len(cells) != 5:
            raise TableError("line %d: expected 5 tab-separated columns, found %d" % (number, len(cells)))
        code, suffix, syllables, emoji, note = (c.strip() for c in cells)
        rows.append({"line": number, "list": code, "suffix": suffix,
                     "syllables": syllables.split("-"), "emoji": emoji, "note": note})
    return rows


def validate(rows):
    """Return a list of error strings; empty when the table is good."""
    errors = []
    hyph = pyphen.Pyphen(filename=HYPHEN_DICT, left=1, right=1)
    seen = {}
    emoji_of_word = {}
    word_of_emoji = {}
    for r in rows:
        where = "line %d (%s%s %s)" % (r["line"], r["list"], r["suffix"], "-".join(r["syllables"]))
        syl = r["syllables"]
        word = "".join(syl)
        if r["list"] not in CODES:
            errors.append("%s: unknown list code %r (TUTTE is generated, never listed)" % (where, r["list"]))
            continue
        if r["suffix"] not in SUFFIXES:
            errors.append("%s: suffix must be one of %s" % (where, ", ".join(SUFFIXES)))
            continue
        bad = [s for s in syl if not SYLLABLE_CHARS.match(s)]
        if bad:
            errors.append("%s: syllables must be lower-case letters, got %r" % (where, bad))
            continue
        if len(syl) != SYLLABLE_COUNT[r["suffix"]]:
            errors.append("%s: suffix %s needs %d syllables, found %d"
                          % (where, r["suffix"], SYLLABLE_COUNT[r["suffix"]], len(syl)))
        hard = [s for s in syl if not is_simple(s)]
        if r["suffix"] in EASY and hard:
            errors.append("%s: easy level, but %s not a simple syllable" % (where, ", ".join(hard)))
        if r["suffix"] not in EASY and not hard:
            errors.append("%s: difficult level, but every syllable is simple" % where)
        if not belongs(r["list"], syl):
            errors.append("%s: the word does not belong to list %s" % (where, r["list"]))
        key = (r["list"], r["suffix"], word)
        if key in seen:
            errors.append("%s: already listed on line %d" % (where, seen[key]))
        seen[key] = r["line"]
        if not r["emoji"]:
            errors.append("%s: no emoji named" % where)
        elif word in emoji_of_word and emoji_of_word[word] != r["emoji"]:
            errors.append("%s: emoji %s differs from %s used for the same word elsewhere"
                          % (where, r["emoji"], emoji_of_word[word]))
        emoji_of_word.setdefault(word, r["emoji"])
        other = word_of_emoji.setdefault((r["suffix"], r["emoji"]), word)
        if other != word:
            errors.append("%s: emoji %s already pictures %r in suffix %s; the child could not tell them apart"
                          % (where, r["emoji"], other, r["suffix"]))
        patterns = hyph.inserted(word).split("-")
        if patterns != syl and not r["note"]:
            errors.append("%s: hyphen-it divides it %s; fix the division or explain the exception in the note"
                          % (where, "-".join(patterns)))
        if patterns == syl and r["note"]:
            errors.append("%s: hyphen-it agrees with this division, so the note %r is stale" % (where, r["note"]))
    for suffix in SUFFIXES:
        n = len({"".join(r["syllables"]) for r in rows if r["suffix"] == suffix})
        if n > MAX_TUTTE:
            errors.append("TUTTE%s would hold %d words, more than %d" % (suffix, n, MAX_TUTTE))
    return errors


def sort_key(syllables):
    word = "".join(syllables)
    plain = unicodedata.normalize("NFD", word).encode("ascii", "ignore").decode()
    return (plain, word)


def build_lists(rows):
    """Map file name -> list of syllable lists, TUTTE included."""
    lists = {}
    for code in CODES:
        for suffix in SUFFIXES:
            words = {}
            for r in rows:
                if r["list"] == code and r["suffix"] == suffix:
                    words["".join(r["syllables"])] = r["syllables"]
            lists[code + suffix + ".txt"] = sorted(words.values(), key=sort_key)
    for suffix in SUFFIXES:
        union = {}
        for code in CODES:
            for syl in lists[code + suffix + ".txt"]:
                union["".join(syl)] = syl
        lists["TUTTE" + suffix + ".txt"] = sorted(union.values(), key=sort_key)
    return lists


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


def expected_names():
    return {code + suffix + ".txt" for code in ALL_CODES for suffix in SUFFIXES}


def parse_list_file(data):
    """Read a list file back the way the game does; raise ValueError on any flaw."""
    if data and not data.endswith(b"\r\n"):
        raise ValueError("does not end with CRLF")
    text = data.decode("cp1252")
    records = []
    lines = text.split("\r\n")[:-1] if text else []
    for i, line in enumerate(lines, start=1):
        if "\r" in line or "\n" in line:
            raise ValueError("line %d: stray CR or LF" % i)
        m = re.fullmatch(r'"([^",]+)"(?:,"([^",]+)")*', line)
        if not m:
            raise ValueError("line %d: not a quoted, comma separated record: %r" % (i, line))
        records.append(re.findall(r'"([^"]+)"', line))
    return records


def check_written(lists):
    """Compare the files on disk with what the table says; return error strings."""
    errors = []
    names = set(os.listdir(LISTS_DIR)) if os.path.isdir(LISTS_DIR) else set()
    want = expected_names()
    if set(lists) != want:
        errors.append("internal: built %d lists, expected %d" % (len(lists), len(want)))
    for name in sorted(want - names):
        errors.append("%s is missing" % name)
    for name in sorted(names - want):
        errors.append("%s should not be there" % name)
    for name in sorted(want & names):
        with open(os.path.join(LISTS_DIR, name), "rb") as f:
            data = f.read()
        try:
            records = parse_list_file(data)
        except (ValueError, UnicodeDecodeError) as e:
            errors.append("%s: %s" % (name, e))
            continue
        if records != lists.get(name):
            errors.append("%s differs from words.tsv: re-run make_content.py" % name)
        count = 2 if name[-5] in "24" else 3
        for syl in records:
            if len(syl) != count:
                errors.append("%s: %s has %d syllables" % (name, "-".join(syl), len(syl)))
        if len(records) != len({"".join(s) for s in records}):
            errors.append("%s: duplicate words" % name)
    return errors


def find_icons(path):
    for candidate in (path, os.path.join(path, "node_modules", "fluentui-emoji")):
        if os.path.isdir(os.path.join(candidate, "icons", "modern")):
            return os.path.join(candidate, "icons")
    raise SystemExit("make_content: no fluentui-emoji icons under %s "
                     "(npm install --prefix /tmp/emoji fluentui-emoji@1.3.0)" % path)


def svg_for(icons, name):
    # "cat" is the Color style (icons/modern), "flat/cat" the Flat style.
    style, _, base = name.rpartition("/")
    path = os.path.join(icons, style or "modern", base + ".svg")
    if not os.path.exists(path):
        raise SystemExit("make_content: emoji %r not found (%s)" % (name, path))
    return path


def render(icons, emoji, n_syllables, out, tmp, convert):
    width, height = SIZE[n_syllables]
    parts = emoji.split("+")
    # Two emoji side by side get a smaller size each so that both keep a margin.
    px = EMOJI_PX[n_syllables] if len(parts) == 1 else int(EMOJI_PX[n_syllables] * 0.62)
    pngs = []
    for i, part in enumerate(parts):
        png = os.path.join(tmp, "part%d.png" % i)
        subprocess.run(["rsvg-convert", "-w", str(px), "-h", str(px), "-a", "-o", png, svg_for(icons, part)],
                       check=True)
        pngs.append(png)
    cmd = [convert, "-size", "%dx%d" % (width, height), "xc:" + BACKGROUND]
    if len(pngs) == 1:
        cmd += [pngs[0], "-gravity", "center", "-composite"]
    else:
        gap = 12
        cmd += ["(", "-background", "none"] + pngs + ["-splice", "%dx0" % gap, "+append", "-chop", "%dx0" % gap,
                                                     ")", "-gravity", "center", "-composite"]
    cmd += ["-strip", "-interlace", "none", "-sampling-factor", "4:2:0", "-quality", str(JPEG_QUALITY), out]
    subprocess.run(cmd, check=True)


def convert_tool():
    # Prefer ImageMagick's own binary over any wrapper earlier on PATH.
    for path in ("/usr/bin/convert", shutil.which("convert")):
        if path and os.path.exists(path):
            return path
    raise SystemExit("make_content: ImageMagick convert is missing (apt-get install imagemagick)")


def render_all(rows, icons):
    os.makedirs(IMAGES_DIR, exist_ok=True)
    pictures = {}
    for r in rows:
        pictures.setdefault("".join(r["syllables"]), (r["emoji"], len(r["syllables"])))
    # Two- and three-syllable uses of one word would want different shapes;
    # the table never does that, but say so loudly if it ever happens.
    for r in rows:
        word = "".join(r["syllables"])
        if pictures[word][1] != len(r["syllables"]):
            raise SystemExit("make_content: %s is used with two syllable counts" % word)
    convert = convert_tool()
    with tempfile.TemporaryDirectory() as tmp:
        for word, (emoji, n) in sorted(pictures.items()):
            render(icons, emoji, n, os.path.join(IMAGES_DIR, word + ".jpg"), tmp, convert)
    for name in os.listdir(IMAGES_DIR):
        if name.endswith(".jpg") and name[:-4] not in pictures:
            os.remove(os.path.join(IMAGES_DIR, name))
            print("removed stale picture %s" % name)
    return pictures


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


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--emoji", default=os.environ.get("FLUENTUI_EMOJI"),
                    help="fluentui-emoji install folder (or set FLUENTUI_EMOJI)")
    ap.add_argument("--lists-only", action="store_true", help="write the lists, leave the pictures alone")
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
        for e in errors:
            print(e, file=sys.stderr)
        if errors:
            sys.exit("make_content: %d problem(s)" % len(errors))
        print("ok: %d table lines, %d list files, %d pictures, %.1f MB"
              % (len(rows), len(lists), len({"".join(r["syllables"]) for r in rows}), total / 1e6))
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
    for name in sorted(lists):
        if name.startswith("TUTTE"):
            print("  %s: %d words" % (name, len(lists[name])))

    if args.lists_only:
        return
    icons = find_icons(args.emoji)
    pictures = render_all(rows, icons)
    image_errors, total = check_images(rows)
    for e in image_errors:
        print(e, file=sys.stderr)
    if image_errors:
        sys.exit("make_content: picture problems")
    print("rendered %d pictures, %.1f MB in data/images0" % (len(pictures), total / 1e6))


if __name__ == "__main__":
    main()
