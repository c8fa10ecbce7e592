// Rules for the sensors whose records all follow one pattern: a time field (a
// u16 step in profile phases, a u32 time in park-like phases), a block of
// values, and in the (AM)(SD) and (AM)(MD) modes a block of deviations and a
// block of medians, in that order. A sensor describes its three blocks as
// field moves; these rules size its records, choose them by mode and phase,
// and fill the slots. Sample bytes that no move of the record names keep what
// the area held.
#pragma once

#include "framing/bytes.h"
#include "framing/decode_loop.h"
#include "framing/record_shape.h"
#include "framing/scaling.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace xelo {

enum class Conversion : std::uint8_t {
    Pressure,       // u16 x 0.1 - 100, to f32
    Temperature,    // u16 x 0.001 - 5, to f32
    ThousandthsI16, // i16 x 0.001, to f32
    ThousandthsI8,  // i8 x 0.001, to f32
    MillionthsI32,  // i32 x 0.000001, to f64
    MillionthsI16,  // i16 x 0.000001, to f64
    Copy16,         // two bytes carried unchanged
    Copy32,         // four bytes carried unchanged
};

constexpr std::size_t rawWidth(Conversion c) {
    switch (c) {
    case Conversion::ThousandthsI8:
        return 1;
    case Conversion::MillionthsI32:
    case Conversion::Copy32:
        return 4;
    default:
        return 2;
    }
}
constexpr std::size_t storedWidth(Conversion c) {
    switch (c) {
    case Conversion::Copy16:
        return 2;
    case Conversion::MillionthsI32:
    case Conversion::MillionthsI16:
        return 8;
    default:
        return 4;
    }
}

// The double nearest to raw x 0.000001. Both operands of the division are
// exact, so its one rounding is the only one; a product with the inexact
// constant 0.000001 would miss that double by one unit in the last place for
// a good share of the raw values.
inline double millionths(std::int32_t raw) {
    return static_cast<double>(raw) / 1000000.0;
}

// One value of a block: from its offset in the block to its offset in the sample.
struct FieldMove {
    std::uint8_t from;
    Conversion conversion;
    std::uint8_t to;
};

struct Block {
    std::int32_t size;
    std::span<const FieldMove> moves;
};

struct BlockSensor {
    SensorBasics basics;
    std::uint8_t formatCode; // the one FormatCode the sensor knows
    bool surfaceRecords;     // false: a record in the surface phase is refused
    Block values, deviations, medians;

    constexpr std::int32_t recordSize(RecordShape s) const {
        return timeFieldSize(s) + values.size + (hasDeviations(s) ? deviations.size : 0) +
               (hasMedians(s) ? medians.size : 0);
    }

    // Every move reads inside its block and writes inside one sample, past
    // its kind and time.
    constexpr bool movesFit() const {
        for (const Block* block : {&values, &deviations, &medians})
            for (const FieldMove& m : block->moves)
                if (m.from + rawWidth(m.conversion) > static_cast<std::size_t>(block->size) ||
                    m.to < 5 || m.to + storedWidth(m.conversion) > basics.layout.stride)
                    return false;
        return true;
    }

    // The record shape of a mode in a phase; none where the sensor has no record.
    constexpr std::optional<RecordShape> shapeOf(std::uint8_t mode, std::uint8_t phase) const {
        if (phase == Surface && !surfaceRecords) return std::nullopt;
        return recordShapeOf(mode, phase);
    }
};

class BlockRules {
  public:
    explicit constexpr BlockRules(const BlockSensor& sensor) : sensor_(sensor) {}

    const SensorBasics& basics() const { return sensor_.basics; }

    RecordPlan plan(std::uint8_t, std::uint8_t mode, std::uint8_t phase) const {
        const std::optional<RecordShape> shape = sensor_.shapeOf(mode, phase);
        if (!shape) return RecordPlan::refuse();
        return RecordPlan::record(sensor_.recordSize(*shape), recordTimeOf(*shape));
    }

    bool knowsFormat(std::uint8_t formatCode) const { return formatCode == sensor_.formatCode; }

    void fill(const Record& record, std::uint8_t* slot) const {
        // plan() accepted this record, so it has a shape.
        const RecordShape shape = *sensor_.shapeOf(record.mode, record.phase);
        const std::uint8_t* at = record.bytes + timeFieldSize(shape);
        at = apply(sensor_.values, at, slot);
        if (hasDeviations(shape)) at = apply(sensor_.deviations, at, slot);
        if (hasMedians(shape)) apply(sensor_.medians, at, slot);
    }

  private:
    static const std::uint8_t* apply(const Block& block, const std::uint8_t* at,
                                     std::uint8_t* slot) {
        for (const FieldMove& m : block.moves) {
            const std::uint8_t* raw = at + m.from;
            std::uint8_t* field = slot + m.to;
            switch (m.conversion) {
            case Conversion::Pressure:
                storeF32(field, pressureFromRaw(loadU16(raw)));
                break;
            case Conversion::Temperature:
                storeF32(field, temperatureFromRaw(loadU16(raw)));
                break;
            case Conversion::ThousandthsI16:
                storeF32(field, thousandths(loadI16(raw)));
                break;
            case Conversion::ThousandthsI8:
                storeF32(field, thousandths(loadI8(raw)));
                break;
            case Conversion::MillionthsI32:
                storeF64(field, millionths(loadI32(raw)));
                break;
            case Conversion::MillionthsI16:
                storeF64(field, millionths(loadI16(raw)));
                break;
            case Conversion::Copy16:
                copyBytes(field, raw, 2);
                break;
            case Conversion::Copy32:
                copyBytes(field, raw, 4);
                break;
            }
        }
        return at + block.size;
    }

    const BlockSensor& sensor_;
};

} // namespace xelo
