#!/usr/bin/env python3
"""Adds to a fuzz target's seed corpus the few inputs of a grown corpus that
raise its coverage most for their size, instead of the grown corpus whole.

    fuzz/pick_seeds.py build-fuzz/fuzz/fuzz_route fuzz/corpus/fuzz_route \
        build-fuzz/corpus/fuzz_route [--budget 4096] [--files 8]

The target measures every input once (libFuzzer's -merge=1 with a control
file, which lists what each input adds to the seeds and the smaller inputs);
then the inputs that add the most edges and features (per byte, beyond
their share of the budget) are copied into the seeds as grown-<their libFuzzer name>, until the byte budget or the file
count is spent. Prints the features and edges of the seeds before and after
(at least; of all the inputs).
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile

EDGE_WEIGHT = 4


def measure(target, seeds, grown):
    """The features and coverage edges each input adds: ([seed sets], {grown path: sets}).

    The merge runs the seeds first, then the grown inputs from the smallest;
    each input is listed with only the features and edges that no input run
    before it had, so the sets are disjoint.
    """
    with tempfile.TemporaryDirectory() as scratch:
        control = os.path.join(scratch, "control")
        merged = os.path.join(scratch, "seeds")
        shutil.copytree(seeds, merged)
        run = subprocess.run([target, "-merge=1", "-merge_control_file=" + control, merged, grown],
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        if run.returncode != 0:
            sys.exit("pick_seeds: the merge failed:\n" + run.stderr[-2000:])
        with open(control) as f:
            lines = f.read().splitlines()
    count, seedCount = int(lines[0]), int(lines[1])
    paths = lines[2:2 + count]
    added = [[set(), set()] for _ in paths]
    for line in lines[2 + count:]:
        kind, index, *values = line.split()
        if kind in ("FT", "COV"):
            added[int(index)][0 if kind == "FT" else 1] = set(values)
    return added[:seedCount], dict(zip(paths[seedCount:], added[seedCount:]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("target")
    parser.add_argument("seeds")
    parser.add_argument("grown")
    parser.add_argument("--budget", type=int, default=4096, help="bytes the new seeds may take together")
    parser.add_argument("--files", type=int, default=8, help="most new seeds")
    args = parser.parse_args()

    seeds, grown = measure(args.target, args.seeds, args.grown)
    features = sum(len(f) for f, _ in seeds)
    edges = sum(len(e) for _, e in seeds)
    picked = []
    budget = args.budget
    # An edge of code not reached before counts for more than a feature (a
    # new count of passes over known code). Each file costs at least its
    # share of the budget: small files are ranked by what they add, larger
    # ones by what they add per byte.
    share = args.budget / args.files
    gain = {p: EDGE_WEIGHT * len(grown[p][1]) + len(grown[p][0]) for p in grown}
    ranked = sorted(grown, key=lambda p: gain[p] / max(os.path.getsize(p), share), reverse=True)
    for p in ranked:
        if len(picked) == args.files or not gain[p]:
            break
        if os.path.getsize(p) <= budget:
            picked.append(p)
            budget -= os.path.getsize(p)

    for p in picked:
        shutil.copy(p, os.path.join(args.seeds, "grown-" + os.path.basename(p)[:16]))
    gained = (sum(len(grown[p][0]) for p in picked), sum(len(grown[p][1]) for p in picked))
    total = (sum(len(f) for f, _ in grown.values()), sum(len(e) for _, e in grown.values()))
    print(f"{os.path.basename(args.target)}: {len(picked)} seeds, {args.budget - budget} bytes; "
          f"features {features} -> {features + gained[0]} of {features + total[0]}, "
          f"edges {edges} -> {edges + gained[1]} of {edges + total[1]}")

if __name__ == "__main__":
    main()
