#include "shell/file_commands.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "document/document.h"
#include "document/document_collection.h"
#include "document/document_file.h"
#include "document/paths.h"
#include "document/temp_files.h"
#include "platform/qt/app_core.h"
#include "platform/qt/recent_file_list.h"
#include "shell/command_state.h"
#include "shell/document_forms.h"
#include "shell/main_window.h"
#include "shell/qt_message_sink.h"
#include "shell/shell_state.h"

namespace norva {
namespace {

const char kFilter[] = "ノルヴァ (*.nrv);;すべてのファイル (*)";

// Our open dialog: the recent files, a path box, and a button to browse for
// any other. The path box holds what Open opens: picking a recent file puts
// its path there, and a path typed there wins over the list.
bool DefaultOpenDialog(const QStringList& recent, QString& path, int& recentIndex) {
  QDialog dlg(MainWindow());
  dlg.setObjectName("dlgOpen");
  dlg.setWindowTitle(QStringLiteral("ファイルを開く"));
  auto* lay = new QVBoxLayout(&dlg);
  lay->addWidget(new QLabel(QStringLiteral("最近使ったファイル:"), &dlg));
  auto* list = new QListWidget(&dlg);
  list->setObjectName("lstRecent");
  list->addItems(recent);
  list->setMinimumWidth(480);
  lay->addWidget(list);
  auto* pathLabel = new QLabel(QStringLiteral("ファイル名(&N):"), &dlg);
  auto* pathBox = new QLineEdit(&dlg);
  pathBox->setObjectName("txtPath");
  pathLabel->setBuddy(pathBox);
  lay->addWidget(pathLabel);
  lay->addWidget(pathBox);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, &dlg);
  box->button(QDialogButtonBox::Open)->setText(QStringLiteral("開く(&O)"));
  box->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  auto* browse = box->addButton(QStringLiteral("参照(&B)..."), QDialogButtonBox::ActionRole);
  lay->addWidget(box);
  auto showRow = [&](int row) {
    if (row >= 0 && row < recent.size()) pathBox->setText(recent.at(row));
  };
  QObject::connect(list, &QListWidget::currentRowChanged, &dlg, showRow);
  QObject::connect(list, &QListWidget::itemClicked, &dlg,
                   [&](QListWidgetItem* item) { showRow(list->row(item)); });
  if (!recent.isEmpty()) list->setCurrentRow(0);
  QString chosen;
  int chosenIndex = -1;
  QObject::connect(browse, &QPushButton::clicked, &dlg, [&] {
    QFileDialog fd(&dlg, QStringLiteral("ファイルを開く"));
    // Qt's own dialog, in the program's language whatever the desktop.
    fd.setOption(QFileDialog::DontUseNativeDialog, true);
    fd.setNameFilter(QString::fromUtf8(kFilter).split(";;").join("\n"));
    fd.setFileMode(QFileDialog::ExistingFile);
    fd.setDefaultSuffix("nrv");
    if (fd.exec() == QDialog::Accepted && !fd.selectedFiles().isEmpty()) {
      chosen = fd.selectedFiles().first();
      chosenIndex = -1;
      dlg.accept();
    }
  });
  auto take = [&] {
    const QString typed = pathBox->text().trimmed();
    if (typed.isEmpty()) return;
    const int row = static_cast<int>(recent.indexOf(typed));
    const QFileInfo file(typed);
    if (row < 0 && !file.isFile()) {
      Ask("ファイルが見つかりません。\n" + typed.toStdString(), MsgIcon::Warning, MsgButtons::Ok);
      pathBox->setFocus();
      return;
    }
    chosen = row >= 0 ? typed : file.absoluteFilePath();
    chosenIndex = row;
    dlg.accept();
  };
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dlg, take);
  QObject::connect(box, &QDialogButtonBox::accepted, &dlg, take);
  QObject::connect(box, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
  if (dlg.exec() != QDialog::Accepted || chosen.isEmpty()) return false;
  path = chosen;
  recentIndex = chosenIndex;
  return true;
}

bool DefaultSaveAsDialog(const QString& start, QString& path) {
  QFileDialog fd(MainWindow(), QStringLiteral("名前を付けて保存"));
  fd.setObjectName("cdlMain");
  fd.setOption(QFileDialog::DontUseNativeDialog, true);
  fd.setAcceptMode(QFileDialog::AcceptSave);
  fd.setNameFilter(QString::fromUtf8(kFilter).split(";;").join("\n"));
  fd.setDefaultSuffix("nrv");
  const QFileInfo at(start);
  fd.setDirectory(at.absolutePath());
  fd.selectFile(at.fileName());
  if (fd.exec() != QDialog::Accepted || fd.selectedFiles().isEmpty()) return false;
  path = fd.selectedFiles().first();
  return true;
}

// The folder Save As wrote into last in this run.
std::string gLastSaveFolder;

CRecentFileList* Recent() {
  auto core = GetAppCore();
  return core ? core->m_pRecentFileList.get() : nullptr;
}

void AddToRecent(const std::string& path) {
  if (auto core = GetAppCore()) core->AddToRecentFileList(QString::fromStdString(path));
}

void RemoveRecent(int16_t n) {
  if (CRecentFileList* r = Recent()) {
    if (n >= 0 && n < r->nRecentFileCnt()) r->Remove(n);
  }
}

// The names a document keeps of its file.
struct FileNames {
  std::string name, path, title, ext;
};

FileNames NamesOf(const CDocument& doc) {
  return {doc.FileName, doc.FilePath, doc.FileTitle, doc.FileExt};
}

void SetNames(CDocument& doc, const FileNames& n) {
  doc.FileName = n.name;
  doc.FilePath = n.path;
  doc.FileTitle = n.title;
  doc.FileExt = n.ext;
}

// The absolute form of a path named by the user, split at the first dot of
// the file name. No dot is appended to a name without extension: on this file
// system "name." would be another file.
FileNames NamesFromPath(const std::string& given) {
  std::string p = TrimNulls(given);
  std::string full;
  if (FullPath(full, p)) p = full;
  std::string drive, folder, title, ext;
  SplitPath(p, drive, folder, title, ext);
  return {drive + folder + title + (ext.empty() ? "" : "." + ext), drive + folder, title, ext};
}

// A recent-file entry as stored: the title ends at the last dot.
FileNames NamesFromRecent(const std::string& p) {
  // A name without a dot has no extension (not the name less its first letter).
  const std::string ext = GetFileExt(GetFileName(p));
  return {p, GetFolder(p), GetFileTitle(GetFileName(p)),
          ext.size() > 0 && ext[0] == '.' ? ext.substr(1) : std::string()};
}

// A document already open for the file: brought to the front.
bool ActivateIfOpen(const std::string& fileName) {
  for (const auto& d : gDocuments) {
    if (!d->FileName.empty() && ComparePath(d->FileName, fileName)) {
      if (ScreenWindow* w = WindowOf(*d)) {
        if (mdiMain* m = MainWindow()) m->mdiArea->setActiveSubWindow(w);
        w->raise();
      }
      return true;
    }
  }
  return false;
}

// The ending of every command that shows a document. The document is in the
// collection, so the command state enables the initial-data button in bold.
void ShowIt(CDocument& doc) {
  UpdateCommandState(&doc);
  ShowForm(doc, 0);
}

// Adds a document under a new key and makes it the active one.
std::shared_ptr<CDocument> AddDocument() {
  const std::string key = NewDocKey();
  auto doc = gDocuments.Add(key);
  gActiveKey = key;
  return doc;
}

void DropDocument(const std::string& key, const std::string& oldKey) {
  if (gDocuments.ItemIndex(key) >= 1) gDocuments.Remove(key);
  gActiveKey = oldKey;
}

// Reads the document's file; on failure the document leaves the collection
// and the previous active key returns.
bool ReadNew(const std::shared_ptr<CDocument>& doc, const std::string& oldKey) {
  if (DataFileRead(*doc)) return true;
  DropDocument(doc->Key, oldKey);
  return false;
}

// Opens the file as a new, active document. Null when a document shows the
// file already (it comes to the front) and when the file cannot be read
// (`failed` is then set; see ReadNew).
std::shared_ptr<CDocument> OpenAsNewDocument(const FileNames& names, bool& failed) {
  failed = false;
  if (ActivateIfOpen(names.name)) return nullptr;
  const std::string oldKey = gActiveKey;
  auto doc = AddDocument();
  SetNames(*doc, names);
  if (ReadNew(doc, oldKey)) return doc;
  failed = true;
  return nullptr;
}

}  // namespace

FileDialogs& Dialogs() {
  static FileDialogs d{DefaultOpenDialog, DefaultSaveAsDialog};
  return d;
}

std::string NewDocKey() {
  for (int n = 1;; ++n) {
    const std::string cand = "DOC" + std::to_string(n);
    if (gDocuments.ItemIndex(cand) < 1) return cand;
  }
}

std::string NewDocTitle() {
  for (int n = 1;; ++n) {
    const std::string cand = "新規データ" + std::to_string(n);
    bool used = false;
    for (const auto& d : gDocuments)
      if (d->FileTitle == cand) used = true;
    if (!used) return cand;
  }
}

std::string SaveAsStartPath(const CDocument& doc) {
  const std::string own = TrimNulls(doc.FileName);
  if (!own.empty() && !doc.FilePath.empty()) return own;
  QStringList folders{QString::fromStdString(gLastSaveFolder)};
  if (CRecentFileList* r = Recent(); r && r->nRecentFileCnt() > 0) {
    folders << QFileInfo(r->Item(0)).absolutePath();
  }
  folders << QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
          << QDir::homePath();
  QString folder = QDir::homePath();
  for (const QString& f : folders) {
    if (!f.isEmpty() && QFileInfo(f).isDir()) {
      folder = f;
      break;
    }
  }
  if (!folder.endsWith(u'/')) folder += u'/';
  return folder.toStdString() + (doc.FileTitle.empty() ? NewDocTitle() : doc.FileTitle) + ".nrv";
}

bool ShowSaveAsDialog(const std::string& start, std::string& fullPath, std::string& folder,
                      std::string& title, std::string& ext) {
  fullPath.clear();
  folder.clear();
  title.clear();
  ext.clear();
  QString chosen;
  if (!Dialogs().saveAs || !Dialogs().saveAs(QString::fromStdString(start), chosen) ||
      chosen.isEmpty()) {
    return false;
  }
  fullPath = chosen.toStdString();
  std::string drive;
  SplitPath(fullPath, drive, folder, title, ext);
  folder = drive + folder;
  return true;
}

bool QuerySaveDocument(CDocument& doc) {
  if (!doc.FilePath.empty()) {
    bool modified = true;  // when the comparison cannot be made, ask
    try {
      const std::string t = doc.AddTempFile("COMPFILE");
      if (DataFileWrite(doc, t)) modified = FilesDiffer(TrimNulls(doc.FileName), t);
    } catch (const std::exception&) {
    }
    doc.RemoveTempFile("COMPFILE");
    if (modified) {
      const MsgAnswer a = Ask(doc.FileTitle + "." + doc.FileExt + "への変更を保存しますか？",
                              MsgIcon::Question, MsgButtons::YesNoCancel);
      if (a == MsgAnswer::Cancel) return false;
      // A failed save keeps the document open; the writer has told why.
      if (a == MsgAnswer::Yes && !DataFileWrite(doc, "")) return false;
    }
    return true;
  }
  const MsgAnswer a = Ask("ファイルは保存されていません。\n保存して閉じますか？", MsgIcon::Question,
                          MsgButtons::YesNoCancel);
  if (a == MsgAnswer::Cancel) return false;
  if (a == MsgAnswer::Yes) return SaveDocumentAs(doc);
  return true;
}

void OpenDocumentFile(const std::string& path) {
  bool failed = false;
  auto doc = OpenAsNewDocument(NamesFromPath(path), failed);
  if (!doc) return;
  AddToRecent(doc->FileName);
  ShowIt(*doc);
}

void OpenDocumentDialog() {
  QStringList recent;
  if (CRecentFileList* r = Recent())
    for (int16_t i = 0; i < r->nRecentFileCnt(); ++i) recent << r->Item(i);
  QString chosen;
  int recentIndex = -1;
  if (!Dialogs().open || !Dialogs().open(recent, chosen, recentIndex)) return;
  bool failed = false;
  auto doc = OpenAsNewDocument(NamesFromPath(chosen.toStdString()), failed);
  if (!doc) {
    if (failed && recentIndex >= 0) RemoveRecent(static_cast<int16_t>(recentIndex));
    return;
  }
  if (recentIndex == -1) AddToRecent(doc->FileName);
  ShowIt(*doc);
}

void OpenRecentFile(int16_t position) {
  CRecentFileList* r = Recent();
  if (!r || position < 0 || position >= r->nRecentFileCnt()) return;
  bool failed = false;
  auto doc = OpenAsNewDocument(NamesFromRecent(r->Item(position).toStdString()), failed);
  if (!doc) {
    if (failed) RemoveRecent(position);
    return;
  }
  AddToRecent(doc->FileName);
  ShowIt(*doc);
}

void NewDocument() {
  const std::string oldKey = gActiveKey;
  auto doc = AddDocument();
  doc->FileTitle = NewDocTitle();
  const int16_t state = ShowIniForm(*doc, 0);
  if (state != 0) {
    if (state == 1 && !TrimNulls(doc->FileName).empty()) AddToRecent(doc->FileName);
    ShowIt(*doc);
    return;
  }
  DropDocument(doc->Key, oldKey);
  // The commands follow the document that is active again, if any.
  UpdateCommandState(ActiveDocument().get());
}

void CopyNewDocument() {
  auto src = ActiveDocument();
  if (!src) return;
  auto doc = AddDocument();
  doc->FileTitle = NewDocTitle();
  doc->Copy(*src);
  ShowIt(*doc);
}

void CloseDocument(const std::string& key) {
  if (gDocuments.ItemIndex(key) >= 1) gDocuments.Remove(key);
  if (SameKey(gActiveKey, key)) gActiveKey.clear();
  UpdateCommandState(nullptr);
  // The panels never show a closed document; the next activation fills them.
  auto active = ActiveDocument();
  UpdateDataSummary(active.get());
  UpdateResultSummary(active.get());
}

void CloseActiveDocument() {
  auto doc = ActiveDocument();
  if (!doc) return;
  if (!QuerySaveDocument(*doc)) return;
  const std::string key = doc->Key;
  ScreenWindow* w = WindowOf(*doc);
  CloseDocument(key);
  if (w) w->CloseByCode();
}

bool SaveDocumentAs(CDocument& doc) {
  std::string full, folder, title, ext;
  if (!ShowSaveAsDialog(SaveAsStartPath(doc), full, folder, title, ext)) return false;
  const FileNames old = NamesOf(doc);
  SetNames(doc, {full, folder, title, ext});
  if (!DataFileWrite(doc, "")) {
    // Not written: the document stays bound to the file it came from.
    SetNames(doc, old);
    return false;
  }
  AddToRecent(doc.FileName);
  gLastSaveFolder = folder;
  UpdateDataSummary(&doc);
  if (ScreenWindow* w = WindowOf(doc)) w->setWindowTitle(QString::fromStdString(doc.FileTitle));
  return true;
}

void SaveDocument() {
  auto doc = ActiveDocument();
  if (!doc) return;
  if (doc->FilePath.empty()) {
    SaveDocumentAs(*doc);
    return;
  }
  if (DataFileWrite(*doc, "")) {
    AddToRecent(doc->FileName);
    UpdateDataSummary(doc.get());
  }
}

void ReleaseAllDocuments() {
  // One by one, so that the keys go with the documents.
  while (gDocuments.Count() > 0) gDocuments.Remove(1);
}

}  // namespace norva
