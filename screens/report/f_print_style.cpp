#include "screens/report/f_print_style.h"

#include <QComboBox>
#include <QDoubleValidator>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "document/services.h"
#include "platform/canvas/canvas_render.h"
#include "report/style/print_style.h"
#include "screens/report/report_pictures.h"
#include "shell/startup.h"

namespace norva {

namespace {

const char* const kRowTitle[cPrintStyle::kRows] = {"標　　準", "見出し１", "見出し２", "見出し３",
                                                   "見出し４", "ヘッダー", "数　式",   "数　式/小"};
const char* const kSizes = "6|8|9|10|10.5|11|12|14|16|18|20|22|24|26|28|36|48|72";
constexpr int kSizeColumn = 2;

void Tell(const std::string& text) {
  MessageSink().Show(kProgramTitle, text, MsgIcon::Warning, MsgButtons::Ok);
}

std::string TrimBlanks(const QString& text) {
  std::string s = text.toStdString();
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

QGroupBox* Group(const char* title, QWidget* parent) {
  return new QGroupBox(QString::fromUtf8(title), parent);
}

bool FileDialog(std::string& path, QWidget* owner, bool save) {
  QFileDialog dialog(owner);
  dialog.setNameFilter(QStringLiteral("書式設定ファイル (*.sty)"));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::ReadOnly, false);
  if (save) dialog.setDefaultSuffix(QStringLiteral("sty"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = dialog.selectedFiles().first().toStdString();
  return true;
}

}  // namespace

fPrintStyle::fPrintStyle(QWidget* owner) : QDialog(owner) {
  setObjectName("fPrintStyle");
  setWindowTitle(QStringLiteral("印刷書式の設定"));
  setModal(true);
  chooseFont = [](QFont& font, QWidget* o) {
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, font, o, QStringLiteral("フォント"), QFontDialog::ScalableFonts);
    if (ok) font = chosen;
    return ok;
  };
  openFile = [](std::string& path, QWidget* o) { return FileDialog(path, o, false); };
  saveFile = [](std::string& path, QWidget* o) { return FileDialog(path, o, true); };

  auto* fonts = Group("　フォント　", this);
  BuildGrid();
  (new QVBoxLayout(fonts))->addWidget(fgFont);

  const std::string pictures = ProgramFolder() + "/resource/";
  auto* frames = Group("　枠線のスタイル　", this);
  optFrame = new OptionArray("optFrame", this);
  auto* frameRow = new QHBoxLayout(frames);
  for (int i = 0; i < kFrameStyles; ++i) {
    auto* b = new QRadioButton(frames);
    b->setIcon(QIcon(QString::fromStdString(pictures + FrameStylePicture(i) + ".svg")));
    b->setIconSize(QSize(42, 56));
    optFrame->Add(i, b);
    frameRow->addWidget(b);
  }
  connect(optFrame, &OptionArray::Click, this, [this](int i) {
    if (!filling_ && clas_) clas_->FrameStyle = static_cast<int16_t>(i);
  });

  auto* margins = Group("　マージン (mm)　", this);
  auto* marginGrid = new QGridLayout(margins);
  Picture1 = new QLabel(margins);
  Picture1->setObjectName("Picture1");
  Picture1->setPixmap(
      QIcon(QString::fromStdString(pictures + kPagePicture + ".svg")).pixmap(QSize(60, 80)));
  Picture1->setAlignment(Qt::AlignCenter);
  static const int kCell[4][2] = {{0, 1}, {2, 1}, {1, 0}, {1, 2}};  // top, bottom, left, right
  for (int i = 0; i < 4; ++i) {
    auto* box = imMargn.Add(i, new NumberBox(0, 999, QStringLiteral("##0"), margins));
    box->setMaximumWidth(60);
    marginGrid->addWidget(box, kCell[i][0], kCell[i][1], Qt::AlignCenter);
    connect(box, &NumberBox::LostFocus, this, [this, i, box] {
      if (!clas_) return;
      const auto v = static_cast<int16_t>(std::nearbyint(box->Value()));
      int16_t* target[4] = {&clas_->TopMargin, &clas_->BottomMargin, &clas_->LeftMargin,
                            &clas_->RightMargin};
      *target[i] = v;
    });
  }
  marginGrid->addWidget(Picture1, 1, 1);

  // A text holding '"' would not read back from the style file.
  auto* noQuote =
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), this);
  auto texts = [&](const char* title, ControlArray<TextBox>& boxes, bool header) {
    auto* g = Group(title, this);
    auto* grid = new QGridLayout(g);
    static const char* const kPos[3] = {"左", "中央", "右"};
    for (int i = 0; i < 3; ++i) {
      auto* box = boxes.Add(i, new TextBox(g));
      box->setValidator(noQuote);
      grid->addWidget(new QLabel(QString::fromUtf8(kPos[i]), g), 0, i);
      grid->addWidget(box, 1, i);
      connect(box, &TextBox::LostFocus, this, [this, i, box, header] {
        if (!clas_) return;
        if (header) {
          clas_->SetHeaderStr(i, TrimBlanks(box->text()));
        } else {
          clas_->SetFooterStr(i, TrimBlanks(box->text()));
        }
      });
    }
    grid->addWidget(
        new QLabel(QStringLiteral("※ ページ番号を挿入するときは「%d」と記入します。"), g), 2, 0, 1,
        3);
    return g;
  };
  QGroupBox* headers = texts("　ヘッダー　", imHeader, true);
  QGroupBox* footers = texts("　フッター　", imFooter, false);

  cmdStyle.Add(0, new QPushButton(QStringLiteral("書式読込み"), this));
  cmdStyle.Add(1, new QPushButton(QStringLiteral("書式保存"), this));
  for (const auto& [i, b] : cmdStyle) {
    connect(b, &QPushButton::clicked, this, [this, i = i] { cmdStyle_Click(i); });
  }
  cmdOK = new QPushButton(QStringLiteral("適用"), this);
  cmdOK->setObjectName("cmdOK");
  cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel->setObjectName("cmdCancel");
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

  auto* middle = new QHBoxLayout;
  middle->addWidget(frames, 1);
  middle->addWidget(margins);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdStyle[0]);
  buttons->addWidget(cmdStyle[1]);
  buttons->addStretch(1);
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fonts, 1);
  layout->addLayout(middle);
  layout->addWidget(headers);
  layout->addWidget(footers);
  layout->addLayout(buttons);
  resize(640, 720);
}

void fPrintStyle::BuildGrid() {
  fgFont = new QTableWidget(cPrintStyle::kRows, 6, this);
  fgFont->setObjectName("fgFont");
  fgFont->setHorizontalHeaderLabels({QString(), QStringLiteral("フォント名"),
                                     QStringLiteral("サイズ"), QStringLiteral("太字"),
                                     QStringLiteral("斜体"), QStringLiteral("下線")});
  fgFont->verticalHeader()->hide();
  fgFont->setSelectionMode(QAbstractItemView::NoSelection);
  QHeaderView* header = fgFont->horizontalHeader();
  header->setSectionResizeMode(1, QHeaderView::Stretch);
  header->resizeSection(0, 80);
  header->resizeSection(2, 80);
  for (int c = 3; c <= 5; ++c) header->resizeSection(c, 44);
  for (int r = 0; r < cPrintStyle::kRows; ++r) {
    auto* title = new QTableWidgetItem(QString::fromUtf8(kRowTitle[r]));
    title->setFlags(Qt::ItemIsEnabled);
    title->setBackground(palette().button());
    fgFont->setItem(r, 0, title);

    auto* nameCell = new QWidget(fgFont);
    auto* nameRow = new QHBoxLayout(nameCell);
    nameRow->setContentsMargins(2, 0, 0, 0);
    auto* name = new QLabel(nameCell);
    name->setObjectName(QStringLiteral("lblFontName[%1]").arg(r));
    auto* more = new QToolButton(nameCell);
    more->setText(QStringLiteral("..."));
    more->setObjectName(QStringLiteral("cmdFont[%1]").arg(r));
    nameRow->addWidget(name, 1);
    nameRow->addWidget(more);
    fgFont->setCellWidget(r, 1, nameCell);
    connect(more, &QToolButton::clicked, this, [this, r] { FontButton_Click(r); });

    auto* size = new QComboBox(fgFont);
    size->setEditable(true);
    size->addItems(QString::fromUtf8(kSizes).split('|'));
    size->setValidator(new QDoubleValidator(1, 999, 2, size));
    fgFont->setCellWidget(r, kSizeColumn, size);
    connect(size, &QComboBox::currentTextChanged, this, [this, r] { CellEdited(r, kSizeColumn); });

    for (int c = 3; c <= 5; ++c) {
      auto* box = new QTableWidgetItem;
      box->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
      box->setCheckState(Qt::Unchecked);
      fgFont->setItem(r, c, box);
    }
  }
  // All eight rows in view.
  fgFont->resizeRowsToContents();
  int rows = header->sizeHint().height() + 2 * fgFont->frameWidth();
  for (int r = 0; r < cPrintStyle::kRows; ++r) rows += fgFont->rowHeight(r);
  fgFont->setMinimumHeight(rows);
  connect(fgFont, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (item->column() >= 3) CellEdited(item->row(), item->column());
  });
}

void fPrintStyle::SetRowFont(int r) {
  const cPrintStyle& s = *clas_;
  fgFont->cellWidget(r, 1)->findChild<QLabel*>()->setText(QString::fromStdString(s.FontName(r)));
  static_cast<QComboBox*>(fgFont->cellWidget(r, kSizeColumn))
      ->setCurrentText(QString::fromStdString(StyleSizeText(s.FontSize(r))));
  const bool flags[3] = {s.FontBold(r), s.FontItalic(r), s.FontUnderline(r)};
  for (int c = 3; c <= 5; ++c) {
    fgFont->item(r, c)->setCheckState(flags[c - 3] ? Qt::Checked : Qt::Unchecked);
  }
}

void fPrintStyle::ShowStyle() {
  if (!clas_) return;
  filling_ = true;
  const cPrintStyle& s = *clas_;
  for (int r = 0; r < cPrintStyle::kRows; ++r) SetRowFont(r);
  SetOptionIndex(*optFrame, s.FrameStyle);
  const int16_t margins[4] = {s.TopMargin, s.BottomMargin, s.LeftMargin, s.RightMargin};
  for (int i = 0; i < 4; ++i) imMargn[i]->SetValue(margins[i]);
  for (int i = 0; i < 3; ++i) {
    imHeader[i]->SetText(QString::fromStdString(s.HeaderStr(i)));
    imFooter[i]->SetText(QString::fromStdString(s.FooterStr(i)));
  }
  filling_ = false;
}

void fPrintStyle::CellEdited(int row, int column) {
  if (filling_ || !clas_) return;
  if (column == kSizeColumn) {
    const QString text = static_cast<QComboBox*>(fgFont->cellWidget(row, column))->currentText();
    // A size of nothing (a cell emptied while typing) would print no text.
    const double size = text.trimmed().toDouble();
    if (size > 0) clas_->SetFontSize(row, size);
    return;
  }
  const bool on = fgFont->item(row, column)->checkState() == Qt::Checked;
  if (column == 3) clas_->SetFontBold(row, on);
  if (column == 4) clas_->SetFontItalic(row, on);
  if (column == 5) clas_->SetFontUnderline(row, on);
}

void fPrintStyle::FontButton_Click(int row) {
  if (!clas_) return;
  const std::string oldName = clas_->FontName(row);
  const double oldSize = clas_->FontSize(row);
  // The dialog lists installed families: it opens on the stand-in of the
  // style's font name.
  const QString shown = MappedFontFamily(oldName);
  QFont font(shown);
  if (oldSize > 0) font.setPointSizeF(oldSize);
  font.setBold(clas_->FontBold(row));
  font.setItalic(clas_->FontItalic(row));
  if (!chooseFont || !chooseFont(font, this)) return;
  // An untouched choice keeps the style's own name, and a size the dialog
  // only rounded to its list keeps its decimals (10.5 is offered as 11).
  const QString family = font.family();
  clas_->SetFontName(row, family == shown ? oldName : family.toStdString());
  const double size = font.pointSizeF();
  clas_->SetFontSize(row, std::round(oldSize) == size ? oldSize : size);
  clas_->SetFontBold(row, font.bold());
  clas_->SetFontItalic(row, font.italic());
  filling_ = true;
  SetRowFont(row);
  filling_ = false;
}

void fPrintStyle::cmdStyle_Click(int index) {
  if (!clas_) return;
  std::string path;
  std::string error;
  if (index == 0) {
    if (!openFile || !openFile(path, this)) return;
    if (!clas_->ReadStyleData(path, &error)) {
      Tell(error);
      return;
    }
    ShowStyle();
  } else {
    if (!saveFile || !saveFile(path, this)) return;
    if (!clas_->WriteStyleData(path, &error)) Tell(error);
  }
}

void fPrintStyle::cmdOK_Click() {
  if (!clas_) return;
  std::string error;
  if (!clas_->WriteStyleData(clas_->StyleFile(), &error) || !clas_->WriteStyleFile(&error)) {
    Tell(error);
    return;
  }
  accept();
}

void fPrintStyle::cmdCancel_Click() { reject(); }

void ShowPrintStyleForm(const std::string& docPath, QWidget* owner) {
  cPrintStyle style;
  style.SetDocPath(docPath);
  fPrintStyle dialog(owner);
  dialog.SetClas(&style);
  std::string error;
  if (!style.ReadStyleData(style.StyleFile(), &error)) Tell(error);
  dialog.ShowStyle();
  dialog.pDocPath = docPath;
  dialog.exec();
}

}  // namespace norva
