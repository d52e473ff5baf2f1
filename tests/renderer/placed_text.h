#pragma once
// The text items a page composer placed, in page order, for the layout tests.
#include <string>
#include <vector>

#include "renderer/page_composer.h"

namespace norva {

struct Placed {
  int page;
  double x, y;
  std::string text;  // UTF-8
  double size;
};

inline std::vector<Placed> PlacedTexts(const PageComposer& composer) {
  std::vector<Placed> out;
  for (size_t p = 0; p < composer.Pages().size(); ++p) {
    for (const PageItem& it : composer.Pages()[p].items) {
      if (it.kind == PageItem::Text) {
        out.push_back({static_cast<int>(p) + 1, it.x, it.y, it.text.toStdString(), it.font.size});
      }
    }
  }
  return out;
}

}  // namespace norva
