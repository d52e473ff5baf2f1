#pragma once
// How the reader tests read a chapter as its user would: the driver's text
// printed to PDF by the real renderer library and read by pdftotext, and the
// renderer's RTF read by LibreOffice. Call the helpers inside
// ASSERT_NO_FATAL_FAILURE; RtfText may skip the test.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <cstdlib>
#include <string>

#include "renderer/external_tools.h"
#include "renderer/printer_settings.h"
#include "report/report_test_support.h"
#include "text/cp932.h"

namespace norva::test {

// The renderer library's DoPreview.
using DoPreviewFn = int32_t (*)(int32_t, int32_t, const char*, const char*, const char*,
                                const void*);

// Prints the driver's text of `call` to the PDF file `pdf`; with NORVA_KEEP_OUTPUT
// (a folder) set, a copy named `kept` stays there for a look. `*text`: what
// pdftotext reads from the PDF.
inline void PrintToPdf(DoPreviewFn doPreview, const RenderCall& call, const std::string& pdf,
                       const QString& kept, std::string* text) {
  ::PrinterSettingsRec printer{};  // the renderer's record, not the shell's
  printer.DeviceName = pdf.c_str();
  printer.Orientation = 1;
  doPreview(0, 1, call.markup.c_str(), Utf8ToCp932(call.stylePath).c_str(), call.workDir.c_str(),
            &printer);
  ASSERT_TRUE(QFileInfo::exists(QString::fromStdString(pdf)));
  if (const char* keep = std::getenv("NORVA_KEEP_OUTPUT")) {
    const QString to = QString::fromLocal8Bit(keep) + "/" + kept;
    QFile::remove(to);
    QFile::copy(QString::fromStdString(pdf), to);
  }
  *text = RunTool("pdftotext", {QString::fromStdString(pdf), "-"});
}

// Every run leaves one RTF in the work folder; `*text`: what LibreOffice
// reads from it, squeezed. Skips the test when LibreOffice is not installed.
inline void RtfText(const std::string& work, std::string* text) {
  const QStringList rtf = QDir(QString::fromStdString(work)).entryList({"KVD*.rtf"});
  ASSERT_EQ(rtf.size(), 1);
  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  const std::string outDir = work + "/lo";
  QDir().mkpath(QString::fromStdString(outDir));
  const PdfConversion c = ConvertRtfToPdf(soffice, outDir, work + "/" + rtf.first().toStdString());
  ASSERT_TRUE(c.finished) << c.errors;
  ASSERT_TRUE(QFileInfo::exists(c.pdf)) << c.errors;
  *text = Squeezed(RunTool("pdftotext", {c.pdf, "-"}));
}

}  // namespace norva::test
