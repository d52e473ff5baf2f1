#include "screens/loads/name_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace norva {

NameDialog::NameDialog(QWidget* owner, const char* objectName, const QString& title,
                       const QString& label, int boxWidth)
    : QDialog(owner) {
  setObjectName(objectName);
  setWindowTitle(title);
  auto* lay = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(label, this));
  imCaseName = new TextBox(this);
  imCaseName->setObjectName("imCaseName");
  imCaseName->setMinimumWidth(boxWidth);
  row->addWidget(imCaseName, 1);
  lay->addLayout(row);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  cmdAdd = new QPushButton(QStringLiteral("追加"), this);
  cmdAdd->setObjectName("cmdAdd");
  cmdAdd->setDefault(true);
  cmdCancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
  cmdCancel->setObjectName("cmdCancel");
  buttons->addWidget(cmdAdd);
  buttons->addWidget(cmdCancel);
  lay->addLayout(buttons);
  connect(cmdAdd, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
  connect(cmdCancel, &QPushButton::clicked, this, &NameDialog::reject);
}

void NameDialog::Accept(const QString& name) {
  endState_ = 1;
  name_ = name.toStdString();
  hide();
}

void NameDialog::reject() {
  endState_ = 0;
  hide();
}

}  // namespace norva
