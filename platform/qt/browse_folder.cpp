#include "platform/qt/browse_folder.h"

#include <QDir>
#include <QFileDialog>

namespace norva {

QString BrowseStartFolder(int32_t rootCode, const QString& initialFolder) {
  if (rootCode == 18 && !initialFolder.isEmpty()) return initialFolder;
  if (rootCode == 1 || rootCode > 17) return QDir::rootPath();
  return QDir::homePath();
}

QString BrowseForFolder(QWidget* owner, int32_t rootCode, const QString& initialFolder) {
  QFileDialog dialog(owner, QString::fromUtf8(kBrowsePrompt),
                     BrowseStartFolder(rootCode, initialFolder));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly, true);
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setObjectName(QStringLiteral("BrowseForFolder"));
  if (dialog.exec() != QDialog::Accepted) return QString();
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? QString() : chosen.front();
}

}  // namespace norva
