// The whole run: DoPreview loaded from the shared library, printing to PDF and
// the preview window; the preview window's commands; the printer record.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <QTimer>
#include <fstream>
#include <string>
#include <vector>

#include "external_tools.h"
#include "renderer/preview_dlg.h"
#include "test_folder.h"
#include "text/cp932.h"

namespace norva {
namespace {

using DoPreviewFn = int32_t (*)(int32_t, int32_t, const char*, const char*, const char*,
                                const void*);

// pdftotext lays words out by position: runs of blanks become one blank.
std::string Collapsed(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == ' ' && !out.empty() && out.back() == ' ') continue;
    out += c;
  }
  return out;
}

const char* kStyleSheet =
    "$page\r\n{\r\n"
    "    marginHeader:10mm;\r\n    marginFooter:10mm;\r\n    marginTop:20mm;\r\n"
    "    marginBottom:20mm;\r\n    marginLeft:20mm;\r\n    marginRight:20mm;\r\n"
    "    header:ノルヴァ|設計計算書|%d;\r\n    footer:|- %d -|;\r\n"
    "    hdrFontName:ＭＳ ゴシック;\r\n    hdrFontSize:9;\r\n"
    "    pageBorder:4;\r\n    pageBorderColor:0;\r\n    pageBorderStyle:0;\r\n    "
    "pageBorderWidth:2;\r\n"
    "    fontName:ＭＳ 明朝;\r\n    fontSize:10.5;\r\n    fontBold:0;\r\n    fontItalic:0;\r\n"
    "    fontStrikethru:0;\r\n    fontUnderline:0;\r\n"
    "    lineSpacing:120;\r\n    indentLeft:0;\r\n    secno:true;\r\n}\r\n"
    "$h1\r\n{\r\n    fontName:ＭＳ ゴシック;\r\n    fontSize:14;\r\n    fontBold:1;\r\n"
    "    lineSpacing:100;\r\n    indentLeft:0;\r\n}\r\n"
    "$h2\r\n{\r\n    fontName:ＭＳ ゴシック;\r\n    fontSize:12;\r\n"
    "    lineSpacing:100;\r\n    indentLeft:3mm;\r\n}\r\n";

std::string Numbered(const char* prefix, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += std::string(prefix) + " " + std::to_string(i) + "\r\n";
  return s;
}

// Every text-flow feature; the pagination rules give five pages:
// 1 headings and text, 2 after an explicit break, 3 landscape, 4 filler
// lines, 5 the keep-together block that no longer fits on page 4.
std::string ReportMarkup(const std::string& figure) {
  return "<html><body>\r\n"
         "<h1>擁壁の設計</h1>\r\n"
         "本文は明朝体で印字する。&sp;Text&sp;A<sub>1</sub>&sp;and&sp;x<sup>2</sup>.<br>\r\n"
         "<font face=\"ＭＳ ゴシック\" size=2>ゴシック体の行</font><br>\r\n"
         "<indent no=2>字下げした段落です。<br>\r\n</indent>\r\n"
         "<h2>土圧</h2>\r\n"
         "<pre>\r\n    pre  line  one\r\n    pre  line  two\r\n</pre>\r\n"
         "<rp>\r\n"
         "<h2>荷重</h2>\r\n"
         "二ページ目の本文。<br>\r\n"
         "<land><rp>\r\n"
         "横向きのページ。<br>\r\n"
         "<port><rp>\r\n"
         "<pre>\r\n" +
         Numbered("filler", 40) +
         "</pre>\r\n"
         "<protect>\r\n"
         "<pre>\r\n" +
         Numbered("block", 40) +
         "</pre>\r\n"
         "<img src=\"" +
         figure +
         "\" width=50% height=50%>\r\n"
         "図-1&sp;断面図<br>\r\n"
         "</protect>\r\n"
         "おわり<br>\r\n"
         "</body></html>\r\n";
}

class DoPreviewRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.Valid());
    dir = folder.Path();
    stylePath = dir + "/style.dat";
    std::ofstream(stylePath, std::ios::binary) << Utf8ToCp932(kStyleSheet);
    figure = dir + "/fig.svg";
    std::ofstream(figure) << "<svg xmlns='http://www.w3.org/2000/svg' width='100mm' height='50mm' "
                             "viewBox='0 0 100 50'><rect x='1' y='1' width='98' height='48' "
                             "fill='none' stroke='black'/><line x1='0' y1='50' x2='100' y2='0' "
                             "stroke='black'/></svg>";
    markup = Utf8ToCp932(ReportMarkup(figure));
    lib.setFileName(QStringLiteral(NORVA_BIN_DIR "/Ravtek2"));
    if (!lib.load()) GTEST_SKIP() << "Ravtek2 is not built: " << lib.errorString().toStdString();
    doPreview = reinterpret_cast<DoPreviewFn>(lib.resolve("DoPreview"));
    ASSERT_NE(doPreview, nullptr);
  }
  TestFolder folder;
  std::string dir, stylePath, figure, markup;
  QLibrary lib;
  DoPreviewFn doPreview = nullptr;
};

TEST_F(DoPreviewRun, PrintModeWritesThePaginatedPdf) {
  const std::string pdf = dir + "/report.pdf";
  PrinterSettingsRec printer{};
  printer.DeviceName = pdf.c_str();
  printer.Orientation = 1;
  doPreview(0, 1, markup.c_str(), stylePath.c_str(), dir.c_str(), &printer);
  ASSERT_TRUE(QFile::exists(QString::fromStdString(pdf)));

  const std::string info = RunTool("pdfinfo", {"-f", "1", "-l", "9", QString::fromStdString(pdf)});
  EXPECT_NE(info.find("Pages:           5"), std::string::npos) << info;
  EXPECT_NE(info.find("Page    1 size:  595 x 842 pts"), std::string::npos) << info;
  EXPECT_NE(info.find("Page    3 size:  842 x 595 pts"), std::string::npos) << info;  // landscape
  EXPECT_NE(info.find("Page    4 size:  595 x 842 pts"), std::string::npos) << info;

  std::vector<std::string> pages;
  for (int p = 1; p <= 5; ++p) {
    pages.push_back(
        Collapsed(RunTool("pdftotext", {"-layout", "-f", QString::number(p), "-l",
                                        QString::number(p), QString::fromStdString(pdf), "-"})));
  }
  const struct {
    int page;
    std::vector<std::string> has, hasNot;
  } want[] = {
      {1,
       {"1. 擁壁の設計", "本文は明朝体で印字する。 Text A", "and x", "ゴシック体の行",
        "字下げした段落です。", "1.1 土圧", "pre line one", "pre line two", "設計計算書",
        "ノルヴァ", "- 1 -"},
       {"荷重"}},
      {2, {"1.2 荷重", "二ページ目の本文。", "- 2 -"}, {"横向き"}},
      {3, {"横向きのページ。", "- 3 -"}, {"filler"}},
      {4, {"filler 0", "filler 39", "- 4 -"}, {"block"}},
      {5, {"block 0", "block 39", "図-1 断面図", "おわり", "- 5 -"}, {"filler"}},
  };
  for (const auto& w : want) {
    const std::string& text = pages[static_cast<size_t>(w.page - 1)];
    for (const std::string& s : w.has)
      EXPECT_NE(text.find(s), std::string::npos) << "page " << w.page << ": " << s << "\n" << text;
    for (const std::string& s : w.hasNot)
      EXPECT_EQ(text.find(s), std::string::npos) << "page " << w.page << ": " << s;
  }
  EXPECT_EQ(Count(pages[3], "filler"), 40u);
  EXPECT_EQ(Count(pages[4], "block"), 40u);

  // Japanese text is set in the mapped IPA faces, embedded.
  const std::string fonts = RunTool("pdffonts", {QString::fromStdString(pdf)});
  EXPECT_NE(fonts.find("IPAMincho"), std::string::npos) << fonts;
  EXPECT_NE(fonts.find("IPAGothic"), std::string::npos) << fonts;
}

TEST_F(DoPreviewRun, PreviewModeShowsAndPagesThroughTheReport) {
  std::vector<std::string> titles;
  const std::string nested = dir + "/nested.pdf";
  const QString shot = QString::fromStdString(dir + "/preview_page2.png");
  QTimer timer;
  int ticks = 0;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    if (++ticks > 600) {  // 30 s: give up and close whatever is open
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
      }
      return;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* dlg = qobject_cast<QDialog*>(w);
      if (!dlg || !dlg->isVisible() || !dlg->windowTitle().contains(QStringLiteral("( "))) continue;
      timer.stop();
      auto act = [dlg](const char* id) {
        dlg->findChild<QAction*>(QString::fromLatin1(id))->trigger();
      };
      titles.push_back(dlg->windowTitle().toStdString());
      act("32772");  // previous on the first page: nothing changes
      titles.push_back(dlg->windowTitle().toStdString());
      act("32773");
      titles.push_back(dlg->windowTitle().toStdString());
      QCoreApplication::processEvents();
      dlg->grab().save(shot);
      act("32772");
      titles.push_back(dlg->windowTitle().toStdString());
      // A second run while this one is open is refused: it would share the run's state.
      PrinterSettingsRec rec{};
      rec.DeviceName = nested.c_str();
      doPreview(0, 0, "nested", "", dir.c_str(), &rec);
      act("32777");  // end
      return;
    }
  });
  timer.start(50);
  doPreview(1, 1, markup.c_str(), stylePath.c_str(), dir.c_str(), nullptr);
  EXPECT_EQ(titles,
            (std::vector<std::string>{"印刷プレビュー - ( 1/5 )", "印刷プレビュー - ( 1/5 )",
                                      "印刷プレビュー - ( 2/5 )", "印刷プレビュー - ( 1/5 )"}));
  EXPECT_TRUE(QFile::exists(shot));
  EXPECT_FALSE(QFile::exists(QString::fromStdString(nested)));
  // Once the first run has ended, a run works again.
  PrinterSettingsRec rec{};
  rec.DeviceName = nested.c_str();
  doPreview(0, 0, "after", "", dir.c_str(), &rec);
  EXPECT_TRUE(QFile::exists(QString::fromStdString(nested)));
}

// ---- the preview window's commands, without the shared library ---------------

class PreviewWindow : public ::testing::Test {
 protected:
  std::unique_ptr<CPreviewDlg> Make(const std::string& text, int32_t mode = 1,
                                    const PrinterSettingsRec* printer = nullptr) {
    markup = text;
    auto dlg = std::make_unique<CPreviewDlg>(mode, 0, markup, run, printer);
    dlg->OnInitDialog();
    return dlg;
  }
  RenderRun run;
  std::string markup;
};

TEST_F(PreviewWindow, PageCommandsStayWithinTheReport) {
  auto dlg = Make("A<rp>B<rp>C");
  const struct {
    void (CPreviewDlg::*cmd)();
    const char* title;
  } steps[] = {
      {&CPreviewDlg::OnPrevPage, "印刷プレビュー - ( 1/3 )"},
      {&CPreviewDlg::OnNextPage, "印刷プレビュー - ( 2/3 )"},
      {&CPreviewDlg::OnNextPage, "印刷プレビュー - ( 3/3 )"},
      {&CPreviewDlg::OnNextPage, "印刷プレビュー - ( 3/3 )"},
      {&CPreviewDlg::OnZoomIn, "印刷プレビュー - ( 3/3 )"},
      {&CPreviewDlg::OnPrevPage, "印刷プレビュー - ( 2/3 )"},
  };
  EXPECT_EQ(dlg->windowTitle().toStdString(), "印刷プレビュー - ( 1/3 )");
  for (const auto& s : steps) {
    ((*dlg).*s.cmd)();
    EXPECT_EQ(dlg->windowTitle().toStdString(), s.title);
  }
}

TEST_F(PreviewWindow, ZoomMovesTwoIncrementsWithinTheLimits) {
  auto dlg = Make("A");
  PageComposer& c = dlg->Composer();
  c.SetZoomIncrement(10);
  c.SetZoomUpper(400);
  c.SetZoomLower(10);
  const struct {
    int start;
    bool in;
    int end;
  } cases[] = {
      {100, true, 120}, {380, true, 400},
      {385, true, 385},  // 405 would pass 400, 395 alone would not
      {100, false, 80}, {30, false, 10},
      {25, false, 25},
  };
  for (const auto& z : cases) {
    SCOPED_TRACE(z.start);
    c.SetZoom(z.start);
    z.in ? dlg->OnZoomIn() : dlg->OnZoomOut();
    EXPECT_EQ(c.Zoom(), z.end);
  }
}

TEST_F(PreviewWindow, ToolbarButtons) {
  auto dlg = Make("A");
  const struct {
    const char* id;
    const char* label;
    const char* tip;
  } buttons[] = {{"32773", "次ページ", "次ページに移動"},
                 {"32772", "前ページ", "前ページに移動"},
                 {"32774", "拡大", "拡大"},
                 {"32775", "縮小", "縮小"},
                 {"32776", "印刷", "プリンターへ出力"},
                 {"32778", "WORD変換", "Microsoft Word文書に変換"},
                 {"32777", "終了", "印刷プレビューの終了"}};
  const QList<QAction*> actions = dlg->ToolBar()->actions();
  std::vector<std::string> order;
  for (QAction* a : actions)
    order.push_back(a->isSeparator() ? "|" : a->objectName().toStdString());
  EXPECT_EQ(order, (std::vector<std::string>{"32773", "32772", "|", "32774", "32775", "|", "32776",
                                             "|", "32778", "|", "32777"}));
  for (const auto& b : buttons) {
    QAction* a = dlg->findChild<QAction*>(b.id);
    ASSERT_NE(a, nullptr) << b.id;
    EXPECT_EQ(a->text().toStdString(), b.label);
    EXPECT_EQ(a->toolTip().toStdString(), b.tip);
  }
}

// Word output: the RTF goes to the desktop's application; when none takes it
// the user is told where the file is and may keep a copy under a name of
// their own (also over an existing file, which the save dialog asked about).
TEST_F(PreviewWindow, WordOutputWithoutAWordProcessorTellsWhereTheFileIsAndOffersACopy) {
  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const WordOutputHooks saved = WordOutput();
  struct Row {
    const char* name;
    bool desktopOpens;
    bool wantsCopy;
    const char* copyName;  // "" cancels the save dialog
    bool existing;         // a file of that name is there already
  };
  const Row rows[] = {
      {"desktop opens it", true, false, "", false},
      {"copy declined", false, false, "", false},
      {"save dialog cancelled", false, true, "", false},
      {"copy saved", false, true, "report.rtf", false},
      {"copy replaces a file", false, true, "old.rtf", true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    run.workFolder = folder.File(std::string("work_") + r.name);
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(run.workFolder)));
    auto dlg = Make("A");
    const QString rtf = dlg->RtfPath();
    ASSERT_FALSE(rtf.isEmpty());
    std::vector<QString> opened, offers, starts;
    const QString target =
        *r.copyName ? folder.QFilePath(QString::fromUtf8(r.copyName)) : QString();
    if (r.existing) {
      QFile old(target);
      ASSERT_TRUE(old.open(QIODevice::WriteOnly));
      old.write("old");
    }
    WordOutput().open = [&](const QString& path) {
      opened.push_back(path);
      return r.desktopOpens;
    };
    WordOutput().offerCopy = [&](QWidget*, const QString& text) {
      offers.push_back(text);
      return r.wantsCopy;
    };
    WordOutput().copyName = [&](QWidget*, const QString& start) {
      starts.push_back(start);
      return target;
    };
    WordOutput().tell = [](QWidget*, const QString& text) { ADD_FAILURE() << text.toStdString(); };
    dlg->OpenInWord();
    EXPECT_EQ(opened, std::vector<QString>{rtf});
    ASSERT_EQ(offers.size(), r.desktopOpens ? 0u : 1u);
    if (!r.desktopOpens) {
      EXPECT_TRUE(offers[0].contains(QDir::toNativeSeparators(rtf)));
    }
    EXPECT_EQ(starts.size(), r.wantsCopy ? 1u : 0u);
    if (r.wantsCopy) {
      EXPECT_TRUE(starts[0].endsWith(QFileInfo(rtf).fileName()));
    }
    if (!target.isEmpty()) {
      QFile copy(target), original(rtf);
      ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
      ASSERT_TRUE(original.open(QIODevice::ReadOnly));
      EXPECT_EQ(copy.readAll(), original.readAll());
    }
    EXPECT_TRUE(QFile::exists(rtf));  // the work folder's file stays until the program ends
  }
  WordOutput() = saved;
}

TEST_F(PreviewWindow, PrinterRecord) {
  TestFolder folder;
  ASSERT_TRUE(folder.Valid());
  const std::string pdf = folder.File("printer_record.pdf");
  const struct {
    int32_t orientation, copies;
    int wantOrientation, wantCopies;
  } cases[] = {
      {1, 3, 0, 3},
      {2, 0, 1, 1},
      {0, -1, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.orientation);
    PrinterSettingsRec rec{};
    rec.DeviceName = pdf.c_str();
    rec.Orientation = c.orientation;
    rec.Copies = c.copies;
    rec.PaperSize = 9;
    QFile::remove(QString::fromStdString(pdf));
    auto dlg = Make("A<rp>B", 0, &rec);
    EXPECT_EQ(dlg->Composer().Orientation(), c.wantOrientation);
    EXPECT_EQ(dlg->Composer().Copies(), c.wantCopies);
    EXPECT_EQ(dlg->Composer().Pages().size(), 2u);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(pdf)));  // mode 0 printed at the end
  }
  // Without a record the printer settings stay as they are.
  auto dlg = Make("A", 1);
  EXPECT_EQ(dlg->Composer().Orientation(), 0);
  EXPECT_EQ(dlg->Composer().Copies(), 1);
}

}  // namespace
}  // namespace norva

namespace norva {
namespace {

TEST(ProgressWindow, PercentTextAndCancel) {
  CProgressDlg dlg;
  EXPECT_EQ(dlg.ShownText().toStdString(), "100%");
  ASSERT_TRUE(dlg.CreateAndShow());
  EXPECT_EQ(dlg.ShownText().toStdString(), "0%");
  EXPECT_EQ(dlg.windowTitle().toStdString(), "出力中...");
  dlg.SetPercent(37);
  EXPECT_EQ(dlg.ShownText().toStdString(), "37%");
  EXPECT_FALSE(dlg.CheckCancel());
  dlg.OnCancelButton();
  EXPECT_TRUE(dlg.CheckCancel());
  EXPECT_FALSE(dlg.CheckCancel());  // the flag is cleared once seen
}

}  // namespace
}  // namespace norva
