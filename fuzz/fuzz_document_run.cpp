// A document the reader takes, taken on through the calculation, every
// registered report chapter and the drawing sheet: no crash, no hang, and
// none of the checks of document_pipeline.h fails.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "document/document.h"
#include "document/document_file.h"
#include "fuzz/document_pipeline.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  norva::CDocument doc;
  if (!norva::DataFileReadBytes(doc, std::string(reinterpret_cast<const char*>(data), size))) {
    return 0;
  }
  norva::pipeline::PlainTexts(doc);
  const norva::pipeline::Findings f =
      norva::pipeline::RunDocument(doc, std::string(NORVA_SOURCE_DIR) + "/resources");
  if (f.problems.empty()) return 0;
  for (const std::string& p : f.problems) std::fprintf(stderr, "%s\n", p.c_str());
  std::abort();
}
