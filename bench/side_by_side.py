#!/usr/bin/env python3
"""Times whole processes side by side: the commands run in turn, round after
round, so that the load of the machine falls on all of them alike, which
timing one after the other does not give on a shared machine. Each process
is started directly (no shell between), its output thrown away.

Usage: side_by_side.py RUNS LABEL COMMAND [LABEL COMMAND ...]
COMMAND is one string split as a shell would split it. Prints each command's
median wall time in ms and its ratio to the first command's."""
import os
import shlex
import statistics
import sys
import time


def run_once(argv, devnull):
    start = time.perf_counter()
    pid = os.posix_spawnp(argv[0], argv, os.environ,
                          file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 1), (os.POSIX_SPAWN_DUP2, devnull, 2)])
    _, status = os.waitpid(pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("side_by_side.py: %s ended with status %d" % (" ".join(argv), os.waitstatus_to_exitcode(status)))
    return time.perf_counter() - start


def main():
    if len(sys.argv) < 4 or len(sys.argv) % 2 != 0:
        sys.exit(__doc__)
    runs = int(sys.argv[1])
    labels = sys.argv[2::2]
    commands = [shlex.split(c) for c in sys.argv[3::2]]
    devnull = os.open(os.devnull, os.O_WRONLY)
    for argv in commands:  # warm the file cache and fail early
        run_once(argv, devnull)
    times = [[] for _ in commands]
    for _ in range(runs):
        for i, argv in enumerate(commands):
            times[i].append(run_once(argv, devnull))
    first = statistics.median(times[0])
    width = max(len(label) for label in labels)
    for label, measured in zip(labels, times):
        median = statistics.median(measured)
        print("  %-*s %6.1f ms  %.2f x" % (width, label, median * 1000, median / first))


main()
