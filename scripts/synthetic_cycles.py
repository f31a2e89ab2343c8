#!/usr/bin/env python3
"""Synthetic cycle cohorts in the public cycle study's layout, for the
prediction benchmark: ClientID,CycleNumber,LengthofCycle,EstimatedDayofOvulation.

Drawn from published figures, not from any real woman's data:
- Fehring, Schneider, Raviele 2006 (JOGNN 35:376; 141 women, 1,060 cycles):
  cycle length mean 28.9 days, SD 3.4, 95 % between 22 and 36; 42.5 % of
  women vary by more than 7 days; women kept 3 to 13 cycles.
- Henry et al. 2024 (Hum Reprod 39:2432; 53 women, about 13 cycles each):
  median within-woman variance 5.2 days² for the follicular phase and
  3.0 days² for the luteal phase.
- Bull et al. 2019 (npj Digit Med 2:83; 600,000 cycles): luteal phase mean
  12.4 days (95 % 7-17), follicular 16.9 (10-30).
Henry's spreads, taken whole with Fehring's between-women spread, give an
SD of 4.2 and 70 % of women varying by more than 7 days: more than Fehring
saw. Scaled by 0.7 and 0.7 (follicular SD 1.6, luteal 1.2 at the median),
with 2.5 % of cycles ovulating 5-15 days late, a cohort gives mean 29.0,
SD 3.5, 95 % within 23-37 and 40 % of women (3-13 cycles each) varying by
more than 7 days. SPREAD multiplies the within-woman spreads: 1 is that fit,
1.3 a cohort less regular than Fehring's.
The ovulation day is the follicular phase's last day, as a monitor's peak
is taken for it.

usage: synthetic_cycles.py SEED [WOMEN [SPREAD]] > cohort.csv
"""
import math
import random
import sys


def woman(rng, spread):
    follicular = rng.gauss(15.8, 1.6)
    luteal = rng.gauss(12.9, 1.0)
    # Within-woman spreads: log-normal around the fitted medians.
    follicular_sd = spread * 1.6 * math.exp(rng.gauss(0, 0.5))
    luteal_sd = spread * 1.2 * math.exp(rng.gauss(0, 0.35))
    return follicular, luteal, follicular_sd, luteal_sd


def cycle(rng, w):
    follicular, luteal, follicular_sd, luteal_sd = w
    f = rng.gauss(follicular, follicular_sd)
    # A late ovulation now and then: the long tail of real cycles.
    if rng.random() < 0.025:
        f += rng.uniform(5, 15)
    lu = min(max(rng.gauss(luteal, luteal_sd), 7), 18)
    f = max(round(f), 7)
    return f + round(lu), f


def main():
    seed = int(sys.argv[1])
    women = int(sys.argv[2]) if len(sys.argv) > 2 else 159
    spread = float(sys.argv[3]) if len(sys.argv) > 3 else 1.0
    rng = random.Random(seed)
    print("ClientID,CycleNumber,Group,LengthofCycle,EstimatedDayofOvulation")
    for n in range(women):
        w = woman(rng, spread)
        for k in range(rng.randint(3, 18)):
            length, ovulation = cycle(rng, w)
            # Now and then the ovulation was not seen.
            told = "" if rng.random() < 0.05 else str(ovulation)
            print(f"nfp{n:04d},{k + 1},0,{length},{told}")


if __name__ == "__main__":
    main()
