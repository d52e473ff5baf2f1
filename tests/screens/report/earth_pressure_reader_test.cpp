// The earth-pressure section as its reader meets it: the stability chapter of
// a sample printed to PDF by the real renderer library (pdftotext) and its
// RTF read by LibreOffice (pdftotext, pdfimages); and every picture the
// section names, over all its variants, is a file that loads as SVG with a
// natural size.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <functional>
#include <memory>
#include <regex>
#include <set>
#include <string>

#include "calc/run/calc_antei.h"
#include "document/ant_res.h"
#include "document/document.h"
#include "document/load_case.h"
#include "document/report_format.h"
#include "drawing/backends/qt_picture_saver.h"
#include "drawing/base/report_picture.h"
#include "renderer/external_tools.h"
#include "report/driver/prn_out_exec.h"
#include "report/driver/report_selection.h"
#include "report/driver/report_writers.h"
#include "report/earth_pressure/earth_pressure_writers.h"
#include "report/earth_pressure/prn_doatsu.h"
#include "report/report_test_support.h"
#include "screens/report/reader_support.h"
#include "screens/report/report_screens_support.h"
#include "text/cp932.h"

namespace norva {
namespace {

void SelectAll(const CDocument& doc) {
  PrnSel() = ReportSelection{};
  PrnSel().NewDocument(doc.nCase());
  PrnSel().PrnSelAntei = 1;
  for (int i = 0; i < doc.nCase(); ++i) PrnSel().PrnAnteiCases.Set(i, 1);
}

struct ReaderSample {
  const char* name;
  const char* method;  // the method sentence of its earth pressure
  bool paAsText;       // P_A printed as text (not a formula, which RTF carries as a picture)
  void (*change)(CDocument&) = nullptr;
  const char* label = nullptr;  // test name when the sample is changed
};

// A cut back ground 0.6 m behind the heel, both slips compared.
void CutApartCompared(CDocument& d) {
  d.Doatsu = 1;
  d.BackType = 1;
  d.Sisin = 0;
  d.KiriD = 0.6;
  d.KiriN = 0.5;
  d.KiriDoatsu = 0;
  d.Deltd = 20;
  d.Cd = 0;
}

// The section heading "土　圧" (numbered) right before "計算方法".
bool HasHeadings(const std::string& squeezed) {
  static const std::regex heading(R"re(\d+(\.\d+)*土(　)?圧\d+(\.\d+)*計算方法)re");
  return std::regex_search(squeezed, heading);
}

class EarthPressureReader : public ::testing::TestWithParam<ReaderSample> {};

TEST_P(EarthPressureReader, SectionReadsBackFromPdfAndRtf) {
  const ReaderSample& s = GetParam();
  test::ReportApp();
  QLibrary lib(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
  if (!lib.load()) GTEST_SKIP() << "Ravtek2 is not built: " << lib.errorString().toStdString();
  auto doPreview = reinterpret_cast<test::DoPreviewFn>(lib.resolve("DoPreview"));
  ASSERT_NE(doPreview, nullptr);

  test::TempFolder work("norva_ep_reader");
  test::RecordingSink sink;
  RegisterQtPictureSaver();
  PrnWriters() = ReportWriters{};
  RegisterReportWriters();
  auto doc = test::SampleDocument(s.name);
  if (s.change) s.change(*doc);
  CalcAntei(*doc, 0, 0);
  SelectAll(*doc);
  test::RecordingRenderer recorder;
  const ReportEnv env{work.path(), test::ShippedFolder(), test::ShippedFolder(), &recorder};
  ASSERT_TRUE(PrnOutExec(*doc, 0, env)) << (sink.shown.empty() ? "" : sink.shown[0]);
  ASSERT_EQ(recorder.calls.size(), 1u);

  std::string text;
  ASSERT_NO_FATAL_FAILURE(test::PrintToPdf(doPreview, recorder.calls[0], work.path() + "/ep.pdf",
                                           QString("norva_ep_") + s.name + ".pdf", &text));
  const std::string squeezed = Squeezed(text);
  // The stored thrust of the first case as the section prints it.
  const std::string pa = FormatPattern(doc->AntRes(0, 0)->Pa, "0.00");
  EXPECT_TRUE(HasHeadings(squeezed)) << text;
  for (const std::string& want :
       {std::string("上載荷重"), std::string(s.method), std::string("荷重ケース.1－"), pa}) {
    EXPECT_NE(squeezed.find(want), std::string::npos) << s.name << ": " << want << "\n" << text;
  }

  const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
  if (soffice.isEmpty()) GTEST_SKIP() << "LibreOffice is not installed";
  const QStringList rtf = QDir(QString::fromStdString(work.path())).entryList({"KVD*.rtf"});
  ASSERT_EQ(rtf.size(), 1);
  const std::string lo = work.path() + "/lo";
  QDir().mkpath(QString::fromStdString(lo));
  const PdfConversion c =
      ConvertRtfToPdf(soffice, lo, work.path() + "/" + rtf.first().toStdString());
  ASSERT_TRUE(c.finished) << c.errors;
  ASSERT_TRUE(QFileInfo::exists(c.pdf)) << c.errors;
  const std::string fromRtf = Squeezed(RunTool("pdftotext", {c.pdf, "-"}));
  EXPECT_TRUE(HasHeadings(fromRtf)) << fromRtf;
  for (const std::string& want : {std::string("上載荷重"), std::string(s.method)}) {
    EXPECT_NE(fromRtf.find(want), std::string::npos) << s.name << ": " << want;
  }
  if (s.paAsText) {
    EXPECT_NE(fromRtf.find(pa), std::string::npos) << s.name << ": " << pa;
  }
  // The method figure and the other pictures of the chapter are in the RTF.
  const std::string images = RunTool(QStringLiteral("pdfimages"), {"-list", c.pdf});
  EXPECT_GE(std::count(images.begin(), images.end(), '\n'), 4) << images;
  PrnWriters() = ReportWriters{};
  PrnSel() = ReportSelection{};
  SetPictureSaver(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, EarthPressureReader,
    ::testing::Values(ReaderSample{"gravity", "土圧はクーロン公式により算出する。", false},
                      ReaderSample{"leaning", "土圧は試行くさび法により算出する。", true},
                      ReaderSample{"block_masonry", "土圧は試行くさび法により算出する。", true,
                                   CutApartCompared, "block_cut"}),
    [](const ::testing::TestParamInfo<ReaderSample>& i) {
      return std::string(i.param.label ? i.param.label : i.param.name);
    });

// Every IMG path of the markup.
std::set<std::string> ImagePaths(const std::string& markup) {
  static const std::regex img(R"re(<IMG SRC=(?:"([^"]+)"|([^ ,>]+)))re");
  std::set<std::string> paths;
  for (std::sregex_iterator it(markup.begin(), markup.end(), img), end; it != end; ++it) {
    paths.insert((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
  }
  return paths;
}

void ExpectSvgWithSize(const std::string& path) {
  QSvgRenderer r{QString::fromStdString(path)};
  EXPECT_TRUE(r.isValid()) << path;
  EXPECT_FALSE(r.defaultSize().isEmpty()) << path;
}

TEST(EarthPressurePictures, EveryPictureNamedLoadsAsSvg) {
  test::ReportApp();
  RegisterQtPictureSaver();
  RegisterEarthPressureWriters();
  test::RecordingSink sink;
  struct Variant {
    const char* sample;
    std::function<void(CDocument&)> change;
  };
  const Variant variants[] = {
      {"gravity",
       [](CDocument& d) {
         d.UragomeType = 2;
         d.UraX1 = 0.5;
         d.UraX2 = 1;
         d.UraH0 = 1;
       }},
      {"block_masonry", [](CDocument& d) { d.Doatsu = 0; }},
      {"leaning",
       [](CDocument& d) {
         d.Doatsu = 0;
         d.UragomeType = 2;
         d.UraX1 = 0.5;
         d.UraX2 = 1;
         d.UraH0 = 1;
       }},
      {"mixed",
       [](CDocument& d) {
         d.Doatsu = 0;
         d.UragomeType = 2;
         d.UraX1 = 0.5;
         d.UraX2 = 1;
         d.UraH0 = 1;
       }},
      {"block_masonry", [](CDocument&) {}},
      {"gravity", [](CDocument& d) { d.Doatsu = 1; }},
      {"leaning", [](CDocument&) {}},
      {"mixed", [](CDocument&) {}},
      {"block_masonry",
       [](CDocument& d) {
         d.Sisin = 3;
         d.BackType = 1;
         d.KiriD = 0;
         d.KiriN = 0.5;
       }},
      {"block_masonry",
       [](CDocument& d) {
         d.Sisin = 3;
         d.BackType = 1;
         d.KiriD = 0.6;
         d.KiriN = 0.5;
       }},
      {"gravity", CutApartCompared},
      {"leaning",
       [](CDocument& d) {
         CutApartCompared(d);
         d.Sisin = 2;
         d.KiriDlt = 15;
       }},
      {"block_masonry",
       [](CDocument& d) {
         CutApartCompared(d);
         d.KiriD = 0;
       }},
      {"mixed",
       [](CDocument& d) {
         CutApartCompared(d);
         d.KiriDoatsu = 1;
       }},
  };
  std::set<std::string> names;
  for (const Variant& v : variants) {
    SCOPED_TRACE(v.sample);
    auto doc = test::SampleDocument(v.sample);
    v.change(*doc);
    CalcAntei(*doc, 0, 0);
    SelectAll(*doc);
    test::TempFolder work("norva_ep_pictures");
    const std::string markup =
        Cp932ToUtf8(test::Markup([&](PrnFile& f) { PrnDoatsu(f, *doc, work.path(), 0); }));
    const std::set<std::string> paths = ImagePaths(markup);
    EXPECT_FALSE(paths.empty());
    for (const std::string& p : paths) {
      ExpectSvgWithSize(p);
      names.insert(p.substr(p.find_last_of('/') + 1));
    }
  }
  // The method figures and a wedge graph were among them.
  for (const char* n : {"COULOMB.svg", "QD.svg", "QW.svg", "KUSABI.svg", "AntKusabiRes0000.svg",
                        "OOGATA_KIRI2_PA0.svg", "OOGATA_KIRI2_PA1.svg"}) {
    EXPECT_EQ(names.count(n), 1u) << n;
  }
  // Every shipped figure of the section.
  for (const char* p : {"BLOCK_", "JYU_", "MOTARE_", "KONGOU_"}) {
    for (const char* k : {"COULOMB", "QD", "QW"}) {
      ExpectSvgWithSize(test::ShippedFolder() + "/resource/" + p + k + ".svg");
    }
  }
  for (const char* p : {"BLOCK_", "JYU_", "MOTARE_"}) {
    ExpectSvgWithSize(test::ShippedFolder() + "/resource/" + p + "KUSABI_MORI.svg");
    for (const char* k : {"KUSABI_KIRI_PA", "KUSABI_KIRI_PA1", "KUSABI_KIRI_PA2", "KUSABI_KIRI1_PA",
                          "KUSABI_KIRI1_PA1", "KUSABI_KIRI1_PA2"}) {
      ExpectSvgWithSize(test::ShippedFolder() + "/resource/" + p + k + ".svg");
    }
  }
  for (const char* n : {"KUSABI.svg", "KONGO_MORI.svg", "KONGO_KIRI1_PA.svg", "KONGO_KIRI1_PA1.svg",
                        "KONGO_KIRI1_PA2.svg", "KONGO_KIRI2_PA.svg", "KONGO_KIRI2_PA1.svg",
                        "KONGO_KIRI2_PA2.svg"}) {
    ExpectSvgWithSize(test::ShippedFolder() + "/resource/" + n);
  }
  for (const char* n : {"KUSABI1.svg", "KUSABI2.svg", "KUSABI3.svg", "AntKusabiRes00000.svg",
                        "AntKusabiRes10000.svg"}) {
    EXPECT_EQ(names.count(n), 1u) << n;
  }
  PrnSel() = ReportSelection{};
  SetPictureSaver(nullptr);
}

}  // namespace
}  // namespace norva
