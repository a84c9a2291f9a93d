#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a synthetic landmark data file (n p k, then the coordinates) to standard output.

A mean shape of p landmarks in k dimensions, a shape change that grows with size, and for each
specimen a size, a random rotation, a position and measurement noise; every number is written
with 17 significant digits. The same arguments always give the same file.

    synthetic.py N P K [SEED] > data.dat
"""
import math
import random
import sys


def rotation(k, rng):
    if k == 2:
        a = rng.uniform(-math.pi, math.pi)
        return [[math.cos(a), -math.sin(a)], [math.sin(a), math.cos(a)]]
    # A random unit quaternion.
    q = [rng.gauss(0, 1) for _ in range(4)]
    norm = math.sqrt(sum(v * v for v in q))
    w, x, y, z = (v / norm for v in q)
    return [[1 - 2 * (y * y + z * z), 2 * (x * y - z * w), 2 * (x * z + y * w)],
            [2 * (x * y + z * w), 1 - 2 * (x * x + z * z), 2 * (y * z - x * w)],
            [2 * (x * z - y * w), 2 * (y * z + x * w), 1 - 2 * (x * x + y * y)]]


def main():
    n, p, k = (int(v) for v in sys.argv[1:4])
    rng = random.Random(int(sys.argv[4]) if len(sys.argv) > 4 else 1)
    mean = [[rng.gauss(0, 1) for _ in range(k)] for _ in range(p)]
    change = [[rng.gauss(0, 0.05) for _ in range(k)] for _ in range(p)]
    out = sys.stdout
    out.write(f"{n} {p} {k}\n")
    for _ in range(n):
        size = rng.uniform(0.5, 1.5)
        r = rotation(k, rng)
        shift = [rng.uniform(-10, 10) for _ in range(k)]
        line = []
        for l in range(p):
            point = [mean[l][a] + size * change[l][a] + rng.gauss(0, 0.02) for a in range(k)]
            for a in range(k):
                value = 50 * size * sum(r[a][b] * point[b] for b in range(k)) + shift[a]
                line.append(f"{value:.17g}")
        out.write(" ".join(line) + "\n")


main()
