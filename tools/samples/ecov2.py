"""ECOv2 samples: one cycle for each variant, 1 to 4 channels (FormatCode 18
to 21), as 32-bit counts with 16-bit deviations. The program reports only the
3-channel variant; the others are there for the decoder. No "(SS)" section:
this sensor has no records in that mode."""
import math
import random

from samples.common import *
from samples.ocr import Widths, channel_cycle

ECOV2 = Widths("i", "h", "i")


def bio_optics(channels, rng):
    """Chlorophyll, backscatter, CDOM and a second backscatter band; the
    backscatter counts sit below a negative zero offset at depth."""

    def at(p):
        depth = max(p, 0.0)
        chla = 120 + 5200 * math.exp(-((depth - 70.0) / 30.0) ** 2)
        bbp = -40 + 900 * math.exp(-((depth - 65.0) / 45.0) ** 2)
        cdom = 310 + 140 * (1.0 - math.exp(-depth / 350.0))
        bbp2 = -25 + 600 * math.exp(-((depth - 65.0) / 45.0) ** 2)
        return [int(v + rng.uniform(-6, 6)) for v in (chla, bbp, cdom, bbp2)[:channels]]

    return at


def ecov2_file(fc, seed):
    channels = fc - 17
    rng = random.Random(seed * 13)
    deviations = lambda _p: [rng.randint(0, 900) for _ in range(channels)]
    return channel_cycle(fc, ECOV2, bio_optics(channels, rng), deviations, seed,
                         ss_before_surface=False, dw_in_park=fc == 20)


def samples():
    return {
        "F1234_042_ecov2.hex": ecov2_file(18, 42),
        "F1234_043_ecov2.hex": ecov2_file(19, 43),
        "F1234_044_ecov2.hex": ecov2_file(20, 44),
        "F1234_045_ecov2.hex": ecov2_file(21, 45),
    }
