#!/usr/bin/env python3
"""Generate resources/defaultwords.txt, Tumblewick's built-in default word list.

Output: 29,394 lower-case ASCII words of 4 to 8 characters, sorted by byte
value, one per row, rows separated by a single CR byte (no trailing
separator).  161 words appear twice in adjacent rows, because a proper name
and an ordinary word fold to the same lower-case form (e.g. "Bill"/"bill").

Words are taken only from the Debian word-list packages
  wamerican-small, wbritish-small   (/usr/share/dict/*-english-small)
  wamerican, wbritish               (/usr/share/dict/*-english)
which are built from SCOWL (Spell Checker Oriented Word Lists) by Kevin
Atkinson and are distributed under a permissive MIT-like licence (see
/usr/share/doc/wamerican/copyright; it includes permissive notices for
the Moby public-domain lists and WordNet's licence).  A handful of rows the
lists lack (abbreviations and a few names) are added by hand below.

Selection, fully deterministic:
  1. every word that is in both the American and British "-small" lists;
  2. then, per word length, words in both regular lists, preferring
     ordinary base words, then proper names, then inflected/derived forms;
     ties are broken by a SHA-256 ordering of the word so the pick is spread
     evenly over the alphabet instead of favouring early letters.
Usage:  python3 resources/make_default_words.py   (run from anywhere)
"""

import collections
import hashlib
import os
import sys

DICT_DIR = "/usr/share/dict"
SOURCES = {
    "american-english-small": "wamerican-small",
    "british-english-small": "wbritish-small",
    "american-english": "wamerican",
    "british-english": "wbritish",
}

OUT_PATH = os.path.join(os.path.dirname(os.path.abspath(__file__)), "defaultwords.txt")

MIN_LEN, MAX_LEN = 4, 8
LENGTH_QUOTA = {4: 2521, 5: 4509, 6: 6634, 7: 8041, 8: 7689}
TOTAL_ROWS = sum(LENGTH_QUOTA.values())          # 29,394
DUPLICATE_ROWS = 161
FILE_SIZE = 219625

FIRST_ROWS = ["aaas", "aarhus", "aaron", "ababa", "aback"]
LAST_ROWS = ["zorn", "zounds", "zucchini", "zurich", "zygote"]
PUNCTUATED_ROWS = ["at&t", "it&t", "ph.d", "u.s.a", "usc&gs"]
REQUIRED_NAMES = ["africa", "alabama"]
REQUIRED_ROWS = FIRST_ROWS + LAST_ROWS + PUNCTUATED_ROWS + REQUIRED_NAMES

SUFFIXES = ("s", "es", "ed", "d", "ing", "er", "est", "ly")


def load(name):
    path = os.path.join(DICT_DIR, name)
    if not os.path.isfile(path):
        sys.exit("error: %s is missing; install the Debian package '%s' "
                 "(apt-get install %s)" % (path, SOURCES[name], " ".join(SOURCES.values())))
    with open(path, encoding="utf-8") as f:
        return {line.rstrip("\n") for line in f if line.strip()}


# Clipped jargon the list does without (written in capitals, compared in
# lower case like every key).
LEFT_OUT = {w.lower() for w in ("SPEC",)}


def usable(word):
    """Plain ASCII letters, right length, inside the first/last row bounds."""
    if not (word.isascii() and word.isalpha() and MIN_LEN <= len(word) <= MAX_LEN):
        return False
    key = word.lower()
    return FIRST_ROWS[-1] < key < LAST_ROWS[0] and key not in LEFT_OUT


def spread(word):
    return hashlib.sha256(word.encode("ascii")).hexdigest()


def is_derived(key, keys):
    for suffix in SUFFIXES:
        if key.endswith(suffix):
            stem = key[:-len(suffix)]
            if stem in keys or (suffix == "ing" and stem + "e" in keys):
                return True
    return False


def build():
    small = {w for w in load("american-english-small") & load("british-english-small") if usable(w)}
    regular = {w for w in load("american-english") & load("british-english") if usable(w)}
    regular |= small

    variants = collections.defaultdict(set)        # lower-case key -> spellings
    for w in regular:
        variants[w.lower()].add(w)

    core = {w.lower() for w in small}
    all_keys = set(variants)

    # Rows that appear twice: keys with both a capitalised and a lower-case
    # spelling.  Pairs already in the small lists always count; the rest are
    # taken among core words in spread order until the total is reached.
    def paired(key):
        return len(variants[key]) == 2 and key in variants[key]

    doubled = sorted(k for k in core if paired(k) and variants[k] <= small)
    extra = sorted((k for k in core if paired(k) and k not in doubled), key=spread)
    doubled = set(doubled) | set(extra[:DUPLICATE_ROWS - len(doubled)])
    assert len(doubled) == DUPLICATE_ROWS, "not enough case-folding pairs"

    def rank(key):
        if key in core:
            tier = 0
        elif is_derived(key, all_keys):
            tier = 3
        elif key in variants[key]:
            tier = 1      # ordinary lower-case word
        else:
            tier = 2      # proper name / abbreviation
        return (tier, spread(key))

    rows = []
    for length, quota in LENGTH_QUOTA.items():
        forced = {k for k in REQUIRED_ROWS if len(k) == length}
        dups = {k for k in doubled if len(k) == length}
        need = quota - len(dups) - len(forced)
        pool = sorted((k for k in all_keys if len(k) == length and k not in forced), key=rank)
        assert need >= sum(1 for k in pool if k in core), "length %d: quota below core size" % length
        assert need <= len(pool), "length %d: not enough words" % length
        chosen = forced | set(pool[:need])
        assert dups <= chosen
        rows.extend(chosen)
        rows.extend(dups)
    rows.sort()
    return rows


def check(rows):
    data = "\r".join(rows).encode("ascii")
    counts = collections.Counter(rows)
    assert len(rows) == TOTAL_ROWS, len(rows)
    assert len(data) == FILE_SIZE, len(data)
    assert rows == sorted(rows)
    assert all(r and r == r.lower() and "\t" not in r and "\n" not in r and "\r" not in r for r in rows)
    assert collections.Counter(len(r) for r in rows) == collections.Counter(LENGTH_QUOTA)
    assert sum(1 for c in counts.values() if c == 2) == DUPLICATE_ROWS
    assert max(counts.values()) == 2
    assert sorted(r for r in rows if not r.isalpha()) == sorted(PUNCTUATED_ROWS)
    assert all(r.isalpha() or r in PUNCTUATED_ROWS for r in rows)
    assert rows[:5] == FIRST_ROWS and rows[-5:] == LAST_ROWS
    assert all(k in counts for k in REQUIRED_ROWS)
    return data


def main():
    data = check(build())
    with open(OUT_PATH, "wb") as f:
        f.write(data)
    print("wrote %s (%d rows, %d bytes)" % (OUT_PATH, data.count(b"\r") + 1, len(data)))


if __name__ == "__main__":
    main()
