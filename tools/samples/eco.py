"""ECO samples: one cycle for each variant, 1, 2 and 3 channels (FormatCode
7, 8, 9): chlorophyll fluorescence, then backscatter, then CDOM, as 16-bit
counts with 8-bit deviations."""
import math
import random

from samples.common import *
from samples.ocr import Widths, channel_cycle

ECO = Widths("h", "b", "h")


def bio_optics(channels, rng):
    """Counts with a chlorophyll maximum near 60 dbar, backscatter that
    follows it, and CDOM that grows with depth."""

    def at(p):
        depth = max(p, 0.0)
        chla = 48 + 900 * math.exp(-((depth - 60.0) / 25.0) ** 2)
        bbp = 52 + 300 * math.exp(-((depth - 55.0) / 40.0) ** 2) + 20 * math.exp(-depth / 800.0)
        cdom = 40 + 30 * (1.0 - math.exp(-depth / 400.0))
        return [int(v + rng.uniform(-3, 3)) for v in (chla, bbp, cdom)[:channels]]

    return at


def eco_file(fc, seed):
    channels = fc - 6
    rng = random.Random(seed * 11)
    deviations = lambda _p: [rng.randint(-5, 60) for _ in range(channels)]
    return channel_cycle(fc, ECO, bio_optics(channels, rng), deviations, seed,
                         ss_before_surface=fc == 8, dw_in_park=fc == 9)


def samples():
    return {
        "F1234_042_eco.hex": eco_file(7, 42),
        "F1234_043_eco.hex": eco_file(8, 43),
        "F1234_044_eco.hex": eco_file(9, 44),
    }
