// Reading a template file into a new document.
#include "document/ref_ini_data.h"

#include "document/document.h"
#include "document/document_file.h"
#include "document/paths.h"

namespace norva {

int16_t RefIniData(CDocument& doc, const RefIniChoice& choice, IniDataFields* fields,
                   const std::function<void(int16_t)>& removeRecent) {
  if (!choice.chosen) return 0;
  const std::string path = TrimNulls(choice.path);
  // Read without taking the template's file names: saving the new design
  // must not overwrite the template.
  if (!DataFileReadFrom(doc, path)) {
    if (choice.recentIndex >= 0 && removeRecent) removeRecent(choice.recentIndex);
    return 0;
  }
  if (fields) {
    fields->Title = doc.Title;
    fields->Sisin = doc.Sisin;
    fields->WallType = doc.WallType();
    fields->Doatsu = doc.Doatsu;
  }
  return choice.recentIndex >= 0 ? static_cast<int16_t>(2 + choice.recentIndex) : int16_t{1};
}

void ApplyIniConditions(CDocument& doc, const IniDataFields& fields) {
  doc.Title = fields.Title;
  doc.Sisin = fields.Sisin;
  doc.Doatsu = fields.Doatsu;
  doc.SetWallType(fields.WallType);
  if (fields.WallType == 3) {
    doc.GrwB4 = 0;
    doc.GrwH1 = 0;
  }
  if (fields.WallType == 0 && fields.Sisin == 3) doc.nBlkSetup = 1;
}

}  // namespace norva
