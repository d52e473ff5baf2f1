#include "screens/results/frm_add_sec_pos.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "document/document.h"
#include "document/services.h"
#include "screens/results/member_sections.h"
#include "shell/document_forms.h"

namespace norva {

frmAddSecPos::frmAddSecPos(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("frmAddSecPos"));
  setWindowTitle(QStringLiteral("照査位置追加"));
  auto* v = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(lblSecPos.Add(0, new QLabel(QStringLiteral("たて壁応力度照査位置 :"), this)));
  imnSecY = new NumberBox(0, 999.999, QStringLiteral("##0.000"), this);
  imnSecY->setObjectName(QStringLiteral("imnSecY"));
  imnSecY->setFixedWidth(90);
  row->addWidget(imnSecY);
  lblUnit = new QLabel(QStringLiteral("(m)"), this);
  lblUnit->setObjectName(QStringLiteral("lblUnit"));
  row->addWidget(lblUnit);
  row->addStretch(1);
  v->addLayout(row);
  v->addWidget(lblSecPos.Add(1, new QLabel(QStringLiteral("（壁前面の付け根からの距離）"), this)),
               0, Qt::AlignRight);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  cmdAdd = new QPushButton(QStringLiteral("追加(&A)"), this);
  cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
  cmdCancel = new QPushButton(QStringLiteral("閉じる(&C)"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  // Enter in the box adds, as the button would; it never closes the dialog.
  cmdAdd->setAutoDefault(false);
  cmdCancel->setAutoDefault(false);
  buttons->addWidget(cmdAdd);
  buttons->addWidget(cmdCancel);
  v->addLayout(buttons);
  connect(cmdAdd, &QPushButton::clicked, this, [this] { GuardedCall([this] { cmdAdd_Click(); }); });
  connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(imnSecY, &QLineEdit::returnPressed, this,
          [this] { GuardedCall([this] { cmdAdd_Click(); }); });
}

void frmAddSecPos::cmdAdd_Click() {
  if (doc_ == nullptr || imnSecY->IsBlank()) return;
  const AddOutcome r = AddCheckSection(*doc_, nULflg_, imnSecY->Value());
  MessageSink().Show(kProgramTitle, r.message, MsgIcon::Information, MsgButtons::Ok);
}

}  // namespace norva
