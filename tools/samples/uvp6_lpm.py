"""UVP6 LPM samples: one cycle with the three record layouts. Profile
phases mix AM records (with the number of images averaged as head value)
and RW/DW records (no head value); Park and ShortPark records carry a head
byte. Each record holds 18 size classes: a particle abundance per litre
(float) and a mean grey level (byte)."""
import math

from samples.common import *

CLASSES = 18


def blocks(p, rng):
    """Abundances fall with particle size (power law) and with depth; grey
    levels rise slowly with size."""
    depth_factor = 0.15 + 0.85 * math.exp(-p / 250.0)
    floats = b""
    greys = b""
    for i in range(CLASSES):
        size = 0.1 * 1.26 ** i
        abundance = 120.0 * depth_factor * size ** -1.8 * rng.uniform(0.8, 1.2)
        if rng.random() < 0.012 * i:
            abundance = 0.0  # no particle of this class in the images
        floats += f32(abundance)
        greys += u8(0 if abundance == 0.0 else min(255, int(28 + 6 * i + rng.gauss(0.0, 3.0))))
    return floats + greys


def values(p, rng):
    t = temperature_at(p) + rng.uniform(-0.01, 0.01)
    return u16(raw_pressure(p)) + u16(raw_temperature(t)) + blocks(p, rng)


def am_record(rng):
    return lambda step, _t, p: u16(step) + u16(rng.randint(8, 12)) + values(p, rng)


def plain_record(rng):
    return lambda step, _t, p: u16(step) + values(p, rng)


def park_record(rng):
    return lambda t, p: u32(t) + u8(rng.randint(20, 40)) + values(p, rng)


def cycle_file(seed):
    c = Cycle(seed, descent_points=40, park_points=12, deep_points=15,
              short_park_points=3, ascent_points=80)
    rng = c.rng
    descent_am, descent_rw = split(c.descent, 0.75)
    ascent_am, ascent_dw, ascent_rw = split(c.ascent, 0.6, 0.2)
    data = u8(14)
    data += DESCENT + profile_section(AM, descent_am, am_record(rng))
    data += profile_section(RW, descent_rw, plain_record(rng))
    data += PARK + park_section(c.park, park_record(rng))
    data += DEEP_PROFILE + profile_section(AM, c.deep_profile, am_record(rng))
    data += SHORT_PARK + park_section(c.short_park, park_record(rng))
    data += ASCENT + profile_section(AM, ascent_am, am_record(rng))
    data += profile_section(DW, ascent_dw, plain_record(rng))
    data += profile_section(RW, ascent_rw, plain_record(rng))
    return data + FILLER * 4


def samples():
    return {"F1234_042_uvp6_lpm.hex": cycle_file(42)}
