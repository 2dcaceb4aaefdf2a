#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tarvel developers
"""How far Delta T carried on from a measured day misses the measured value
later: the figure behind kPredictionErrorPerYear (timescales/TimeScales.h).

Delta T = 32.184 s + (TAI - UTC) - (UT1 - UTC) of every day of the IERS EOP 14
C04 series that Debian's python3-astropy ships, TAI - UTC from python3-erfa.
From every 30th day of 1972 on, Delta T is carried on at the series' mean rate
of 1972-2022 and compared with the measured value 1, 2, 3, 5, 10 and 20 years
later; printed: the root mean square, the worst miss, and the rms per year.

Usage: /usr/bin/python3 tools/delta_t_prediction.py [eopc04 file]
"""

import sys

import erfa
import numpy as np

SERIES = "/usr/lib/python3/dist-packages/astropy/utils/iers/data/eopc04_IAU2000.62-now"


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else SERIES
    rows = [line.split() for line in open(path, encoding="ascii") if line[:2] in ("19", "20")]
    rows = [r for r in rows if len(r) > 10]
    ymd = np.array([[int(r[0]), int(r[1]), int(r[2])] for r in rows])
    mjd = np.array([float(r[3]) for r in rows])
    dut1 = np.array([float(r[6]) for r in rows])
    dat = np.array([erfa.dat(y, m, d, 0.0) for y, m, d in ymd])
    delta_t = 32.184 + dat - dut1
    year = 2000 + (mjd - 51544.5) / 365.25
    start = year >= 1972
    rate = (delta_t[-1] - delta_t[start][0]) / (year[-1] - year[start][0])
    print(f"mean rate of Delta T {year[start][0]:.1f}-{year[-1]:.1f}: {rate:.3f} s a year")
    print("| years on | starts | rms s | worst s | rms per year s |\n|---:|---:|---:|---:|---:|")
    for years in (1, 2, 3, 5, 10, 20):
        n = int(years * 365.25)
        idx = np.arange(0, len(mjd) - n, 30)
        idx = idx[year[idx] >= 1972]
        miss = delta_t[idx + n] - (delta_t[idx] + rate * (year[idx + n] - year[idx]))
        rms = float(np.sqrt(np.mean(miss**2)))
        print(f"| {years} | {len(idx)} | {rms:.2f} | {np.abs(miss).max():.2f} | {rms / years:.2f} |")
    return 0


if __name__ == "__main__":
    sys.exit(main())
