#pragma once
// The folder picker: the user chooses an existing folder, or cancels ("").
#include <QString>
#include <QWidget>
#include <cstdint>

namespace norva {

inline constexpr const char* kBrowsePrompt = "フォルダを選択してください";

// Where the picker starts for a root code: code 18 with an initial folder
// starts there; code 1 and codes above 17 (the drives) at the file-system
// root; the others at the user's home folder.
QString BrowseStartFolder(int32_t rootCode, const QString& initialFolder);

// Shows the picker modally over `owner` and returns the chosen folder, or ""
// when the user cancels.
QString BrowseForFolder(QWidget* owner, int32_t rootCode, const QString& initialFolder);

}  // namespace norva
