"""UVP6 BLK samples: one cycle of black-level records. RW records only, each
with its own absolute time (no time base after the mode tags), in every
phase but Surface. The five words are the image sensor's black-level
statistics: minimum, maximum, mean, and two pixel counts."""
from samples.common import *


def record(rng):
    def encode(t, p):
        temp = temperature_at(p) + rng.uniform(-0.01, 0.01)
        mean = 412 + rng.randint(-3, 3)
        words = (mean - rng.randint(6, 12), mean + rng.randint(6, 14), mean,
                 rng.randint(0, 4), rng.randint(1800, 2200))
        return u32(t) + u16(raw_pressure(p)) + u16(raw_temperature(temp)) + b"".join(u16(w) for w in words)
    return encode


def cycle_file(seed):
    c = Cycle(seed, descent_points=120, park_points=36, deep_points=60,
              short_park_points=6, ascent_points=400)
    rng = c.rng
    enc = record(rng)
    data = u8(17)
    data += DESCENT + RW + park_section(c.descent, enc)
    data += PARK + park_section(c.park, enc)
    data += DEEP_PROFILE + RW + park_section(c.deep_profile, enc)
    data += SHORT_PARK + park_section(c.short_park, enc)
    data += ASCENT + RW + park_section(c.ascent, enc)
    return data + FILLER * 3


def samples():
    return {"F1234_042_uvp6_blk.hex": cycle_file(42)}
