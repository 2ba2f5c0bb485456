#!/usr/bin/env python3
"""Extends data-src/chenggu1.tsv, the bone weight of each lunar year, to a last
year: a year weighs what the year sixty years before it weighs, since the
weights follow the sixty-year cycle of stems and branches.

Run by hand when the year list should reach further:
    tools/extend-year-weights.py [LAST_YEAR] [TSV]
Existing rows are kept as they are; only missing years are added.
"""

import os
import sys

CYCLE = 60


def main():
    last = int(sys.argv[1]) if len(sys.argv) > 1 else 2050
    path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data-src", "chenggu1.tsv")
    with open(path, encoding="utf-8") as source:
        lines = source.read().splitlines()
    header, rows = lines[0], [line.split("\t") for line in lines[1:] if line]
    weights = {int(year): weight for year, weight in rows}
    year = max(weights) + 1
    while year <= last:
        if year - CYCLE not in weights:
            sys.exit("no weight for %d, sixty years before %d" % (year - CYCLE, year))
        weights[year] = weights[year - CYCLE]
        year += 1
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(header + "\n")
        for year in sorted(weights):
            out.write("%d\t%s\n" % (year, weights[year]))


if __name__ == "__main__":
    main()
