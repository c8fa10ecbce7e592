"""Dissolved-oxygen samples: the optode's two readings (oxygen concentration
and saturation, as 32-bit floats) with pressure and temperature over one
cycle, every mode in the ascent and records in every phase."""
from samples.common import *


def oxygen_at(p):
    """Concentration (umol/kg) with a minimum zone near 800 dbar."""
    return 180.0 + 70.0 * math.exp(-p / 150.0) - 60.0 * math.exp(-((p - 800.0) / 300.0) ** 2)


def values(p, rng):
    o2 = oxygen_at(p) + rng.uniform(-0.5, 0.5)
    return (u16(raw_pressure(p)) + f32(o2) + f32(o2 / 2.6 + rng.uniform(-0.2, 0.2))
            + u16(raw_temperature(temperature_at(p) + rng.uniform(-0.01, 0.01))))


def deviations(rng):
    return s16(rng.randint(-400, 400)) + s16(rng.randint(-150, 150)) + s8(rng.randint(-20, 20))


def samples():
    return {
        "F1234_042_do.hex": block_cycle_file(
            3, Cycle(42, ascent_points=300), values, deviations, RW, RW,
            [AM_SD_MD, AM_SD, AM, AM_MD], short_park_mode=DW, filler=5),
        "F1234_043_do.hex": block_cycle_file(
            3, Cycle(43, ascent_points=300), values, deviations, AM, DW,
            [AM_MD, AM_SD_MD, RW, AM_SD], filler=5),
    }
