// Drawing of a laid-out formula and its placement on the page and in the RTF file.
#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "renderer/math_renderer.h"

namespace norva {

namespace {

// Stroke width of rules and radical signs, in layout pixels.
constexpr double kRuleWidth = 0.8;

// What a formula draws, kept with its fonts so that it can be painted at any
// resolution: on the page, a printer, a PDF file or into an SVG file.
class MathDisplayList {
 public:
  struct Text {
    QFont font;
    QString text;
    QPointF baseline;
  };
  std::vector<Text> texts;
  std::vector<QLineF> lines;

  void Replay(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QPen pen(Qt::black);
    pen.setWidthF(kRuleWidth);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    for (const QLineF& l : lines) painter.drawLine(l);
    painter.setPen(QPen(Qt::black));
    for (const Text& t : texts) {
      painter.setFont(t.font);
      painter.drawText(t.baseline, t.text);
    }
    painter.restore();
  }
};

// Records a formula's drawing into a display list.
class MathListRecorder : public IMathCanvas {
 public:
  MathListRecorder(QtMathMetrics& metrics, MathDisplayList& list)
      : metrics_(metrics), list_(list) {}
  void DrawString(int style, std::string_view bytes, double x, double top) override {
    list_.texts.push_back({metrics_.Font(style), metrics_.Decode(style, bytes),
                           QPointF(x, top + metrics_.Ascent(style))});
  }
  void DrawLine(double x1, double y1, double x2, double y2) override {
    list_.lines.emplace_back(x1, y1, x2, y2);
  }

 private:
  QtMathMetrics& metrics_;
  MathDisplayList& list_;
};

// A formula on the page: the display list scaled from layout pixels.
class MathPicture : public ComposerPicture {
 public:
  MathPicture(std::shared_ptr<const MathDisplayList> list, QSizeF twips)
      : list_(std::move(list)), natural_(twips) {}
  QSizeF NaturalSize() const override { return natural_; }
  void Paint(QPainter& painter, const QRectF& target) const override {
    if (natural_.width() <= 0 || natural_.height() <= 0) return;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / natural_.width() * kMathTwipsPerPixel,
                  target.height() / natural_.height() * kMathTwipsPerPixel);
    list_->Replay(painter);
    painter.restore();
  }

 private:
  std::shared_ptr<const MathDisplayList> list_;
  QSizeF natural_;
};

// A rule on the top or bottom edge of the formula (a root's or an overline's
// bar) would lose half its width to the picture's edge: moved inside by half
// a rule width, so the RTF picture shows it as the page does.
void KeepRulesInside(MathDisplayList& list, double height) {
  const double lo = kRuleWidth / 2;
  const double hi = height - kRuleWidth / 2;
  if (hi < lo) return;
  for (QLineF& l : list.lines) {
    l.setP1(QPointF(l.x1(), std::clamp(l.y1(), lo, hi)));
    l.setP2(QPointF(l.x2(), std::clamp(l.y2(), lo, hi)));
  }
}

}  // namespace

void PainterMathCanvas::DrawString(int style, std::string_view bytes, double x, double top) {
  painter_.setFont(metrics_.Font(style));
  painter_.setPen(QPen(Qt::black));
  painter_.drawText(QPointF(x, top + metrics_.Ascent(style)), metrics_.Decode(style, bytes));
}

void PainterMathCanvas::DrawLine(double x1, double y1, double x2, double y2) {
  QPen pen(Qt::black);
  pen.setWidthF(kRuleWidth);
  pen.setCapStyle(Qt::FlatCap);
  painter_.setPen(pen);
  painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

// ---------------------------------------------------------------------------
// Layout coordinates (y up from the formula's baseline) to device pixels.

void CMathRenderer::DrawString(IMathCanvas& canvas, int style, std::string_view bytes, double x,
                               double top) {
  canvas.DrawString(style, bytes, std::trunc(x + originX_), std::trunc(baseline_ - top));
}

void CMathRenderer::DrawStroke(IMathCanvas& canvas, double x1, double y1, double x2, double y2) {
  canvas.DrawLine(std::trunc(x1 + originX_), std::trunc(baseline_ - y1), std::trunc(x2 + originX_),
                  std::trunc(baseline_ - y2));
}

void CMathRenderer::DrawHLine(IMathCanvas& canvas, double x, double width, double y) {
  DrawStroke(canvas, x, y, x + width, y);
}

void CMathRenderer::DrawTree(const MathBox* root, IMathCanvas& canvas) {
  if (!root) return;
  originX_ = 0;
  baseline_ = root->ascent;
  DrawBox(root, 0, 0, canvas);
}

void CMathRenderer::DrawBox(const MathBox* b, double px, double py, IMathCanvas& canvas) {
  // The chain before a box is drawn first; walked without recursion so a
  // long formula needs no deep stack.
  std::vector<const MathBox*> chain;
  for (const MathBox* p = b; p; p = p->prev) chain.push_back(p);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    const MathBox* box = *it;
    const double bx = px + box->x;
    const double by = py + box->y;
    DrawOne(box, bx, by, canvas);
    DrawBox(box->attached, bx, py, canvas);
  }
}

void CMathRenderer::DrawOne(const MathBox* b, double bx, double by, IMathCanvas& canvas) {
  const double asc = FontMetrics(b->style).first;
  switch (b->kind) {
    case MathBoxKind::kRun:
      if (!b->text.empty()) DrawString(canvas, b->style, b->text, bx, by + asc);
      break;
    case MathBoxKind::kOperator:
    case MathBoxKind::kGlyph: {
      const std::string one(1, static_cast<char>(b->code));
      DrawString(canvas, b->style, one, bx, by + asc);
      break;
    }
    case MathBoxKind::kSymbol:
      switch (b->code) {
        case kSymIntegral:
          DrawStacked(b, bx, by + asc, 243, 244, 245, canvas);
          break;
        case kSymSum:
          DrawString(canvas, b->style, "S", bx, by + asc);
          break;
        case kSymProduct:
          DrawString(canvas, b->style, "\xD5", bx, by + asc);
          break;
        case kSymLimit:
          DrawString(canvas, b->style, "lim", bx, by + asc);
          break;
        default:
          DrawString(canvas, b->style, "...", bx, by + asc);
          break;
      }
      break;
    case MathBoxKind::kBracket:
      if (b->pieces == 0) {
        const std::string one(1, static_cast<char>(b->bracketChar));
        DrawString(canvas, b->style, one, bx, by + asc);
      } else if (b->bracketChar == '|') {
        DrawStacked(b, bx, by + asc, 239, 239, 239, canvas);
      } else {
        DrawStacked(b, bx, by + asc, b->code - 1, b->code, b->code + 1, canvas);
      }
      break;
    case MathBoxKind::kBar:
      DrawHLine(canvas, bx, b->width, by);
      break;
    case MathBoxKind::kBarless:
      break;
    case MathBoxKind::kRadical: {
      const double bottom = by - b->descent;
      const double mid = bottom + (b->ascent + b->descent) / 2;
      const double vx = bx + 2 + (b->width - 2) / 3;
      DrawStroke(canvas, bx, mid, bx + 2, mid + 1);
      DrawStroke(canvas, bx + 2, mid, vx, bottom + 1);
      DrawStroke(canvas, vx, bottom + 1, bx + b->width, by + b->ascent);
      break;
    }
    case MathBoxKind::kGroup: {
      const double top = by + b->ascent;
      const double right = bx + b->width;
      const double cx = bx + b->width / 2;
      if (b->decoration & kDecoOverline) DrawHLine(canvas, bx, b->width, top);
      if (b->decoration & (kDecoBar | kDecoVector)) DrawHLine(canvas, bx, b->width, top - 1);
      if (b->decoration & kDecoVector) {
        DrawStroke(canvas, right, top - 1, right - 2, top - 3);
        DrawStroke(canvas, right, top - 1, right - 2, top + 1);
      }
      // Accent marks just above the text cell's top.
      if (b->decoration & kDecoDot) DrawStroke(canvas, cx, top - 1, cx + 1, top - 1);
      if (b->decoration & kDecoDdot) {
        DrawStroke(canvas, cx - 2, top - 1, cx - 1, top - 1);
        DrawStroke(canvas, cx + 1, top - 1, cx + 2, top - 1);
      }
      if (b->decoration & kDecoHat) {
        DrawStroke(canvas, cx - 2, top - 2, cx, top);
        DrawStroke(canvas, cx, top, cx + 2, top - 2);
      }
      if (b->decoration & kDecoTilde) {
        DrawStroke(canvas, cx - 3, top - 2, cx - 1, top - 1);
        DrawStroke(canvas, cx - 1, top - 1, cx + 1, top - 2);
        DrawStroke(canvas, cx + 1, top - 2, cx + 3, top - 1);
      }
      DrawBox(b->content, bx, by, canvas);
      break;
    }
  }
}

void CMathRenderer::DrawStacked(const MathBox* b, double x, double top, int topPiece, int midPiece,
                                int bottomPiece, IMathCanvas& canvas) {
  const auto [fa, fd] = FontMetrics(b->style);
  const double g = fa + fd;
  const bool brace = b->bracketChar == '{' || b->bracketChar == '}';
  auto piece = [&](int code, double t) {
    const std::string one(1, static_cast<char>(code));
    DrawString(canvas, b->style, one, x, t);
  };
  double t = top - fa + b->ascent;
  piece(topPiece, t);
  for (int i = b->pieces; i >= 1; --i) {
    t -= 0.85 * g;
    piece((i - 1 == b->pieces / 2 || !brace) ? midPiece : 239, t);
  }
  piece(bottomPiece, t - 0.85 * g);
}

// ---------------------------------------------------------------------------
// Picture size and placement

std::pair<int, int> CMathRenderer::FrameHundredthsMm(const MathBox& root) {
  // The reference device: kMathDpi pixels per 25.4 mm.
  const double mmPerPixel = 25.4 / kMathDpi;
  return {static_cast<int>(std::trunc(mmPerPixel * 100 * root.width)),
          static_cast<int>(std::trunc((root.ascent + root.descent) * mmPerPixel * 100))};
}

std::pair<double, double> CMathRenderer::NaturalTwips(const MathBox& root) {
  const auto [w, h] = FrameHundredthsMm(root);
  return {w * 1440.0 / 2540.0, h * 1440.0 / 2540.0};
}

CMathRenderer::Result CMathRenderer::Render() {
  Result result;
  auto* metrics = dynamic_cast<QtMathMetrics*>(&metrics_);
  const MathBox* root = Layout();
  if (!root || !metrics) return result;
  const auto [w, h] = NaturalTwips(*root);
  // The picture's extent in layout pixels, as the frame gives it.
  const double pxW = w / kMathTwipsPerPixel;
  const double pxH = h / kMathTwipsPerPixel;

  auto list = std::make_shared<MathDisplayList>();
  MathListRecorder recorder(*metrics, *list);
  DrawTree(root, recorder);
  KeepRulesInside(*list, pxH);

  PageComposer* composer = Composer();
  if (composer) {
    auto pic = std::make_shared<MathPicture>(list, QSizeF(w, h));
    composer->SetPictureObject(pic);
    const double natW = composer->AreaRight() - composer->AreaLeft();
    const double natH = composer->AreaBottom() - composer->AreaTop();
    composer->DrawPicture(pic, composer->CurrentX(), composer->CurrentY(), natW, natH);
  }

  if (rtfSink_) {
    // The RTF writer takes the formula as SVG text.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&bytes);
    svg.setResolution(kMathDpi);
    svg.setSize(QSize(static_cast<int>(std::ceil(pxW)), static_cast<int>(std::ceil(pxH))));
    svg.setViewBox(QRectF(0, 0, pxW, pxH));
    {
      QPainter painter(&svg);
      list->Replay(painter);
    }
    if (!bytes.data().isEmpty()) rtfSink_->WriteInlineSvg(bytes.data().toStdString(), w, h);
  }

  result.drawn = true;
  result.ascent = root->ascent;
  result.height = h;
  result.width = w;
  boxes_.clear();
  return result;
}

}  // namespace norva
