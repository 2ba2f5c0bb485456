#!/usr/bin/env python3
"""Prints the figures that show whether the dream texts read as if a person wrote them:
length distribution, sentence counts, the most repeated phrases and the stock words.

usage: tools/dict-figures.py [--check] [--top N] [SOURCE_DIR | FILE.tsv ...]

SOURCE_DIR defaults to data-src beside this script; named TSV files are read alone. With --check the exit status is 1
when a target is missed: no six-character sequence in more than 15 entries, the word
提醒 in fewer than a quarter of the entries, at least 2,200 entries.
"""
import collections
import glob
import os
import re
import sys

SENTENCE_END = re.compile(r"[。！？]")
STOCK_WORDS = ["提醒", "某件事", "做生意的人梦", "寓意", "民间", "旧说", "传统", "古人", "老辈人", "预示"]
PHRASE_LENGTH = 6
PHRASE_LIMIT = 15


def read_entries(paths):
    entries = []
    for path in paths:
        with open(path, encoding="utf-8") as f:
            header = f.readline().rstrip("\n").split("\t")
            title_at, text_at = header.index("TITLE"), header.index("CONENT")
            for line in f:
                fields = line.rstrip("\n").split("\t")
                if len(fields) == len(header):
                    text = fields[text_at].replace("\\n", "\n").replace("\\t", "\t").replace("\\\\", "\\")
                    entries.append((fields[title_at], text))
    return entries


def sentences(text):
    return [s for s in SENTENCE_END.split(text) if s.strip()]


def phrase_entry_counts(entries):
    counts = collections.Counter()
    for _, text in entries:
        grams = {text[i:i + PHRASE_LENGTH] for i in range(len(text) - PHRASE_LENGTH + 1)}
        counts.update(g for g in grams if not any(c in "\n\t" for c in g))
    return counts


def bucket_table(values, edges):
    rows = []
    lower = 0
    for upper in edges + [None]:
        n = sum(1 for v in values if v >= lower and (upper is None or v < upper))
        label = f"{lower}-{upper - 1}" if upper is not None else f"{lower}+"
        rows.append((label, n))
        lower = upper if upper is not None else lower
    return rows


def main(argv):
    check = "--check" in argv
    top = 25
    args = [a for a in argv if a != "--check"]
    if "--top" in args:
        at = args.index("--top")
        top = int(args[at + 1])
        del args[at:at + 2]
    if args and all(a.endswith(".tsv") for a in args):
        source, paths = " ".join(args), args
    else:
        source = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data-src")
        paths = sorted(glob.glob(os.path.join(source, "JMTable", "*.tsv")))
    entries = read_entries(paths)
    n = len(entries)
    if n == 0:
        print("no entries found under", source)
        return 1
    lengths = [len(t) for _, t in entries]
    print(f"entries: {n}")
    print(f"characters: {sum(lengths)}  (mean {sum(lengths) / n:.0f}, min {min(lengths)}, max {max(lengths)})")

    print("\nlength distribution (characters)")
    for label, count in bucket_table(lengths, [60, 100, 110, 140, 180, 250, 351]):
        print(f"  {label:>9}: {count:5d}  {100 * count / n:5.1f} %")

    sentence_counts = collections.Counter(len(sentences(t)) for _, t in entries)
    print("\nsentences per entry")
    for k in sorted(sentence_counts):
        print(f"  {k:>3}: {sentence_counts[k]:5d}  {100 * sentence_counts[k] / n:5.1f} %")

    print("\nstock words (entries containing / occurrences)")
    for word in STOCK_WORDS:
        containing = sum(1 for _, t in entries if word in t)
        total = sum(t.count(word) for _, t in entries)
        print(f"  {word}: {containing} / {total}  ({100 * containing / n:.1f} % of entries)")

    counts = phrase_entry_counts(entries)
    over = [(g, c) for g, c in counts.items() if c > PHRASE_LIMIT]
    print(f"\nmost repeated {PHRASE_LENGTH}-character sequences (entries containing)")
    for gram, count in counts.most_common(top):
        print(f"  {count:4d}  {gram}")
    print(f"sequences in more than {PHRASE_LIMIT} entries: {len(over)}")

    failures = []
    if n < 2200:
        failures.append(f"{n} entries, fewer than 2200")
    if over:
        failures.append(f"{len(over)} sequences of {PHRASE_LENGTH} characters in more than {PHRASE_LIMIT} entries")
    reminders = sum(1 for _, t in entries if "提醒" in t)
    if reminders * 4 >= n:
        failures.append(f"提醒 in {reminders} of {n} entries, not fewer than a quarter")
    if failures:
        print("\ntargets missed:\n  " + "\n  ".join(failures))
    else:
        print("\nall targets met")
    return 1 if check and failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
