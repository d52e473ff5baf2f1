#pragma once
// Shared by the tests of the design-conditions windows: the application, a
// message sink answering every question alike, sample documents, tabbing
// through number boxes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <string>
#include <vector>

#include "document/document.h"
#include "document/document_file.h"
#include "document/services.h"
#include "platform/controls/number_box.h"
#include "platform/qt/qt_test_support.h"

namespace norva::test {

// Answers every message with `answer` and counts the questions.
class AnswerSink final : public IMessageSink {
 public:
  explicit AnswerSink(MsgAnswer a) : answer(a) {}
  MsgAnswer Show(const std::string&, const std::string& text, MsgIcon, MsgButtons) override {
    texts.push_back(text);
    return answer;
  }
  MsgAnswer answer;
  std::vector<std::string> texts;
};

// Installs a sink for the life of a test.
class SinkScope {
 public:
  explicit SinkScope(IMessageSink* s) { SetMessageSink(s); }
  ~SinkScope() { SetMessageSink(nullptr); }
};

inline std::string SamplePath(const std::string& name) {
  return std::string(NORVA_SOURCE_DIR) + "/tests/fixtures/designs/" + name;
}

inline void ReadSample(CDocument& doc, const std::string& name) {
  ASSERT_TRUE(DataFileReadFrom(doc, SamplePath(name))) << name;
}

// Enters and leaves the box as a Tab key press would, typing nothing.
inline void TabThrough(NumberBox* box) {
  FocusIn(box, Qt::TabFocusReason);
  FocusOut(box, Qt::TabFocusReason);
}

}  // namespace norva::test
