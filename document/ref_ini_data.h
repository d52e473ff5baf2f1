#pragma once
// Taking a stored document file as the template of a new document (the
// read-from-file button of the initial-conditions dialog). The dialog and the
// open-file dialog belong to the shell; this is the reading and its result.
#include <cstdint>
#include <functional>
#include <string>

namespace norva {

class CDocument;

// What the open-file dialog returned.
struct RefIniChoice {
  bool chosen = false;       // false: the dialog was cancelled
  std::string path;          // the chosen file
  int16_t recentIndex = -1;  // entry of the recent-file list it came from, or -1
};

// The four fields the initial-conditions dialog shows after a template read.
struct IniDataFields {
  std::string Title;
  int32_t Sisin = 0;
  int32_t WallType = 0;
  int32_t Doatsu = 0;
};

// Reads the chosen file into doc (all inputs, loads, cases and input flags)
// and returns 1 when it was browsed, 2 + i when it came from recent entry i,
// and 0 when nothing was read (cancelled, or the read failed after the
// reader's message). On success `fields` (when given) receives the document's
// Title, Sisin, WallType and Doatsu for the dialog to show. When a file taken
// from the recent list cannot be read, removeRecent(i) is called so the entry
// leaves the list. doc keeps its own file names: a design started from a
// template is a new document and is saved under a new name, never over the
// template. On failure doc is left as it was.
int16_t RefIniData(CDocument& doc, const RefIniChoice& choice, IniDataFields* fields,
                   const std::function<void(int16_t)>& removeRecent);

// Puts the accepted initial conditions into doc: title, guideline and
// earth-pressure formula as they are; the wall type through SetWallType (a
// block wall drops its shear key). A mixed wall starts with no toe step
// (GrwB4 = GrwH1 = 0); a block wall under the large-block guideline (Sisin 3)
// has its courses laid horizontally (nBlkSetup = 1). Nothing else changes.
void ApplyIniConditions(CDocument& doc, const IniDataFields& fields);

}  // namespace norva
