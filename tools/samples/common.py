"""Shared pieces of the synthetic sample files: tags, little-endian numbers,
a plausible float cycle (times and pressures) and a water column."""
import math
import random
import struct

DESCENT, PARK, DEEP_PROFILE, SHORT_PARK, ASCENT, SURFACE = (
    b"[DESCENT]", b"[PARK]", b"[DEEP_PROFILE]", b"[SHORT_PARK]", b"[ASCENT]", b"[SURFACE]")
SS, RW, AM, AM_SD, AM_MD, AM_SD_MD, DW = (
    b"(SS)", b"(RW)", b"(AM)", b"(AM)(SD)", b"(AM)(MD)", b"(AM)(SD)(MD)", b"(DW)")
FILLER = b"\x1a"

# 2020-05-15 06:00:00 UTC, the start of the sample cycle.
CYCLE_START = 1589522400


def u8(v):
    return struct.pack("<B", v & 0xFF)


def s8(v):
    return struct.pack("<b", max(-128, min(127, int(v))))


def u16(v):
    return struct.pack("<H", max(0, min(0xFFFF, int(v))))


def s16(v):
    return struct.pack("<h", max(-32768, min(32767, int(v))))


def u32(v):
    return struct.pack("<I", int(v) & 0xFFFFFFFF)


def s32(v):
    return struct.pack("<i", int(v))


def f32(v):
    return struct.pack("<f", v)


def raw_pressure(p):
    """The u16 whose x 0.1 - 100 is the pressure p (dbar)."""
    return int(round((p + 100.0) * 10.0))


def raw_temperature(t):
    """The u16 whose x 0.001 - 5 is the temperature t (degrees C)."""
    return int(round((t + 5.0) * 1000.0))


def temperature_at(p):
    return 2.0 + 18.0 * math.exp(-p / 300.0)


def salinity_at(p):
    return 34.5 + 0.6 * (1.0 - math.exp(-p / 500.0))


class Cycle:
    """Times and pressures of one 2000 dbar cycle.

    Each phase is a list of (time, pressure) pairs. Profile phases are split
    into mode sections by the caller."""

    def __init__(self, seed, park_depth=1000.0, profile_depth=2000.0,
                 descent_points=60, park_points=36, deep_points=40,
                 short_park_points=4, ascent_points=400, surface_points=5):
        rng = random.Random(seed)
        self.rng = rng
        t = CYCLE_START
        self.descent = []
        for i in range(descent_points):
            t += 160 + rng.randint(0, 40)
            self.descent.append((t, 5.0 + (park_depth - 5.0) * (i + 1) / descent_points))
        self.park = []
        for _ in range(park_points):
            t += 6 * 3600 + rng.randint(-60, 60)
            self.park.append((t, park_depth + rng.uniform(-8.0, 8.0)))
        self.deep_profile = []
        for i in range(deep_points):
            t += 250 + rng.randint(0, 30)
            self.deep_profile.append((t, park_depth + (profile_depth - park_depth) * (i + 1) / deep_points))
        self.short_park = []
        for _ in range(short_park_points):
            t += 1800
            self.short_park.append((t, profile_depth + rng.uniform(-2.0, 2.0)))
        self.ascent = []
        for i in range(ascent_points):
            t += 20 + rng.randint(0, 5)
            self.ascent.append((t, profile_depth - (profile_depth - 4.0) * (i + 1) / ascent_points))
        self.surface = []
        t += 600
        for _ in range(surface_points):
            t += 120 + rng.randint(0, 10)
            self.surface.append((t, rng.uniform(-0.3, 0.3)))


def profile_section(mode_tag, points, encode, time_base=True):
    """A mode section: the tag, the time base (the time before the first
    point) and the records with their 16-bit time steps."""
    if not points:
        return b""
    previous = points[0][0] - 10
    out = mode_tag + (u32(previous) if time_base else b"")
    for t, p in points:
        out += encode(t - previous, t, p)
        previous = t
    return out


def park_section(points, encode):
    return b"".join(encode(t, p) for t, p in points)


def split(points, *fractions):
    """Cuts `points` into consecutive pieces of the given fractions."""
    pieces, start = [], 0
    for f in fractions:
        end = start + int(round(len(points) * f))
        pieces.append(points[start:end])
        start = end
    pieces.append(points[start:])
    return pieces


def block_record(mode, values, deviations, rng):
    """A profile record encoder for the sensors whose records are a time
    step, a block of values (values(p, rng)) and, as the mode has them, a
    block of deviations (deviations(rng)) and a block of median values."""
    def encode(step, _t, p):
        out = u16(step) + values(p, rng)
        if mode in (AM_SD, AM_SD_MD):
            out += deviations(rng)
        if mode in (AM_MD, AM_SD_MD):
            out += values(p + rng.uniform(-0.5, 0.5), rng)
        return out
    return encode


def block_cycle_file(format_code, cycle, values, deviations, descent_mode, deep_mode,
                     ascent_modes, short_park_mode=b"", surface=True, filler=3):
    """One cycle of such a sensor: the descent and deep profile in one mode
    each, the ascent cut into equal sections of `ascent_modes`, park-like
    records with their absolute times, the surface only if the sensor has it."""
    rng = cycle.rng

    def park(points):
        return park_section(points, lambda t, p: u32(t) + values(p, rng))

    def profile(mode, points):
        return profile_section(mode, points, block_record(mode, values, deviations, rng))

    share = 1.0 / len(ascent_modes)
    pieces = split(cycle.ascent, *([share] * (len(ascent_modes) - 1)))
    data = u8(format_code)
    data += DESCENT + profile(descent_mode, cycle.descent)
    data += PARK + park(cycle.park)
    data += DEEP_PROFILE + profile(deep_mode, cycle.deep_profile)
    data += SHORT_PARK + short_park_mode + park(cycle.short_park)
    data += ASCENT + b"".join(profile(mode, points) for mode, points in zip(ascent_modes, pieces))
    if surface:
        data += SURFACE + park(cycle.surface)
    return data + FILLER * filler
