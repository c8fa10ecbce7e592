"""SBE41 CTD samples: one cycle with the extra resolution bits (FormatCode 1)
and one without (FormatCode 2)."""
from samples.common import *


def triple(fc, p, t, s):
    """Pressure, temperature and salinity fields, with the nibble byte for FormatCode 1."""
    if fc == 1:
        hp = int(round((p + 100.0) * 100.0))
        ht = int(round((t + 5.0) * 10000.0))
        return u16(hp // 10) + u16(ht // 10) + u16(round(s * 1000)), u8(((hp % 10) << 4) | (ht % 10))
    return u16(raw_pressure(p)) + u16(raw_temperature(t)) + u16(round(s * 1000)), b""


def values(fc, p, rng):
    t = temperature_at(p) + rng.uniform(-0.01, 0.01)
    s = salinity_at(p) + rng.uniform(-0.002, 0.002)
    fields, nibble = triple(fc, p, t, s)
    return fields + nibble


def record(fc, mode, rng):
    def encode(step, _t, p):
        out = u16(step) + values(fc, p, rng)
        if mode in (AM_SD, AM_SD_MD):
            out += s8(rng.randint(-30, 30)) + s8(rng.randint(-15, 15))
        if mode in (AM_MD, AM_SD_MD):
            out += values(fc, p + rng.uniform(-0.5, 0.5), rng)
        return out
    return encode


def park_record(fc, rng):
    return lambda t, p: u32(t) + values(fc, p, rng)


def surfacing_section(fc, time_base, pressures, rng):
    out = SS + u32(time_base)
    for p in pressures:
        out += values(fc, p, rng)
    return out


def cycle_file(fc, seed):
    c = Cycle(seed, ascent_points=900)
    rng = c.rng
    deep, middle, upper, top = split(c.ascent, 0.3, 0.3, 0.37)
    data = u8(fc)
    data += DESCENT + profile_section(RW, c.descent, record(fc, RW, rng))
    data += PARK + park_section(c.park, park_record(fc, rng))
    data += DEEP_PROFILE + profile_section(RW, c.deep_profile, record(fc, RW, rng))
    data += SHORT_PARK + park_section(c.short_park, park_record(fc, rng))
    data += ASCENT + profile_section(AM_SD_MD, deep, record(fc, AM_SD_MD, rng))
    data += profile_section(AM_SD, middle, record(fc, AM_SD, rng))
    data += profile_section(AM, upper, record(fc, AM, rng))
    data += profile_section(AM_MD, top[:4], record(fc, AM_MD, rng))
    data += surfacing_section(fc, top[-1][0], [3.5, 2.8, 2.1, 1.4, 0.7], rng)
    data += SURFACE + park_section(c.surface, park_record(fc, rng))
    return data + FILLER * 7


def samples():
    return {
        "F1234_042_sbe41.hex": cycle_file(1, 42),
        "F1234_043_sbe41.hex": cycle_file(2, 43),
    }
