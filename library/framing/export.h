// Defines one exported decoder: a cdecl C function of the given name that
// runs the sensor's decoder on the library's process-wide module state.
#pragma once

#include "framing/module_state.h"
#include "xelo_library.h"

#define XELO_DEFINE_DECODER_EXPORT(exportName, decoder)                                            \
    extern "C" int32_t XELO_CDECL exportName(void* result, const uint8_t* data, int32_t length) {  \
        return decoder(::xelo::processState(), result, data, length);                              \
    }
