#pragma once
// PNG bytes of an opaque picture, made for the report's RTF copy, where the
// pictures are large, mostly white and drawn in black: a picture whose every
// pixel is a grey is written as 8-bit greyscale, any other as 8-bit RGB. The
// rows are not filtered and the data is deflated at a fast level: the file
// decodes to the same pixels as any PNG of the picture, at a fraction of the
// time the general writer takes.
#include <QByteArray>

class QImage;

namespace norva {

// Empty for a null picture. The picture is taken as opaque (alpha is dropped):
// callers paint on a white ground. dotsPerMeter > 0 is stored as the
// picture's resolution (pHYs).
QByteArray EncodeOpaquePng(const QImage& image, int dotsPerMeter);

}  // namespace norva
