#pragma once
// The trial wedges of one wedge record in the report: the graph of the earth
// pressure against the slip angle as a picture in the work folder, and the
// table of the trials. The earth-pressure chapters and the member chapters
// both use them: the chapter names the picture, draws it, writes its own
// sentence and the picture line (only when a picture was drawn), then the
// table.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norva {

class CDocument;
class CKusabiRes;
class PrnFile;
class ReportValue;

// Size of the graph picture (twips): 125 mm by 62.5 mm.
inline constexpr double kKusabiGraphWidth = 7087.5;
inline constexpr double kKusabiGraphHeight = kKusabiGraphWidth / 2;

// The full path of a graph picture: folder + "/" + stem + pair + the case
// index as two digits + ".svg", e.g. AntKusabiRes0003.svg for stem
// "AntKusabiRes", pair "00" and case 3.
std::string PrnKusabiGraphPath(const std::string& folder, std::string_view stem,
                               std::string_view pair, int32_t caseIndex);

// Draws the graph of the wedge's trials on a fresh surface and saves it at
// path (a ".svg" path in the work folder). 1 when saved; 0 when the path is
// empty or the wedge has no trial file (nothing is saved, so the chapter
// writes no picture line). Throws ReportError naming the file when the
// picture cannot be written.
int16_t PrnKusabiGraph(const CDocument& doc, const CKusabiRes& wedge, const std::string& path);

// The table of the wedge's trials. labels: four labels separated by "|"
// (slip angle, slip length, weight, earth pressure: the two parts summed) or
// six (angle, the two lengths, the two weights, earth pressure). Nothing
// when the wedge has no trial file or it holds no trial. Returns 0.
int16_t PrnKusabiTable(PrnFile& f, const CDocument& doc, const CKusabiRes* wedge,
                       const std::string& labels);

// One line whose numbers follow a literal minus ("-" or "－") as a term:
// a negative value prints as the opposite sign and its absolute value
// ("-" with -16.7 prints "+16.70"); other values print as they are.
void PrnSignedLine(PrnFile& f, std::string_view templ, std::vector<ReportValue> values);

}  // namespace norva
