#include "renderer/table_renderer.h"

#include <QFile>
#include <algorithm>
#include <cmath>

#include "text/cp932.h"

namespace norva {

namespace {

constexpr size_t kCellTextLimit = 5119;  // bytes a cell's text holds
constexpr double kDoubleGap = 11.34;     // the two strokes of a double rule

// Attribute names and values compared without case.
bool Is(std::string_view a, std::string_view b) { return EqualNoCase(a, b); }

int32_t Int(std::string_view v) { return LeadingInteger(v); }

int CountLineBreaks(const std::string& text) {
  int n = 0;
  for (size_t i = 0; i + 3 < text.size(); ++i) {
    if (text[i] == '<' && AsciiLower(text[i + 1]) == 'b' && AsciiLower(text[i + 2]) == 'r' &&
        text[i + 3] == '>')
      ++n;
  }
  return n;
}

}  // namespace

CTableRenderer::CTableRenderer(PageComposer* composer, RenderRun& run, std::string_view text,
                               size_t position, int depth)
    : CMarkupRenderer(nullptr, composer, run), depth_(depth) {
  SetText(text);
  SetCursor(position);
}

CTableRenderer::~CTableRenderer() = default;

void CTableRenderer::Parse() {
  int32_t rows = 0, cols = 0, titles = 0, notes = 0;
  ReadAttrs([&](std::string_view name, std::string_view value) {
    if (Is(name, "ROW"))
      rows = Int(value);
    else if (Is(name, "COL"))
      cols = Int(value);
    else if (Is(name, "HEADER"))
      titles = Int(value);
    else if (Is(name, "FOTTER"))
      notes = Int(value);
    else if (Is(name, "HALIGN")) {
      if (Is(value, "LEFT"))
        hAlign_ = 0;
      else if (Is(value, "CENTER"))
        hAlign_ = 1;
      else if (Is(value, "RIGHT"))
        hAlign_ = 2;
    }
  });
  if (rows < 1) return;
  // A grid too large to hold is read but keeps no cells.
  cols = std::max(cols, 0);
  if (static_cast<int64_t>(rows) * std::max(cols, 1) > kMaxCells) rows = cols = 0;
  rows_ = rows;
  cols_ = cols;
  titleCount_ = std::clamp(titles, 0, 1000);
  noteCount_ = std::clamp(notes, 0, 1000);
  cells_.assign(static_cast<size_t>(rows_), std::vector<TableCell>(static_cast<size_t>(cols_)));
  titleLines_.assign(static_cast<size_t>(titleCount_), TitleLine{});
  noteLines_.assign(static_cast<size_t>(noteCount_), TitleLine{});
  colWidth_.assign(static_cast<size_t>(cols_), 0.0);
  givenWidth_.assign(static_cast<size_t>(cols_), 0);
  rowHeight_.assign(static_cast<size_t>(rows_), 0.0);

  bool headerMark = false, footerMark = false;
  int32_t hLo = 999, hHi = -999, fLo = 999, fHi = -999;
  for (;;) {
    const int tok = NextToken();
    if (tok == kTokEnd) {
      Rewind();
      break;
    }
    if (tok < 0) continue;  // text, blanks, entities
    if (tok == kTagTable) {
      if (Closing()) {
        SkipTag();
        break;
      }
      continue;
    }
    switch (tok) {
      case kTagColwidth:
      case kTagToh:
      case kTagTof:
      case kTagTl: {
        if (Closing()) continue;
        // The tag name is read as the first attribute: it carries the value.
        Rewind();
        SetCursor(Cursor() + 1);
        if (tok == kTagColwidth) {
          int32_t w = 0, a = 0, b = 0;
          ReadAttrs([&](std::string_view name, std::string_view value) {
            if (Is(name, "COLWIDTH"))
              w = Int(value);
            else if (Is(name, "SCOL"))
              a = Int(value);
            else if (Is(name, "ECOL"))
              b = Int(value);
          });
          if (b < a) std::swap(a, b);
          for (int32_t c = std::max(a, 0); c <= b && c < cols_; ++c)
            givenWidth_[static_cast<size_t>(c)] = w;
        } else if (tok == kTagTl) {
          int32_t code = 0, r1 = 0, c1 = 0, r2 = 0, c2 = 0;
          ReadAttrs([&](std::string_view name, std::string_view value) {
            if (Is(name, "TL"))
              code = static_cast<int16_t>(Int(value));
            else if (Is(name, "SROW"))
              r1 = Int(value);
            else if (Is(name, "SCOL"))
              c1 = Int(value);
            else if (Is(name, "EROW"))
              r2 = Int(value);
            else if (Is(name, "ECOL"))
              c2 = Int(value);
          });
          if (headerMark) {
            hLo = std::min({hLo, r1, r2});
            hHi = std::max({hHi, r1, r2});
          } else if (footerMark) {
            fLo = std::min({fLo, r1, r2});
            fHi = std::max({fHi, r1, r2});
          }
          ApplyRule(code, r1, c1, r2, c2);
        } else {
          const bool title = tok == kTagToh;
          TitleLine line;
          int32_t index = 0;
          ReadAttrs([&](std::string_view name, std::string_view value) {
            if (Is(name, title ? "TOH" : "TOF"))
              line.text = std::string(value);
            else if (Is(name, "ROW"))
              index = Int(value);
            else if (Is(name, "ALIGN")) {
              if (Is(value, "LEFT"))
                line.align = 4;
              else if (Is(value, "CENTER"))
                line.align = 3;
              else if (Is(value, "RIGHT"))
                line.align = 5;
            }
          });
          std::vector<TitleLine>& lines = title ? titleLines_ : noteLines_;
          if (index >= 0 && static_cast<size_t>(index) < lines.size())
            lines[static_cast<size_t>(index)] = line;
        }
        continue;
      }
      case kTagHeader:
        SkipTag();
        headerMark = !Closing();
        continue;
      case kTagFotter:
        SkipTag();
        footerMark = !Closing();
        continue;
      case kTagLoop:
        SkipTag();
        continue;
      case kTagTd:
        if (Closing()) continue;
        Rewind();
        ParseCell();
        continue;
      default:
        continue;
    }
  }
  headerRows_ = hHi >= hLo ? hHi - hLo + 1 : 0;
  footerRows_ = fHi >= fLo ? fHi - fLo + 1 : 0;
  headerRows_ = std::clamp(headerRows_, 0, rows_);
  footerRows_ = std::clamp(footerRows_, 0, rows_ - headerRows_);
  Measure();
}

void CTableRenderer::ParseCell() {
  int32_t r1 = -1, c1 = -1, r2 = 0, c2 = 0;
  bool hasR2 = false, hasC2 = false;
  int32_t h = 0, v = 1, arrang = 2;
  ReadAttrs([&](std::string_view name, std::string_view value) {
    if (Is(name, "SROW"))
      r1 = Int(value);
    else if (Is(name, "SCOL"))
      c1 = Int(value);
    else if (Is(name, "EROW")) {
      r2 = Int(value);
      hasR2 = true;
    } else if (Is(name, "ECOL")) {
      c2 = Int(value);
      hasC2 = true;
    } else if (Is(name, "ARRANG"))
      arrang = Int(value);
    else if (Is(name, "HALIGN")) {
      if (Is(value, "LEFT"))
        h = 1;
      else if (Is(value, "CENTER"))
        h = 0;
      else if (Is(value, "RIGHT"))
        h = 2;
    } else if (Is(name, "VALIGN")) {
      if (Is(value, "TOP"))
        v = 0;
      else if (Is(value, "MIDDLE"))
        v = 1;
      else if (Is(value, "BOTTOM"))
        v = 2;
    }
  });
  if (!hasR2) r2 = r1;
  if (!hasC2) c2 = c1;
  if (r2 < r1) std::swap(r1, r2);
  if (c2 < c1) std::swap(c1, c2);
  // Out of the grid (negative starts included): the cell is dropped and the
  // table's reading passes over its content.
  if (r1 < 0 || c1 < 0 || r2 >= rows_ || c2 >= cols_) return;

  TableCell content;
  content.align = 3 * v + h;
  std::string ctable;
  auto add = [&content](std::string_view piece) {
    if (content.text.size() + piece.size() <= kCellTextLimit - 1) content.text.append(piece);
  };
  for (;;) {
    const size_t start = Cursor();
    const int tok = NextToken();
    if (tok == kTokEnd) {
      Rewind();
      break;
    }
    if (tok == kTagTd && Closing()) {
      SkipTag();
      break;
    }
    // An unclosed cell ends where its table does, so the markup after the
    // table is not swallowed into the cell.
    if (tok == kTagTable && Closing()) {
      Rewind();
      break;
    }
    if (tok == kTagImg && !Closing()) {
      content.kind = 1;
      content.image = CellImage{};
      ReadImgAttrs(&content.image.src, &content.image.width, &content.image.height);
      continue;
    }
    if (tok == kTagCtable && !Closing()) {
      Rewind();
      SetCursor(Cursor() + 1);
      ctable.clear();
      ReadAttrs([&ctable](std::string_view name, std::string_view value) {
        if (Is(name, "CTABLE")) ctable = std::string(value);
      });
      content.kind = 2;
      continue;
    }
    if (tok >= 0) {
      std::string piece(Text().substr(start, Cursor() - start));
      if (ByteAt(Cursor()) == '>') {
        piece += '>';
        SetCursor(Cursor() + 1);
      }
      add(piece);
      continue;
    }
    if (Cursor() - start > 1) {  // an entity, as written
      add(Text().substr(start, Cursor() - start));
      continue;
    }
    const char b = Text()[start];
    if (b == '\r' || b == '\n') continue;
    if (content.text.size() < kCellTextLimit) content.text.push_back(b);
  }
  if (content.kind != 0) content.text.clear();
  StoreCell(content, ctable, r1, c1, r2, c2, arrang == 2);
}

std::shared_ptr<CTableRenderer> CTableRenderer::ReadNested(const std::string& path) {
  if (depth_ + 1 > kMaxNesting) return nullptr;
  QString name = DecodeCp932(path);
  name.replace(u'\\', u'/');
  QFile file(name);
  if (name.isEmpty() || !file.open(QIODevice::ReadOnly)) return nullptr;
  auto table =
      std::make_shared<CTableRenderer>(Composer(), Run(), std::string_view{}, 0, depth_ + 1);
  table->ownText_ = file.readAll().toStdString();
  table->SetText(table->ownText_);
  table->Parse();
  return table;
}

void CTableRenderer::StoreCell(const TableCell& content, const std::string& ctablePath, int32_t r1,
                               int32_t c1, int32_t r2, int32_t c2, bool merge) {
  auto fill = [&](TableCell& cell) {
    cell.kind = content.kind;
    cell.text = content.text;
    cell.image = content.image;
    cell.nested = content.kind == 2 ? ReadNested(ctablePath) : nullptr;
    cell.align = content.align;
  };
  auto at = [this](int32_t r, int32_t c) -> TableCell& {
    return cells_[static_cast<size_t>(r)][static_cast<size_t>(c)];
  };
  if (r1 == r2 && c1 == c2) {
    fill(at(r1, c1));
    at(r1, c1).rowSpan = 0;
    at(r1, c1).colSpan = 0;
    return;
  }
  if (merge) {
    TableCell& first = at(r1, c1);
    fill(first);
    first.rowSpan = r2 - r1;
    first.colSpan = c2 - c1;
    for (int32_t c = c1 + 1; c <= c2; ++c) at(r1, c).colSpan = -1;
    for (int32_t r = r1 + 1; r <= r2; ++r) {
      for (int32_t c = c1; c <= c2; ++c) {
        at(r, c).rowSpan = -1;
        at(r, c).colSpan = -1;
      }
    }
    return;
  }
  for (int32_t r = r1; r <= r2; ++r) {
    for (int32_t c = c1; c <= c2; ++c) {
      fill(at(r, c));
      at(r, c).rowSpan = 0;
      at(r, c).colSpan = 0;
    }
  }
}

void CTableRenderer::SetSide(int32_t r, int32_t c, Side side, int32_t style) {
  auto inGrid = [this](int32_t i, int32_t j) { return i >= 0 && j >= 0 && i < rows_ && j < cols_; };
  if (!inGrid(r, c)) return;
  TableCell& cell = cells_[static_cast<size_t>(r)][static_cast<size_t>(c)];
  auto other = [&](int32_t i, int32_t j) -> TableCell* {
    return inGrid(i, j) ? &cells_[static_cast<size_t>(i)][static_cast<size_t>(j)] : nullptr;
  };
  switch (side) {
    case Side::Top:
      cell.top = style;
      if (TableCell* o = other(r - 1, c)) o->bottom = style;
      break;
    case Side::Bottom:
      cell.bottom = style;
      if (TableCell* o = other(r + 1, c)) o->top = style;
      break;
    case Side::Left:
      cell.left = style;
      if (TableCell* o = other(r, c - 1)) o->right = style;
      break;
    case Side::Right:
      cell.right = style;
      if (TableCell* o = other(r, c + 1)) o->left = style;
      break;
  }
}

void CTableRenderer::ApplyRule(int32_t code, int32_t r1, int32_t c1, int32_t r2, int32_t c2) {
  if (r2 < r1 || c2 < c1) return;
  const int32_t iFrom = std::max(r1, 0), iTo = std::min(r2, rows_ - 1);
  const int32_t jFrom = std::max(c1, 0), jTo = std::min(c2, cols_ - 1);
  for (int32_t i = iFrom; i <= iTo; ++i) {
    for (int32_t j = jFrom; j <= jTo; ++j) {
      const bool first = i == r1, last = i == r2, left = j == c1, right = j == c2;
      switch (code) {
        case 0:
        case 11: {
          const int32_t s = code == 0 ? 0 : 1;
          SetSide(i, j, Side::Top, s);
          SetSide(i, j, Side::Bottom, s);
          SetSide(i, j, Side::Left, s);
          SetSide(i, j, Side::Right, s);
          break;
        }
        case 1:
          if (last) SetSide(i, j, Side::Bottom, 1);
          break;
        case 2:
          if (left) SetSide(i, j, Side::Left, 1);
          break;
        case 3:
          if (right) SetSide(i, j, Side::Right, 1);
          break;
        case 4:
          if (last) SetSide(i, j, Side::Bottom, 3);
          break;
        case 5:
          if (last) SetSide(i, j, Side::Bottom, 2);
          break;
        case 6:
        case 7:
        case 8:
          if (first) SetSide(i, j, Side::Top, 1);
          if (last) SetSide(i, j, Side::Bottom, code == 6 ? 1 : code == 7 ? 3 : 2);
          break;
        case 9:
        case 10: {
          const int32_t s = code == 9 ? 1 : 2;
          if (first) SetSide(i, j, Side::Top, s);
          if (last) SetSide(i, j, Side::Bottom, s);
          if (left) SetSide(i, j, Side::Left, s);
          if (right) SetSide(i, j, Side::Right, s);
          break;
        }
        default:
          break;
      }
    }
  }
}

// ---- measuring -------------------------------------------------------------

void CTableRenderer::Measure() {
  PageComposer* c = Composer();
  const double lineH = LineHeight();
  const double zero = c->TextWidth(QStringLiteral("0"));
  totalHeight_ = (titleCount_ + noteCount_) * lineH;
  totalWidth_ = 0;
  for (int32_t r = 0; r < rows_; ++r) {
    double h = 0;
    for (int32_t col = 0; col < cols_; ++col) {
      h = std::max(h, CellHeight(cells_[static_cast<size_t>(r)][static_cast<size_t>(col)]));
    }
    rowHeight_[static_cast<size_t>(r)] = h;
    totalHeight_ += h;
  }
  for (int32_t col = 0; col < cols_; ++col) {
    double w = 0;
    if (givenWidth_[static_cast<size_t>(col)] != 0) {
      w = givenWidth_[static_cast<size_t>(col)] * zero;
    } else {
      for (int32_t r = 0; r < rows_; ++r) {
        w = std::max(w, CellWidth(cells_[static_cast<size_t>(r)][static_cast<size_t>(col)]));
      }
    }
    colWidth_[static_cast<size_t>(col)] = w;
    totalWidth_ += w;
  }
}

double CTableRenderer::CellHeight(TableCell& cell) {
  if (cell.kind == 1) {
    const auto picture = LoadMarkupPicture(cell.image.src, nullptr);
    if (!picture) return 0;
    Composer()->SetPictureObject(picture);
    cell.image.naturalHeight = Composer()->AreaBottom() - Composer()->AreaTop();
    Composer()->SetPictureObject(nullptr);
    return ImageLength(cell.image.height, cell.image.naturalHeight);
  }
  if (cell.kind == 2) return cell.nested ? cell.nested->TotalHeight() : 0;
  double h = LineHeight() * (1 + CountLineBreaks(cell.text));
  if (cell.top == 3) h += kDoubleGap;
  if (cell.bottom == 3) h += kDoubleGap;
  return h;
}

double CTableRenderer::CellWidth(TableCell& cell, const std::string* text) {
  PageComposer* c = Composer();
  if (!text && cell.kind == 1) {
    const auto picture = LoadMarkupPicture(cell.image.src, nullptr);
    if (!picture) return 0;
    c->SetPictureObject(picture);
    cell.image.naturalWidth = c->AreaRight() - c->AreaLeft();
    c->SetPictureObject(nullptr);
    return ImageLength(cell.image.width, cell.image.naturalWidth);
  }
  if (!text && cell.kind == 2) return cell.nested ? cell.nested->TotalWidth() : 0;
  const std::string& source = text ? *text : cell.text;
  CMarkupRenderer scan(nullptr, c, Run());
  scan.SetText(source);
  double widest = 0, line = 0;
  std::string run;
  auto measure = [&](bool small) {
    if (small) {
      const double kept = c->FontSize();
      c->SetFontSize(static_cast<float>(kept / 1.8));
      c->MeasureString(DecodeRun(run, c->FontName()));
      c->SetFontSize(kept);
    } else {
      c->MeasureString(DecodeRun(run, c->FontName()));
    }
    line += run.empty() ? 0 : c->MeasuredWidth();
    run.clear();
  };
  for (;;) {
    const size_t start = scan.Cursor();
    const int tok = scan.NextToken();
    if (tok == kTokEnd) break;
    if (tok >= 0) {
      const bool closing = scan.Closing();
      scan.SkipTag();
      if (tok == kTagBr) {
        measure(false);
        widest = std::max(widest, line);
        line = 0;
      } else if (tok == kTagSub || tok == kTagSup) {
        measure(closing);
      }
      continue;
    }
    const unsigned char b = static_cast<unsigned char>(scan.Ch());
    if (scan.Cursor() - start == 1 && (b == '\r' || b == '\n')) continue;
    if (run.size() < kCellTextLimit) run.push_back(static_cast<char>(b));
  }
  measure(false);
  return std::max(widest, line);
}

// ---- drawing ---------------------------------------------------------------

double CTableRenderer::Limit() const {
  return Composer()->PageHeight() - Composer()->MarginBottom();
}

void CTableRenderer::Draw(double x, double y) {
  if (!HasGrid()) return;
  PageComposer* c = Composer();
  if (hAlign_ == 1)
    x = c->PageWidth() * 0.5 - totalWidth_ * 0.5;
  else if (hAlign_ == 2)
    x = c->PageWidth() - totalWidth_;
  DrawHeader(x, y);
  DrawBody(x, y);
  DrawFooter(x, y);
  c->SetCurrentX(x);
  c->SetCurrentY(y);
}

void CTableRenderer::DrawLines(const std::vector<TitleLine>& lines, double x, double& y) {
  PageComposer* c = Composer();
  for (const TitleLine& line : lines) {
    TableCell none;
    const double w = CellWidth(none, &line.text);
    double xt = x;  // left, also for a line without ALIGN
    if (line.align == 3)
      xt = x + totalWidth_ / 2 - w / 2;
    else if (line.align == 5)
      xt = x + totalWidth_ - w;
    DrawCellText(line.text, xt, y);
    c->Text(QStringLiteral("\n\r"));
    y = c->CurrentY();
  }
}

void CTableRenderer::DrawHeader(double x, double& y) {
  PageComposer* c = Composer();
  double need = titleCount_ * LineHeight();
  for (int32_t r = 0; r < headerRows_; ++r) need += rowHeight_[static_cast<size_t>(r)];
  // A page already at its top gains nothing from a break.
  if (Limit() < y + need && y > c->MarginTop() + 0.5) {
    c->StartNewPage();
    y = c->MarginTop();
  }
  DrawLines(titleLines_, x, y);
  c->SetPenColor(0);
  c->SetPenStyle(0);
  for (int32_t r = 0; r < headerRows_; ++r) {
    DrawRow(r, x, y);
    y += rowHeight_[static_cast<size_t>(r)];
  }
}

void CTableRenderer::DrawBody(double x, double& y) {
  PageComposer* c = Composer();
  c->SetPenColor(0);
  c->SetPenStyle(0);
  for (int32_t r = headerRows_; r < rows_ - footerRows_; ++r) {
    const double h = rowHeight_[static_cast<size_t>(r)];
    if (Limit() <= y + h && y > c->MarginTop() + 0.5) {
      c->StartNewPage();
      y = c->MarginTop();
      DrawHeader(x, y);
    }
    DrawRow(r, x, y);
    y += h;
  }
}

void CTableRenderer::DrawFooter(double x, double& y) {
  PageComposer* c = Composer();
  double need = noteCount_ * LineHeight();
  for (int32_t r = rows_ - footerRows_; r < rows_; ++r) need += rowHeight_[static_cast<size_t>(r)];
  if (need > 0 && Limit() < y + need && y > c->MarginTop() + 0.5) {
    c->StartNewPage();
    y = c->MarginTop();
    DrawHeader(x, y);
  }
  c->SetPenColor(0);
  c->SetPenStyle(0);
  for (int32_t r = rows_ - footerRows_; r < rows_; ++r) {
    DrawRow(r, x, y);
    y += rowHeight_[static_cast<size_t>(r)];
  }
  DrawLines(noteLines_, x, y);
}

void CTableRenderer::DrawRow(int32_t r, double x, double y) {
  PageComposer* c = Composer();
  c->SetCurrentX(x);
  double cx = c->CurrentX();
  const double h = rowHeight_[static_cast<size_t>(r)];
  for (int32_t col = 0; col < cols_; ++col) {
    TableCell& cell = cells_[static_cast<size_t>(r)][static_cast<size_t>(col)];
    const double w = colWidth_[static_cast<size_t>(col)];
    DrawRule(cell.top, cx, y, cx + w, y);
    DrawRule(cell.bottom, cx, y + h, cx + w, y + h);
    DrawRule(cell.left, cx, y, cx, y + h);
    DrawRule(cell.right, cx + w, y, cx + w, y + h);
    DrawCell(cell, r, col, cx, y);
    cx += w;
  }
}

void CTableRenderer::DrawCell(TableCell& cell, int32_t r, int32_t c, double x, double y) {
  PageComposer* pc = Composer();
  const int keptMode = pc->TextMode();
  pc->SetTextMode(0);
  double cellW = 0, cellH = 0;
  const int32_t lastCol = cell.colSpan > 0 ? std::min(c + cell.colSpan, cols_ - 1) : c;
  const int32_t lastRow = cell.rowSpan > 0 ? std::min(r + cell.rowSpan, rows_ - 1) : r;
  for (int32_t j = c; j <= lastCol; ++j) cellW += colWidth_[static_cast<size_t>(j)];
  for (int32_t i = r; i <= lastRow; ++i) cellH += rowHeight_[static_cast<size_t>(i)];
  const double contentW = CellWidth(cell);
  const double ls = pc->LineSpacing();
  double contentH = CellHeight(cell);
  if (ls != 100) contentH /= ls / 100;
  double xt = x;
  switch (HorizontalOf(cell.align)) {
    case 0:
      xt = x + cellW / 2 - contentW / 2;
      break;
    case 2:
      xt = x + cellW - contentW;
      break;
    default:
      break;
  }
  double yt = y;
  switch (VerticalOf(cell.align)) {
    case 1:
      yt = y + cellH / 2 - contentH / 2;
      break;
    case 2:
      yt = y + cellH - contentH;
      break;
    default:
      yt = y + (ls / 100 - 1) * 0.5 * contentH;
      break;
  }
  if (cell.top == 3) yt += kDoubleGap;
  if (cell.kind == 0) {
    DrawCellText(cell.text, xt, yt);
  } else if (cell.kind == 2) {
    if (cell.nested) cell.nested->Draw(xt, yt);
  } else {
    const auto picture = LoadMarkupPicture(cell.image.src, nullptr);
    if (picture) {
      const QSizeF natural = picture->NaturalSize();
      pc->DrawPicture(picture, xt, yt, ImageLength(cell.image.width, natural.width()),
                      ImageLength(cell.image.height, natural.height()));
    }
  }
  pc->SetTextMode(keptMode);
}

void CTableRenderer::DrawCellText(const std::string& text, double x, double y) {
  PageComposer* c = Composer();
  c->SetCurrentX(x);
  c->SetCurrentY(y);
  CMarkupRenderer scan(nullptr, c, Run());
  scan.SetText(text);
  std::string run;
  auto flush = [&] {
    if (!run.empty()) c->Text(DecodeRun(run, c->FontName()));
    run.clear();
  };
  for (;;) {
    const size_t start = scan.Cursor();
    const int tok = scan.NextToken();
    if (tok == kTokEnd) break;
    if (tok < 0) {
      const unsigned char b = static_cast<unsigned char>(scan.Ch());
      if (scan.Cursor() - start == 1 && (b == '\r' || b == '\n')) continue;
      if (run.size() < kCellTextLimit) run.push_back(static_cast<char>(b));
      continue;
    }
    const bool closing = scan.Closing();
    switch (tok) {
      case kTagBr:
        scan.SkipTag();
        flush();
        c->Text(QStringLiteral("\r\n"));
        c->SetCurrentX(x);
        break;
      case kTagSup:
      case kTagSub: {
        scan.SkipTag();
        flush();
        const double shift = tok == kTagSub ? 0.8 : -0.1;
        if (!closing) {
          savedSize_ = c->FontSize();
          c->SetFontSize(savedSize_ / 1.8);
          c->SetCurrentY(c->CurrentY() + shift * c->TextHeight(QStringLiteral("0")));
        } else {
          c->SetCurrentY(c->CurrentY() - shift * c->TextHeight(QStringLiteral("0")));
          if (savedSize_ > 0) c->SetFontSize(savedSize_);
        }
        break;
      }
      case kTagFont:
        flush();
        if (!closing) {
          fontSaved_ = true;
          savedFace_ = c->FontName();
          savedSize_ = c->FontSize();
          std::string face;
          int32_t size = 0;
          scan.ReadFontAttrs(&face, &size);
          if (!face.empty()) c->SetFontName(DecodeCp932(face));
          if (size > 0) c->SetFontSize(3.0 * size + 3.0);
        } else {
          scan.SkipTag();
          if (fontSaved_) {
            c->SetFontName(savedFace_);
            if (savedSize_ > 0) c->SetFontSize(savedSize_);
          }
        }
        break;
      default:
        scan.SkipTag();
        break;
    }
  }
  flush();
}

void CTableRenderer::DrawRule(int32_t style, double x1, double y1, double x2, double y2) {
  PageComposer* c = Composer();
  switch (style) {
    case 1:
      c->SetPenWidth(0.0);
      c->DrawLine(x1, y1, x2, y2);
      break;
    case 2:
      c->SetPenWidth(QStringLiteral("0.5mm"));
      c->DrawLine(x1, y1, x2, y2);
      break;
    case 3:
      c->SetPenWidth(0.0);
      if (std::fabs(y1 - y2) >= 0.001) {
        c->DrawLine(x1 - kDoubleGap / 2, y1, x2 - kDoubleGap / 2, y2);
        c->DrawLine(x1 + kDoubleGap / 2, y1, x2 + kDoubleGap / 2, y2);
      } else {
        c->DrawLine(x1, y1 - kDoubleGap / 2, x2, y2 - kDoubleGap / 2);
        c->DrawLine(x1, y1 + kDoubleGap / 2, x2, y2 + kDoubleGap / 2);
      }
      break;
    default:
      break;
  }
}

}  // namespace norva
