#!/usr/bin/env python3
"""Finds where sounds begin in a recording and compares them with a schedule.

    onsets.py RAW RATE "NAME=MS" ...

RAW is signed 16-bit mono. A sound begins where the loudness of a 10 ms window rises above a
threshold after at least 200 ms below it. The schedule gives each sound's time relative to
the first; the recording's onsets are taken relative to its first onset too. Exit 1 when the
counts differ or any sound is off by more than 150 ms.
"""
import array, math, sys

TOLERANCE_MS = 150
WINDOW_MS = 10
QUIET_MS = 200

def onsets(path, rate):
    samples = array.array('h')
    with open(path, 'rb') as f:
        samples.frombytes(f.read())
    step = rate * WINDOW_MS // 1000
    levels = []
    for i in range(0, len(samples) - step + 1, step):
        w = samples[i:i + step]
        levels.append(math.sqrt(sum(s * s for s in w) / step))
    threshold = 300  # about -40 dB below full scale
    found, quiet = [], QUIET_MS // WINDOW_MS
    for i, level in enumerate(levels):
        if level >= threshold:
            if quiet >= QUIET_MS // WINDOW_MS:
                found.append(i * WINDOW_MS)
            quiet = 0
        else:
            quiet += 1
    return found

def main():
    path, rate = sys.argv[1], int(sys.argv[2])
    schedule = [(a.split('=')[0], int(a.split('=')[1])) for a in sys.argv[3:]]
    heard = onsets(path, rate)
    print(f'sound_test: sounds begin at {heard} ms of the recording')
    if len(heard) != len(schedule):
        print(f'sound_test: FAIL: {len(heard)} sounds heard, {len(schedule)} expected')
        return 1
    failed = False
    for (name, due), at in zip(schedule, heard):
        off = (at - heard[0]) - (due - schedule[0][1])
        ok = abs(off) <= TOLERANCE_MS
        failed |= not ok
        print(f'sound_test: {name}: {"ok" if ok else "FAIL"}, {off:+d} ms from its time')
    return 1 if failed else 0

if __name__ == '__main__':
    sys.exit(main())
