# Warnings are errors on every compiler we build with.
add_compile_options(-Wall -Wextra -Werror)

if(WIN32)
  # Byte-identical numbers on every platform: double arithmetic in SSE (not
  # x87 extended precision) and the C99 printf family.
  add_compile_definitions(__USE_MINGW_ANSI_STDIO=1 WIN32_LEAN_AND_MEAN NOMINMAX)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
  # Programs and library run without the toolchain's runtime DLLs.
  add_link_options(-static-libgcc -static-libstdc++ -static)
endif()

if(XELO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(XELO_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
if(XELO_COVERAGE)
  add_compile_options(-fprofile-instr-generate -fcoverage-mapping)
  add_link_options(-fprofile-instr-generate)
endif()
