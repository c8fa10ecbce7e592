"""pH sensor samples: the reference-electrode voltage in millionths of a volt
(a signed 32-bit reading) with pressure over one cycle. The sensor records
nothing at the surface, so the files end after the ascent."""
from samples.common import *


def volts_at(p):
    """A few tens of millivolts across the water column, negative throughout."""
    return -0.985 + 0.045 * math.exp(-p / 400.0)


def values(p, rng):
    return u16(raw_pressure(p)) + s32(round((volts_at(p) + rng.uniform(-0.0003, 0.0003)) * 1e6))


def deviations(rng):
    return s16(rng.randint(0, 900))


def samples():
    return {
        "F1234_042_sbeph.hex": block_cycle_file(
            11, Cycle(42, ascent_points=500), values, deviations, RW, RW,
            [AM_SD_MD, AM_SD, AM_MD, DW], surface=False, filler=4),
        "F1234_043_sbeph.hex": block_cycle_file(
            11, Cycle(43, ascent_points=500), values, deviations, AM, DW,
            [AM_MD, RW], surface=False, filler=4),
    }
