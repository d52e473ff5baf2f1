#pragma once
// Creating, opening, saving and closing documents.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>

namespace norva {

class CDocument;

// The two file dialogs, replaceable (the tests answer them).
struct FileDialogs {
  // Open: the chosen path and the recent-list position it was picked from
  // (-1 when browsed); false when cancelled.
  std::function<bool(const QStringList& recent, QString& path, int& recentIndex)> open;
  // Save As, starting in the folder of `start` with its file name: the chosen
  // path; false when cancelled. Asks before replacing.
  std::function<bool(const QString& start, QString& path)> saveAs;
};
FileDialogs& Dialogs();

// "DOC" / "新規データ" followed by the smallest number no open document uses.
std::string NewDocKey();
std::string NewDocTitle();

// Where Save As starts for the document: its own file; for a document without
// one, its title as "<title>.nrv" in the folder saved into last (else that of
// the most recent file, else the user's documents folder).
std::string SaveAsStartPath(const CDocument& doc);

// The Save As dialog, starting at `start`, split into the four parts of a
// document's file names.
bool ShowSaveAsDialog(const std::string& start, std::string& fullPath, std::string& folder,
                      std::string& title, std::string& ext);

// Asks whether changes are to be saved. True: go on closing. False: keep the
// document open (cancelled, or the save did not happen).
bool QuerySaveDocument(CDocument& doc);

void NewDocument();
void CopyNewDocument();
void OpenDocumentDialog();
void OpenDocumentFile(const std::string& path);
void OpenRecentFile(int16_t position);
void CloseDocument(const std::string& key);
// File > Close on the active document: save question, then close.
void CloseActiveDocument();
// True when the document was written.
bool SaveDocumentAs(CDocument& doc);
void SaveDocument();

// Removes every document from gDocuments (program end).
void ReleaseAllDocuments();

}  // namespace norva
