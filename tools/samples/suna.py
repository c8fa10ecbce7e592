"""SUNA nitrate samples: one cycle with the 45-value list (FormatCode 12) and
one with the 90-value list (FormatCode 13). Plain records only (RW and DW);
no Surface records, which this sensor does not have."""
import math

from samples.common import *


def nitrate_at(p):
    """Nitrate (umol/L): poor at the surface, rich below the nitracline."""
    return 1.5 + 32.0 * (1.0 - math.exp(-p / 350.0))


def spectrum(k, p, rng):
    """Raw counts of the k spectrometer channels: a broad lamp peak that
    nitrate absorption lowers at the short wavelengths."""
    absorption = nitrate_at(p) / 40.0
    out = []
    for i in range(k):
        x = i / (k - 1)
        peak = 42000.0 * math.exp(-((x - 0.55) / 0.32) ** 2)
        peak *= 1.0 - 0.35 * absorption * math.exp(-x * 4.0)
        out.append(max(0, min(0xFFFF, int(peak + 900 + rng.gauss(0.0, 40.0)))))
    return out


def fields(k, p, rng):
    t = temperature_at(p)
    out = u16(raw_pressure(p))
    out += u16(raw_temperature(t + 1.2 + rng.uniform(-0.05, 0.05)))      # A
    out += u16(round(max(0.0, nitrate_at(p) + rng.gauss(0.0, 0.3)) * 1000))  # B
    out += u16(raw_temperature(t + 4.0 + rng.uniform(-0.2, 0.2)))         # C
    out += u16(raw_temperature(t + 0.4 + rng.uniform(-0.05, 0.05)))       # D
    out += u8(round((9.0 + rng.uniform(-0.5, 0.5)) * 2))                   # E
    out += u16(round((12.0 + rng.uniform(-0.2, 0.1)) * 10))                # F
    out += s16(round(rng.gauss(0.0, 0.4) * 100))                           # G
    out += f32(abs(rng.gauss(0.0006, 0.0002)))                            # H
    out += f32(0.05 + nitrate_at(p) * 0.03 + rng.gauss(0.0, 0.005))         # I
    return out + b"".join(u16(v) for v in spectrum(k, p, rng))


def profile_record(k, rng):
    return lambda step, _t, p: u16(step) + fields(k, p, rng)


def park_record(k, rng):
    return lambda t, p: u32(t) + fields(k, p, rng)


def cycle_file(fc, k, seed, points):
    descent, park, deep, short_park, ascent = points
    c = Cycle(seed, descent_points=descent, park_points=park, deep_points=deep,
              short_park_points=short_park, ascent_points=ascent)
    rng = c.rng
    first, second = split(c.descent, 0.7)
    deep_part, shallow = split(c.ascent, 0.4)
    data = u8(fc)
    data += DESCENT + profile_section(RW, first, profile_record(k, rng))
    data += profile_section(DW, second, profile_record(k, rng))
    data += PARK + park_section(c.park, park_record(k, rng))
    data += DEEP_PROFILE + profile_section(RW, c.deep_profile, profile_record(k, rng))
    data += SHORT_PARK + park_section(c.short_park, park_record(k, rng))
    data += ASCENT + profile_section(DW, deep_part, profile_record(k, rng))
    data += profile_section(RW, shallow, profile_record(k, rng))
    return data + FILLER * 5


def samples():
    return {
        "F1234_042_suna.hex": cycle_file(12, 45, 42, (30, 10, 10, 3, 60)),
        "F1234_043_suna.hex": cycle_file(13, 90, 43, (20, 8, 8, 2, 40)),
    }
