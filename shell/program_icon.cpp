#include "shell/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace norva {
namespace {

// Soil behind a trapezoidal concrete wall on its footing ground.
constexpr char kIconSvg[] = R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 32 32">
<rect x="0" y="0" width="32" height="32" rx="4" fill="#1f4e79"/>
<polygon points="14,6 30,6 30,26 20,26" fill="#c8a165"/>
<polygon points="9,6 14,6 21,26 4,26" fill="#d9d9d9" stroke="#ffffff" stroke-width="1"/>
<rect x="2" y="26" width="28" height="3" fill="#8c6d3f"/>
</svg>)";

QIcon MakeIcon() {
  QSvgRenderer svg{QByteArray(kIconSvg)};
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace

const QIcon& ProgramIcon() {
  static const QIcon icon = MakeIcon();
  return icon;
}

}  // namespace norva
