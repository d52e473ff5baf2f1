#include "renderer/png_encoder.h"

#include <QImage>
#include <QtEndian>
#include <array>
#include <cstdint>
#include <cstring>

namespace norva {

namespace {

// zlib's level 3: on report pictures about as small as the general writer's
// output in a tenth of its time; higher levels cost far more than they save.
constexpr int kDeflateLevel = 3;

uint32_t Crc32(const char* data, qsizetype size) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> t{};
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      t[n] = c;
    }
    return t;
  }();
  uint32_t c = 0xFFFFFFFFu;
  for (qsizetype i = 0; i < size; ++i)
    c = table[(c ^ static_cast<uint8_t>(data[i])) & 0xFF] ^ (c >> 8);
  return ~c;
}

void AppendBigEndian(QByteArray& out, uint32_t value) {
  char bytes[4];
  qToBigEndian<uint32_t>(value, bytes);
  out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, const char* type, const QByteArray& data) {
  AppendBigEndian(out, static_cast<uint32_t>(data.size()));
  const qsizetype start = out.size();
  out.append(type, 4);
  out.append(data);
  AppendBigEndian(out, Crc32(out.constData() + start, out.size() - start));
}

// 0xAARRGGBB with red = green = blue.
bool Grey(QRgb p) { return ((p ^ (p >> 8)) & 0xFFFF) == 0; }

bool AllGrey(const QImage& image) {
  const int w = image.width();
  const int h = image.height();
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < w; ++x) {
      if (!Grey(row[x])) return false;
    }
  }
  return true;
}

}  // namespace

QByteArray EncodeOpaquePng(const QImage& picture, int dotsPerMeter) {
  if (picture.isNull()) return {};
  const QImage image = picture.convertToFormat(QImage::Format_RGB32);
  const bool grey = AllGrey(image);
  const int w = image.width();
  const int h = image.height();
  const int channels = grey ? 1 : 3;

  // Each row: filter type 0 (none), then the samples.
  QByteArray rows(static_cast<qsizetype>(w * channels + 1) * h, Qt::Uninitialized);
  char* out = rows.data();
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    *out++ = 0;
    if (grey) {
      for (int x = 0; x < w; ++x) *out++ = static_cast<char>(qBlue(row[x]));
      continue;
    }
    for (int x = 0; x < w; ++x) {
      *out++ = static_cast<char>(qRed(row[x]));
      *out++ = static_cast<char>(qGreen(row[x]));
      *out++ = static_cast<char>(qBlue(row[x]));
    }
  }
  // qCompress puts the length in front of the zlib stream PNG wants.
  const QByteArray deflated = qCompress(rows, kDeflateLevel).mid(4);

  QByteArray png("\x89PNG\r\n\x1a\n", 8);
  QByteArray header;
  AppendBigEndian(header, static_cast<uint32_t>(w));
  AppendBigEndian(header, static_cast<uint32_t>(h));
  // Bit depth 8, colour type 0 (grey) or 2 (RGB), deflate, the standard
  // filter method, not interlaced.
  header.append(static_cast<char>(8));
  header.append(static_cast<char>(grey ? 0 : 2));
  header.append(3, '\0');
  AppendChunk(png, "IHDR", header);
  if (dotsPerMeter > 0) {
    QByteArray phys;
    AppendBigEndian(phys, static_cast<uint32_t>(dotsPerMeter));
    AppendBigEndian(phys, static_cast<uint32_t>(dotsPerMeter));
    phys.append(static_cast<char>(1));  // the unit is the metre
    AppendChunk(png, "pHYs", phys);
  }
  AppendChunk(png, "IDAT", deflated);
  AppendChunk(png, "IEND", {});
  return png;
}

}  // namespace norva
