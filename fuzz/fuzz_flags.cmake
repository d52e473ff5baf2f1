# Included by the top-level CMakeLists.txt before any target when
# NORVA_BUILD_FUZZ is on: the libFuzzer targets need clang, and every library
# they link compiled with coverage and AddressSanitizer. Sets NORVA_FUZZ when
# the targets can be built here.
set(NORVA_FUZZ OFF)
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(WARNING "NORVA_BUILD_FUZZ needs clang (configure with -DCMAKE_CXX_COMPILER=clang++); "
                  "no fuzz targets are built.")
  return()
endif()

include(CheckCXXSourceCompiles)
set(CMAKE_REQUIRED_FLAGS "-fsanitize=fuzzer,address")
set(CMAKE_REQUIRED_LINK_OPTIONS "-fsanitize=fuzzer,address")
check_cxx_source_compiles([[
  #include <cstddef>
  #include <cstdint>
  extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }
]] NORVA_LIBFUZZER_LINKS)
unset(CMAKE_REQUIRED_FLAGS)
unset(CMAKE_REQUIRED_LINK_OPTIONS)
if(NOT NORVA_LIBFUZZER_LINKS)
  message(WARNING "libFuzzer does not link with this clang (Debian: libclang-rt-dev); "
                  "no fuzz targets are built.")
  return()
endif()

add_compile_options(-fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer)
add_link_options(-fsanitize=address)
set(NORVA_FUZZ ON)
