"""External-trigger samples: one cycle of trigger events, each its absolute
time and the pressure at that moment. Every phase tag is followed directly
by events (no mode tag needed, no time base); the ascent carries an explicit
"(RW)" tag as some files do. No Surface events, which have no section."""
from samples.common import *


def events(points, rng, keep):
    """A random subset of the cycle's points: the moments a trigger fired."""
    return [(t + rng.randint(0, 59), p) for t, p in points if rng.random() < keep]


def encode(t, p):
    return u32(t) + u16(raw_pressure(p))


def cycle_file(seed):
    c = Cycle(seed, descent_points=60, park_points=20, deep_points=30,
              short_park_points=5, ascent_points=300)
    rng = c.rng
    data = u8(22)
    data += DESCENT + park_section(events(c.descent, rng, 0.5), encode)
    data += PARK + park_section(events(c.park, rng, 0.6), encode)
    data += DEEP_PROFILE + park_section(events(c.deep_profile, rng, 0.5), encode)
    data += SHORT_PARK + park_section(events(c.short_park, rng, 1.0), encode)
    data += ASCENT + RW + park_section(events(c.ascent, rng, 0.3), encode)
    return data + FILLER * 6


def samples():
    return {"F1234_042_ext_trig.hex": cycle_file(42)}
