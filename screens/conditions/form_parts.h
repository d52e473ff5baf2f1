#pragma once
// Building blocks shared by the design-conditions windows: pictures from the
// program's resource folder, labelled number boxes from the field tables,
// section title bars, the field hint of option buttons and check boxes, and
// the dialogs' question.
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <initializer_list>

#include "platform/controls/control_array.h"
#include "platform/controls/number_box.h"
#include "platform/controls/spread_grid.h"
#include "screens/conditions/conditions_rules.h"
#include "screens/conditions/conditions_tables.h"

namespace norva {

class CDocument;

namespace conditions {

// Program folder + "/resource/" + name.
QString ResourcePicture(const char* name);
// The SVG file drawn into a pixmap of the given size (empty when missing).
QPixmap SvgPixmap(const QString& path, const QSize& size);
// A push button showing a picture from the resource folder at `icon` pixels.
QPushButton* PictureButton(const QString& objectName, const char* picture, QWidget* parent,
                           int icon = 20);

// A number box of a field table: named, ranged, formatted and tagged.
NumberBox* MakeNumBox(const NumField& f, QWidget* parent);
// Member `index` of a label array with its text.
QLabel* AddLabel(ControlArray<QLabel>& arr, int index, const QString& text, QWidget* parent);
QLabel* NamedLabel(const QString& name, const QString& text, QWidget* parent);
// Shows `sub` as the subscript of the character that follows the text
// `prefix` of a label, or of a frame's title (its position follows the size).
void AttachSubscript(QWidget* base, QLabel* sub, const QString& prefix);

// A frame with its caption; the layouts set on it later are kept compact.
QGroupBox* Frame(const QString& name, const QString& caption, QWidget* parent);
// A frame under a title bar of the same caption: the bar shows the caption.
void UnderTitleBar(QGroupBox* frame);
// Tight margins and spacing for the layout of a frame or column.
void Tight(QLayout* lay);

// Tab order reading each column from top to bottom, left to right within a
// row, the columns in the order given (their layouts must be in place).
void TabOrderByColumns(QWidget* form, std::initializer_list<QWidget*> columns);

// A section heading with room for buttons on its right.
class TitleBar : public QFrame {
 public:
  TitleBar(const QString& caption, QWidget* parent);
  void AddButton(QPushButton* b);
};

// Field hint of an option button or check box: its "Tag" property in the
// hint box on focus, the default text when it loses focus to another
// control of the program.
void HintOnFocus(QWidget* control, QWidget* hintBox, const QString& tag);

// The dialogs' buttons "適用(&A)" and "閉じる(&C)" at the right of a row at
// the end of lay; the close button unloads the dialog without writing.
void ApplyCloseStrip(QDialog* dlg, QBoxLayout* lay, QPushButton*& apply, QPushButton*& close);
// A row "caption list" at the end of lay (the guideline list of a dialog).
QComboBox* ListRow(QBoxLayout* lay, QLabel* caption, const QString& listName, QWidget* parent);

// Replaces the items of a list without running its Click and leaves it with
// no selection, as a list that was just filled.
void FillList(QComboBox* list, const QStringList& items);
template <typename Range, typename Text>
void FillList(QComboBox* list, const Range& range, Text text) {
  QStringList items;
  for (const auto& x : range) items << text(x);
  FillList(list, items);
}
inline QString Utf8(const char* s) { return QString::fromUtf8(s); }

// The dialogs' question before they write; true on Yes.
bool ConfirmApply();

// The screen a dialog writes into: the document's shown screen, or null.
QWidget* DataFormWidget(const CDocument& doc);
// The window that owns the dialogs a screen opens.
QWidget* DialogOwner(QWidget* screen);

// A read-only table of fixed texts (header row first) in the standard colours.
void FillDisplayGrid(SpreadGrid* grid, const std::vector<QStringList>& rows);
void FillDisplayGrid(SpreadGrid* grid, std::span<const TableRow> rows);

}  // namespace conditions
}  // namespace norva
