#!/usr/bin/env python3
"""The three filters written plainly with itertools, for comparison with the engine.

Usage: itertools_filter.py CANDIDATES ODD EVEN LOWER UPPER TARGET
Prints the number of surviving combinations and the seconds the filtering took.
"""
import itertools
import sys
import time


def wrap32(value):
    return (value + 2**31) % 2**32 - 2**31


def main():
    candidates, odd, even, lower, upper, target = sys.argv[1:7]
    values = sorted((int(v) for v in candidates.split(",") if v), reverse=True)
    odd, even, lower, upper, target = map(int, (odd, even, lower, upper, target))
    group_size = odd + even
    start = time.perf_counter()
    found = 0
    for combination in itertools.combinations(values, group_size):
        if sum(1 for v in combination if v > 0 and v % 2 == 1) != odd:
            continue
        if not lower < wrap32(sum(combination)) < upper:
            continue
        if any(a + b == target for a, b in itertools.combinations(combination, 2)):
            found += 1
    print(found, time.perf_counter() - start)


if __name__ == "__main__":
    main()
