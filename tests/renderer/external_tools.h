#pragma once
// The outside programs the renderer tests read our output with, as a user's
// tools would: pdftotext, pdfinfo, pdfimages and LibreOffice.
#include <QChar>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <string>

namespace norva {

// Standard output of a program; empty when it does not finish in time.
inline std::string RunTool(const QString& program, const QStringList& args, int timeoutMs = 60000) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForFinished(timeoutMs)) {
    p.kill();
    p.waitForFinished(5000);
    return {};
  }
  return p.readAllStandardOutput().toStdString();
}

// pdftotext's text without blanks, line ends and page breaks.
inline std::string Squeezed(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != ' ' && c != '\n' && c != '\f') out += c;
  }
  return out;
}

// Occurrences of what in text, overlapping ones included.
inline size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
  return n;
}

struct PdfConversion {
  bool finished = false;
  QString pdf;         // where the PDF is expected
  std::string errors;  // LibreOffice's standard error
};

// LibreOffice converts the RTF file to a PDF in dir, with a profile of its own there.
inline PdfConversion ConvertRtfToPdf(const QString& soffice, const std::string& dir,
                                     const std::string& rtf) {
  const QString folder = QString::fromStdString(dir);
  const QString profile = QStringLiteral("-env:UserInstallation=file://%1/lo_profile").arg(folder);
  QProcess lo;
  lo.start(soffice, {profile, QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                     QStringLiteral("pdf"), QStringLiteral("--outdir"), folder,
                     QString::fromStdString(rtf)});
  PdfConversion result;
  if (!lo.waitForFinished(240000)) {
    lo.kill();
    lo.waitForFinished(5000);
    return result;
  }
  result.finished = true;
  result.pdf = folder + QLatin1Char('/') +
               QFileInfo(QString::fromStdString(rtf)).completeBaseName() + QStringLiteral(".pdf");
  result.errors = lo.readAllStandardError().toStdString();
  return result;
}

}  // namespace norva
