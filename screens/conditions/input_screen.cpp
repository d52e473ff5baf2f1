#include "screens/conditions/input_screen.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cstring>

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
    NumberBox* box = conditions::MakeNumBox(f, parent);
    const size_t i = bound_.size();
    bound_.push_back({box, &f, false});
    connect(box, &NumberBox::GotFocus, this, [this, i] {
      bound_[i].typed = false;
      ShowHint(imtHelp, bound_[i].box->Tag().toStdString());
    });
    connect(box, &QLineEdit::textEdited, this, [this, i] { bound_[i].typed = true; });
    connect(box, &NumberBox::LostFocus, this, [this, i] { Leave(bound_[i]); });
  }
}

void InputScreen::Leave(Bound& b) {
  ShowHint(imtHelp, std::string());
  if (doc_ == nullptr) return;
  GuardedCall([&] {
    if (NumBoxWritesBack(b.box)) b.field->set(*doc_, GetNumBox(b.box));
    AfterLeave(*b.field, b.typed);
    b.typed = false;
    SetFormState();
  });
}

void InputScreen::AfterLeave(const NumField&, bool) {}

void InputScreen::FillBoxes(const char* name) {
  if (doc_ == nullptr) return;
  for (const Bound& b : bound_)
    if (name == nullptr || std::strcmp(name, b.field->name) == 0)
      SetNumBox(b.box, b.field->get(*doc_));
}

NumberBox* InputScreen::Box(const char* name, int index) const {
  for (const Bound& b : bound_)
    if (b.field->index == index && std::strcmp(name, b.field->name) == 0) return b.box;
  return nullptr;
}

std::vector<NumberBox*> InputScreen::Boxes() const {
  std::vector<NumberBox*> boxes;
  for (const Bound& b : bound_) boxes.push_back(b.box);
  return boxes;
}

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
  lay->addWidget(imtHelp);
  auto* strip = new QWidget(this);
  auto* buttons = new QHBoxLayout(strip);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->addStretch(1);
  buttons->addWidget(cmdPrevious);
  buttons->addWidget(cmdNext);
  lay->addWidget(strip);
  conditions::TabOrderByColumns(this, {left, right, strip});
}

}  // namespace norva
