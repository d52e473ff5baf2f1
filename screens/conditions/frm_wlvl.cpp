#include "screens/conditions/frm_wlvl.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "document/ant_res.h"
#include "document/document.h"
#include "drawing/backends/figure_view.h"
#include "drawing/base/cdraw.h"
#include "drawing/figures/wlvl_graph.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/form_parts.h"

namespace norva {

frmWlvl::frmWlvl(QWidget* owner) : QDialog(owner) {
  setObjectName("frmWlvl");
  setWindowTitle(QStringLiteral("水位の自動計算結果"));
  auto* lay = new QVBoxLayout(this);
  auto* levels = new QGridLayout;
  Label1 = new QLabel(QStringLiteral("滑動の安全率が最小　　　　　　　　となる水位"), this);
  Label1->setObjectName("Label1");
  levels->addWidget(Label1, 0, 0, 1, 3);
  for (int i = 0; i < 2; ++i) {
    lblWlvl[i] = new QLabel(i == 0 ? QStringLiteral("常　時：") : QStringLiteral("地震時："), this);
    lblWlvl[i]->setObjectName(QStringLiteral("lblWlvl[%1]").arg(i));
    imnWlvl[i] = new NumberBox(-999.999, 999.999, QStringLiteral("##0.000"), this);
    imnWlvl[i]->setObjectName(QStringLiteral("imnWlvl[%1]").arg(i));
    imnWlvl[i]->setProperty("Index", i);
    imnWlvl[i]->setReadOnly(true);
    imnWlvl[i]->setMaximumWidth(100);
    lblUnit[i] = new QLabel(QStringLiteral("(m)"), this);
    lblUnit[i]->setObjectName(QStringLiteral("lblUnit[%1]").arg(i));
    levels->addWidget(lblWlvl[i], 1 + i, 0);
    levels->addWidget(imnWlvl[i], 1 + i, 1);
    levels->addWidget(lblUnit[i], 1 + i, 2);
  }
  levels->setColumnStretch(3, 1);
  lay->addLayout(levels);

  fraGrap = new QGroupBox(QStringLiteral("水位-滑動安全率グラフ"), this);
  fraGrap->setObjectName("fraGrap");
  auto* graph = new QVBoxLayout(fraGrap);
  auto* pick = new QHBoxLayout;
  lblCase = new QLabel(QStringLiteral("荷重ｹｰｽ："), fraGrap);
  lblCase->setObjectName("lblCase");
  cmbCase = new QComboBox(fraGrap);
  cmbCase->setObjectName("cmbCase");
  cmbCase->setMinimumWidth(200);
  pick->addWidget(lblCase);
  pick->addWidget(cmbCase);
  pick->addStretch(1);
  graph->addLayout(pick);
  vsdGraph = new CanvasWidget(fraGrap);
  vsdGraph->setObjectName("vsdGraph");
  vsdGraph->setMinimumSize(420, 320);
  graph->addWidget(vsdGraph, 1);
  lay->addWidget(fraGrap, 1);

  auto* strip = new QHBoxLayout;
  strip->addStretch(1);
  Command1 = new QPushButton(QStringLiteral("閉じる"), this);
  Command1->setObjectName("Command1");
  strip->addWidget(Command1);
  lay->addLayout(strip);

  redraw_ = new FigureRedraw(this);
  connect(cmbCase, &QComboBox::currentIndexChanged, this, &frmWlvl::cmbCase_Click);
  connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
}

void frmWlvl::SetDoc(CDocument* doc) {
  doc_ = doc;
  entries_.clear();
  if (doc_ != nullptr) entries_ = WlvlCaseList(*doc_);
  conditions::FillList(cmbCase, entries_,
                       [](const WlvlEntry& e) { return QString::fromStdString(e.caseName); });
  if (doc_ == nullptr) return;
  if (!entries_.empty()) SetListIndex(cmbCase, 0);
  SetNumBox(imnWlvl[0], doc_->WatBH(0));
  if (doc_->bQuake != 0) {
    SetNumBox(imnWlvl[1], doc_->WatBH(1));
  } else {
    lblWlvl[1]->setEnabled(false);
    lblUnit[1]->setEnabled(false);
    SetFrameEnabled(imnWlvl[1], false);
  }
}

void frmWlvl::cmbCase_Click(int item) {
  if (doc_ == nullptr || item < 0 || item >= static_cast<int>(entries_.size())) return;
  DrawGraph(entries_[item].record);
}

void frmWlvl::DrawGraph(int32_t record) {
  const auto study = doc_->WlvlRes(record);
  if (!study) return;
  drawn_ = record;
  // Drawn in twips of the graph's size, again whenever that size settles.
  const CDocument* doc = doc_;
  redraw_->Set(vsdGraph, [this, doc, study] {
    PaintFigure(vsdGraph, [&](cDraw& d) { DrawWlvlGraph(*doc, d, *study); });
  });
}

void ShowWlvlWindow(CDocument& doc, QWidget* owner) {
  frmWlvl dlg(owner);
  dlg.SetDoc(&doc);
  dlg.exec();
}

}  // namespace norva
