#include "screens/conditions/input_screen.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "document/document.h"
#include "platform/controls/control_helpers.h"
#include "screens/conditions/form_parts.h"
#include "screens/screen_foot.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"

namespace norva {

InputScreen::InputScreen(int16_t no, const char* objectName) : no_(no) {
  setObjectName(objectName);
  imtHelp = MakeHelpBox(this, 48);
  MakeStepButtons(this, cmdPrevious, cmdNext);
  connect(cmdPrevious, &QPushButton::clicked, this,
          [this] { Run([this](CDocument& d) { ShowForm(d, static_cast<int16_t>(no_ - 1)); }); });
  connect(cmdNext, &QPushButton::clicked, this,
          [this] { Run([this](CDocument& d) { ShowForm(d, static_cast<int16_t>(no_ + 1)); }); });
}

void InputScreen::Run(const std::function<void(CDocument&)>& fn) {
  CDocument* d = doc_;
  if (d == nullptr) return;
  GuardedCall([&] { fn(*d); });
}

void InputScreen::AddFields(std::span<const NumField> fields, QWidget* parent) {
  for (const NumField& f : fields) {
    NumberBox* box = bound_.Bind(conditions::MakeNumBox(f, parent), f);
    const size_t i = typed_.size();
    typed_.push_back(false);
    connect(box, &NumberBox::GotFocus, this, [this, i, box] {
      typed_[i] = false;
      ShowHint(imtHelp, box->Tag().toStdString());
    });
    connect(box, &QLineEdit::textEdited, this, [this, i] { typed_[i] = true; });
    connect(box, &NumberBox::LostFocus, this, [this, i] { Leave(i); });
  }
}

void InputScreen::Leave(size_t i) {
  ShowHint(imtHelp, std::string());
  if (doc_ == nullptr) return;
  GuardedCall([&] {
    const auto& e = bound_.Entries()[i];
    bound_.WriteBack(e, *doc_);
    AfterLeave(*e.row, typed_[i]);
    typed_[i] = false;
    SetFormState();
  });
}

void InputScreen::AfterLeave(const NumField&, bool) {}

void InputScreen::FillBoxes(const char* name) {
  if (doc_ == nullptr) return;
  bound_.Fill(*doc_, [name](const NumField& f) { return name == nullptr || RowNamed(f, name); });
}

NumberBox* InputScreen::Box(const char* name, int index) const { return bound_.Box(name, index); }

std::vector<NumberBox*> InputScreen::Boxes() const { return bound_.Boxes(); }

void InputScreen::PlaceRow(QGridLayout* grid, int row, QLabel* label, const char* box, int index,
                           QLabel* unit) {
  NumberBox* b = Box(box, index);
  b->setParent(label->parentWidget());
  grid->addWidget(label, row, 0);
  grid->addWidget(b, row, 1);
  if (unit) grid->addWidget(unit, row, 2);
}

void InputScreen::LayOutColumns(QWidget* left, QWidget* right) {
  auto* lay = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  columns->addWidget(left, 1);
  columns->addWidget(right, 1);
  lay->addLayout(columns, 1);
  // The buttons beside the help box, as on the other screens: a line less
  // height for the screen.
  auto* foot = new QHBoxLayout;
  foot->addWidget(imtHelp, 1);
  auto* strip = new QWidget(this);
  auto* buttons = new QHBoxLayout(strip);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->addWidget(cmdPrevious);
  buttons->addWidget(cmdNext);
  foot->addWidget(strip, 0, Qt::AlignBottom);
  lay->addLayout(foot);
  conditions::TabOrderByColumns(this, {left, right, strip});
}

}  // namespace norva
