#pragma once
// What the report dialog tests share: the test application, and documents
// taken from the sample files.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>
#include <string>

#include "document/document.h"
#include "document/document_file.h"
#include "shell/shell_test_support.h"

namespace norva::test {

inline void ReportApp() {
  if (!QApplication::instance()) App();
}

inline std::unique_ptr<CDocument> SampleDocument(const char* name) {
  auto doc = std::make_unique<CDocument>();
  EXPECT_TRUE(DataFileReadFrom(
      *doc, std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/" + name + ".nrv"));
  return doc;
}

}  // namespace norva::test
