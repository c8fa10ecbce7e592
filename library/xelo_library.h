/* The C interface of the decoding library XELOLibrary_2_0: cdecl functions
 * with C linkage, looked up by these exact names. */
#ifndef XELO_LIBRARY_H
#define XELO_LIBRARY_H

#include <stdint.h>

#if defined(_WIN32)
#define XELO_CDECL __cdecl
#if defined(XELO_BUILDING_LIBRARY)
#define XELO_API __declspec(dllexport)
#else
#define XELO_API
#endif
#else
#define XELO_CDECL
#if defined(XELO_BUILDING_LIBRARY)
#define XELO_API __attribute__((visibility("default")))
#else
#define XELO_API
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the library version ("v2.00") as NUL-terminated text. */
typedef void(XELO_CDECL* VersionFunction)(char* text);
/* Decodes one data file into the caller's result area; returns a ResultCode. */
typedef int32_t(XELO_CDECL* DecodeFunction)(void* result, const uint8_t* data, int32_t length);

XELO_API void XELO_CDECL _vFDecoderVersion(char* text);
XELO_API int32_t XELO_CDECL _iRERUDODDecodeDataSBE41(void* result, const uint8_t* data,
                                                     int32_t length);
XELO_API int32_t XELO_CDECL _iRERUDODDecodeDataDO(void* result, const uint8_t* data,
                                                  int32_t length);
XELO_API int32_t XELO_CDECL _iRERUDODDecodeDataOCR(void* result, const uint8_t* data,
                                                   int32_t length);
XELO_API int32_t XELO_CDECL _iRERUDODDecodeDataECO(void* result, const uint8_t* data,
                                                   int32_t length);
XELO_API int32_t XELO_CDECL _iRERUDODDecodeDataECOv2(void* result, const uint8_t* data,
                                                     int32_t length);
XELO_API int32_t XELO_CDECL _iRERUDODDecodeDataCROVER(void* result, const uint8_t* data,
                                                      int32_t length);
XELO_API int32_t XELO_CDECL _iRERUDODDecodeDataSBEPH(void* result, const uint8_t* data,
                                                     int32_t length);
XELO_API int32_t XELO_CDECL _iRERUDODDecodeDataSUNA(void* result, const uint8_t* data,
                                                    int32_t length);
XELO_API int32_t XELO_CDECL _iRERUDODDecodeDataUVP6Lpm(void* result, const uint8_t* data,
                                                       int32_t length);
XELO_API int32_t XELO_CDECL _iRERUDODDecodeDataUVP6Blk(void* result, const uint8_t* data,
                                                       int32_t length);
XELO_API int32_t XELO_CDECL _iRERUDODDecodeDataExtTrig(void* result, const uint8_t* data,
                                                       int32_t length);

#ifdef __cplusplus
}
#endif

#endif
