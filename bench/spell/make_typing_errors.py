#!/usr/bin/env python3
"""Writes typing-errors.txt, the suggestion tuning set: words of Debian's wamerican-small list,
each misspelt by one model of how people slip (a neighbouring key, a doubled or dropped letter,
two letters swapped, a spelling that sounds the same, a left-out apostrophe). The seed is fixed,
so the set is the same on every machine with the same word lists.

    bench/spell/make_typing_errors.py > bench/spell/typing-errors.txt
"""
import random

SMALL = "/usr/share/dict/american-english-small"
MAIN = "/usr/share/dict/american-english"
COUNT = 1000

ROWS = ["qwertyuiop", "asdfghjkl", "zxcvbnm"]
VOWELS = "aeiou"
SOUNDS = [("ph", "f"), ("f", "ph"), ("c", "s"), ("s", "c"), ("c", "k"), ("k", "c"), ("ance", "ence"),
          ("ence", "ance"), ("ant", "ent"), ("ent", "ant"), ("able", "ible"), ("ible", "able"), ("ie", "ei"),
          ("ei", "ie"), ("tion", "sion"), ("ous", "us"), ("ize", "ise"), ("er", "or"), ("or", "er"), ("y", "ey")]


def neighbours(c):
    for r, row in enumerate(ROWS):
        if c in row:
            col = row.index(c) * 2 + r
            out = []
            for r2, row2 in enumerate(ROWS):
                for i, d in enumerate(row2):
                    if d != c and abs(r2 - r) <= 1 and abs(i * 2 + r2 - col) <= 2:
                        out.append(d)
            return out
    return []


def adjacent_key(w, rnd):
    i = rnd.randrange(len(w))
    keys = neighbours(w[i])
    return w[:i] + rnd.choice(keys) + w[i + 1:] if keys else None


def doubled(w, rnd):
    i = rnd.randrange(len(w))
    return w[:i + 1] + w[i] + w[i + 1:]


def dropped(w, rnd):
    doubles = [i for i in range(1, len(w)) if w[i] == w[i - 1]]
    i = rnd.choice(doubles) if doubles and rnd.random() < 0.6 else rnd.randrange(1, len(w))
    return w[:i] + w[i + 1:]


def swapped(w, rnd):
    i = rnd.randrange(len(w) - 1)
    return w[:i] + w[i + 1] + w[i] + w[i + 2:] if w[i] != w[i + 1] else None


def vowel(w, rnd):
    spots = [i for i, c in enumerate(w) if c in VOWELS and i > 0]
    if not spots:
        return None
    i = rnd.choice(spots)
    return w[:i] + rnd.choice([v for v in VOWELS if v != w[i]]) + w[i + 1:]


def sounds_alike(w, rnd):
    options = [(a, b) for a, b in SOUNDS if a in w[1:]]
    if not options:
        return None
    a, b = rnd.choice(options)
    i = w.index(a, 1)
    return w[:i] + b + w[i + len(a):]


def apostrophe(w, rnd):
    return w.replace("'", "") if "'" in w else None


MODELS = [adjacent_key, doubled, dropped, swapped, vowel, sounds_alike, sounds_alike, apostrophe]


def main():
    known = {line.strip().lower() for line in open(MAIN, encoding="utf-8")}
    words = sorted({line.strip() for line in open(SMALL, encoding="utf-8")
                    if line.strip().islower() and line.strip().isascii() and len(line.strip()) >= 3
                    and not line.strip().endswith("'s")})
    contractions = [w for w in words if "'" in w]
    rnd = random.Random(1997)
    seen = set()
    print("# Misspellings made by typing-error models (make_typing_errors.py): misspelling, blank, word.")
    while len(seen) < COUNT:
        model = rnd.choice(MODELS)
        word = rnd.choice(contractions if model is apostrophe else words)
        typo = model(word, rnd)
        if not typo or typo in known or typo in seen or len(typo) < 2:
            continue
        seen.add(typo)
        print(typo, word)


main()
