// A decoding library for the tests only: it exports every name the programs
// bind, and a RAMSES decoder that reads a fixture format of the tests' own.
// The other decoders answer -3 to every file.
//
// Fixture format: the byte 'R', then records, each the phase (0 to 5), the
// first 30 bytes of a RAMSESSample as they are to be stored (kind, time,
// float1, word1, float2 to float5, word2, listCount) and listCount u16 list
// values. Values beyond the sample's 245 are read from the file but not
// stored; listCount is stored as given.
#define XELO_BUILDING_LIBRARY
#include "framing/bytes.h"
#include "layouts/ramses.h"
#include "xelo_library.h"

#include <cstring>

namespace {

constexpr std::size_t kHead = offsetof(xelo::RAMSESSample, listValues);

std::int32_t decodeFixture(void* result, const std::uint8_t* data, std::int32_t length) {
    if (!result) return -1;
    auto* area = static_cast<std::uint8_t*>(result);
    const xelo::ResultLayout& layout = xelo::kRAMSESLayout;
    std::uint16_t counts[6] = {};
    for (int phase = 0; phase < 6; ++phase)
        xelo::storeU16(area + layout.countOffset(phase), 0);
    if (!data || length < 1 || data[0] != 'R') return -3;
    const std::size_t size = static_cast<std::size_t>(length);
    std::size_t at = 1;
    while (at < size) {
        if (size - at < 1 + kHead) return -3;
        const std::uint8_t phase = data[at];
        const std::uint8_t* head = data + at + 1;
        const std::size_t listCount = head[kHead - 1];
        const std::size_t record = 1 + kHead + 2 * listCount;
        if (phase > 5 || size - at < record) return -3;
        if (counts[phase] >= layout.capacity[phase]) return -10;
        std::uint8_t* slot = area + layout.sampleOffset(phase, counts[phase]);
        std::memset(slot, 0, layout.stride);
        std::memcpy(slot, head, kHead);
        const std::size_t stored =
            listCount < xelo::kRAMSESListCapacity ? listCount : xelo::kRAMSESListCapacity;
        std::memcpy(slot + kHead, head + kHead, 2 * stored);
        xelo::storeU16(area + layout.countOffset(phase), ++counts[phase]);
        at += record;
    }
    return 24;
}

} // namespace

#define FIXTURE_EXPORT extern "C" XELO_API

FIXTURE_EXPORT void XELO_CDECL _vFDecoderVersion(char* text) {
    if (text) std::strcpy(text, "v9.00");
}

FIXTURE_EXPORT int32_t XELO_CDECL _iRERUDODDecodeDataRAMSES(void* result, const uint8_t* data,
                                                            int32_t length) {
    return decodeFixture(result, data, length);
}

#define FIXTURE_REFUSES(name)                                                                      \
    FIXTURE_EXPORT int32_t XELO_CDECL name(void*, const uint8_t*, int32_t) {                       \
        return -3;                                                                                 \
    }
FIXTURE_REFUSES(_iRERUDODDecodeDataSBE41)
FIXTURE_REFUSES(_iRERUDODDecodeDataDO)
FIXTURE_REFUSES(_iRERUDODDecodeDataOCR)
FIXTURE_REFUSES(_iRERUDODDecodeDataECO)
FIXTURE_REFUSES(_iRERUDODDecodeDataECOv2)
FIXTURE_REFUSES(_iRERUDODDecodeDataCROVER)
FIXTURE_REFUSES(_iRERUDODDecodeDataSBEPH)
FIXTURE_REFUSES(_iRERUDODDecodeDataSUNA)
FIXTURE_REFUSES(_iRERUDODDecodeDataUVP6Lpm)
FIXTURE_REFUSES(_iRERUDODDecodeDataUVP6Blk)
FIXTURE_REFUSES(_iRERUDODDecodeDataExtTrig)
