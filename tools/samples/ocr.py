"""OCR radiometer samples: one cycle for each variant, 4, 7 and 14 channels
(FormatCode 4, 5, 6). The program reports only the 4-channel variant; the
other two are there for the decoder.

channel_cycle() writes the cycle of every multi-channel sensor (OCR, ECO,
ECOv2): they share the record shapes and differ in the widths of the values."""
import math
import random
import struct

from samples.common import *


class Widths:
    """struct codes of one reading, one deviation value and one median reading."""

    def __init__(self, reading, deviation, median):
        self.reading, self.deviation, self.median = reading, deviation, median

    @staticmethod
    def pack(code, values):
        bits = 8 * struct.calcsize(code)
        if code.islower():
            low, high = -(1 << (bits - 1)), (1 << (bits - 1)) - 1
        else:
            low, high = 0, (1 << bits) - 1
        return b"".join(struct.pack("<" + code, max(low, min(high, int(v)))) for v in values)


def channel_record(widths, mode, readings, deviations, rng):
    """The part of a record after its time: pressure, readings and the blocks
    of the mode. `readings(p)` gives the channel values at pressure p."""

    def encode(p):
        out = u16(raw_pressure(p)) + Widths.pack(widths.reading, readings(p))
        if mode in (AM_SD, AM_SD_MD):
            out += Widths.pack(widths.deviation, deviations(p))
        if mode in (AM_MD, AM_SD_MD):
            median_p = p + rng.uniform(-0.4, 0.4)
            out += u16(raw_pressure(median_p)) + Widths.pack(widths.median, readings(median_p))
        return out

    return encode


def profile_records(widths, mode, readings, deviations, rng):
    encode = channel_record(widths, mode, readings, deviations, rng)
    return lambda step, _t, p: u16(step) + encode(p)


def park_records(widths, readings, rng):
    encode = channel_record(widths, RW, readings, None, rng)
    return lambda t, p: u32(t) + encode(p)


def channel_cycle(fc, widths, readings, deviations, seed, ss_before_surface, dw_in_park):
    """One cycle: (RW) descent, park drift, (DW) deep profile, short park,
    an ascent in every (AM) mode, optionally an empty "(SS)" section before
    the surface, surface records, and filler."""
    c = Cycle(seed, ascent_points=240, descent_points=40, park_points=24, deep_points=24)
    rng = c.rng

    def profile(mode, points):
        return profile_section(mode, points, profile_records(widths, mode, readings, deviations, rng))

    deep, middle, upper, top = split(c.ascent, 0.25, 0.3, 0.35)
    park = park_records(widths, readings, rng)
    data = u8(fc)
    data += DESCENT + profile(RW, c.descent)
    if dw_in_park:
        half = len(c.park) // 2
        data += PARK + park_section(c.park[:half], park) + DW + park_section(c.park[half:], park)
    else:
        data += PARK + park_section(c.park, park)
    data += DEEP_PROFILE + profile(DW, c.deep_profile)
    data += SHORT_PARK + park_section(c.short_park, park)
    data += ASCENT + profile(AM_SD_MD, deep) + profile(AM_SD, middle) + profile(AM, upper)
    data += profile(AM_MD, top)
    if ss_before_surface:
        data += SS + u32(top[-1][0] + 30)
    data += SURFACE + park_section(c.surface, park)
    return data + FILLER * 5


# Irradiance counts: a dark count near 2^31 with a little noise, plus a
# signal that decays with depth, faster away from the blue-green.
DARK = 2147483648


def irradiance(wavelengths, rng):
    def at(p):
        depth = max(p, 0.0)
        counts = []
        for w in wavelengths:
            if w:
                k = 0.02 + 0.0004 * abs(w - 490)
                signal = 1.2e8 * math.exp(-k * depth) * rng.uniform(0.98, 1.02)
            else:  # PAR
                signal = 9.0e7 * math.exp(-0.045 * depth)
            counts.append(DARK + int(signal) + rng.randint(-40, 40))
        return counts

    return at


def spread(n, rng):
    return lambda _p: [rng.randint(0, 40000) for _ in range(n)]


OCR = Widths("I", "I", "I")
# 0 stands for PAR.
BANDS = {
    4: [380, 412, 490, 0],
    5: [380, 412, 443, 490, 510, 555, 0],
    6: [380, 395, 412, 443, 465, 490, 510, 532, 555, 565, 590, 620, 665, 0],
}
CHANNELS = {4: 4, 5: 7, 6: 14}


def ocr_file(fc, seed):
    rng = random.Random(seed * 7)
    return channel_cycle(fc, OCR, irradiance(BANDS[fc], rng), spread(CHANNELS[fc], rng), seed,
                         ss_before_surface=fc != 5, dw_in_park=fc == 4)


def samples():
    return {
        "F1234_042_ocr.hex": ocr_file(4, 42),
        "F1234_043_ocr.hex": ocr_file(5, 43),
        "F1234_044_ocr.hex": ocr_file(6, 44),
    }
