"""CROVER transmissometer samples: beam attenuation in counts (a signed
16-bit reading) with pressure over one cycle. The sensor records nothing at
the surface, so the files end after the ascent."""
from samples.common import *


def attenuation_at(p):
    """Counts: a particle-rich surface layer over clear deep water."""
    return 600.0 + 2400.0 * math.exp(-p / 120.0)


def values(p, rng):
    return u16(raw_pressure(p)) + s16(attenuation_at(p) + rng.uniform(-25.0, 25.0))


def deviations(rng):
    return s16(rng.randint(0, 60))


def samples():
    return {
        "F1234_042_crover.hex": block_cycle_file(
            10, Cycle(42, ascent_points=600), values, deviations, RW, RW,
            [AM_SD_MD, AM_MD, AM_SD, AM], surface=False),
        "F1234_043_crover.hex": block_cycle_file(
            10, Cycle(43, ascent_points=600), values, deviations, DW, AM,
            [AM, AM_SD, DW], short_park_mode=DW, surface=False),
    }
