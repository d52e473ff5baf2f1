// The document reader on any bytes: it reads or refuses, never crashes; and a
// document it read, written by the program, reads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/document.h"
#include "document/document_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  norva::CDocument doc;
  if (!norva::DataFileReadBytes(doc, std::string(reinterpret_cast<const char*>(data), size))) {
    return 0;
  }
  const std::string written = norva::DocumentFileBytes(doc);
  norva::CDocument again;
  if (!norva::DataFileReadBytes(again, written)) std::abort();
  if (norva::DocumentFileBytes(again) != written) std::abort();
  return 0;
}
