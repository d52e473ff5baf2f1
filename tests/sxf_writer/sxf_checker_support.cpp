#include "sxf_writer/sxf_checker_support.h"

#include <iconv.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace sxfcheck {

bool SplitCrLf(const std::string& bytes, std::vector<std::string>& lines) {
  bool ok = true;
  size_t s = 0;
  while (s < bytes.size()) {
    const size_t e = bytes.find('\n', s);
    if (e == std::string::npos) {
      lines.push_back(bytes.substr(s));
      return false;
    }
    if (e == s || bytes[e - 1] != '\r') ok = false;
    std::string line = bytes.substr(s, e - s - (e > s && bytes[e - 1] == '\r' ? 1 : 0));
    if (line.find('\r') != std::string::npos) ok = false;
    lines.push_back(line);
    s = e + 1;
  }
  return ok;
}

std::string CheckFileName(const std::string& line, bool ascii) {
  if (line.rfind("FILE_NAME(", 0) != 0 || line.size() < 12 || line.substr(line.size() - 2) != ");")
    return "not a FILE_NAME record";
  // Fields: 'a','b',('c'),('d'),'e','f','g' with '' as a quote inside.
  std::vector<std::string> fields;
  size_t i = 10;
  const size_t end = line.size() - 2;
  while (i < end) {
    bool paren = line[i] == '(';
    if (paren) ++i;
    if (line[i] != '\'') return "unquoted field";
    std::string v;
    ++i;
    for (;;) {
      if (i >= end) return "unterminated field";
      const auto c = static_cast<unsigned char>(line[i]);
      if (!ascii && ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC))) {
        v += line.substr(i, 2);
        i += 2;
        continue;
      }
      if (c == '\'') {
        if (i + 1 < end && line[i + 1] == '\'') {
          v += '\'';
          i += 2;
          continue;
        }
        ++i;
        break;
      }
      v += line[i++];
    }
    if (paren) {
      if (line[i] != ')') return "unclosed list";
      ++i;
    }
    fields.push_back(v);
    if (i < end) {
      if (line[i] != ',') return "missing comma";
      ++i;
    }
  }
  if (fields.size() != 7) return "FILE_NAME has " + std::to_string(fields.size()) + " fields";
  const std::string& pre = fields[4];
  if (pre.size() < 5 || pre.substr(pre.size() - 5) != "$$3.1") return "preprocessor field";
  if (fields[0].empty()) return "no file name";
  if (fields[1].size() != 19 || fields[1][4] != '-' || fields[1][10] != 'T') return "time stamp";
  return "";
}

bool Cp932ToUtf8(const std::string& cp932, std::string& utf8) {
  iconv_t cd = iconv_open("UTF-8", "CP932");
  std::string out(cp932.size() * 4 + 4, '\0');
  char* src = const_cast<char*>(cp932.data());
  size_t sl = cp932.size();
  char* dst = out.data();
  size_t dl = out.size();
  const size_t r = iconv(cd, &src, &sl, &dst, &dl);
  iconv_close(cd);
  if (r == static_cast<size_t>(-1)) return false;
  out.resize(out.size() - dl);
  utf8 = out;
  return true;
}

namespace {

void Move(Element& e, const Placement& p) {
  const double a = p.angle * M_PI / 180, c = std::cos(a), s = std::sin(a);
  for (size_t i = 0; i < e.xs.size(); ++i) {
    if (std::isnan(e.xs[i])) continue;
    const double x = e.xs[i] * p.rx, y = e.ys[i] * p.ry;
    e.xs[i] = p.x + c * x - s * y;
    e.ys[i] = p.y + s * x + c * y;
  }
  e.radius *= p.rx;
  e.height *= p.ry;
  e.textWidth *= p.rx;
  if (p.angle != 0) e.angle = std::fmod(e.angle + p.angle, 360.0);
}

void Place(const std::map<std::string, FigureContent>& figures, const Placement& p,
           std::vector<Element>& out, std::vector<std::string>& errors, int depth) {
  auto f = figures.find(p.figure);
  if (f == figures.end() || depth > 16) {
    errors.push_back("placement of an unknown figure '" + p.figure + "'");
    return;
  }
  std::vector<Element> inner = f->second.elements;
  for (const Placement& q : f->second.placements) Place(figures, q, inner, errors, depth + 1);
  for (Element& e : inner) {
    Move(e, p);
    out.push_back(e);
  }
}

}  // namespace

void Flatten(const std::map<std::string, FigureContent>& figures,
             const std::vector<Element>& elements, const std::vector<Placement>& placements,
             std::vector<Element>& out, std::vector<std::string>& errors) {
  out = elements;
  for (const Placement& p : placements) Place(figures, p, out, errors, 0);
}

namespace {

std::string Key(const Element& e) {
  std::ostringstream s;
  s.setf(std::ios::fixed);
  s.precision(4);
  s << e.kind << "|" << e.layer << "|" << e.colour << "|" << e.lineType << "|" << e.width << "|"
    << e.text << "|" << e.font << "|";
  for (size_t i = 0; i < e.xs.size(); ++i) {
    const double x = std::isnan(e.xs[i]) ? -9999 : e.xs[i] + 0.0;
    const double y = std::isnan(e.ys[i]) ? -9999 : e.ys[i] + 0.0;
    s << "(" << x << "," << y << ")";
  }
  s << "|r" << e.radius << "|s" << e.start << "|e" << e.end << "|h" << e.height << "|w"
    << e.textWidth << "|a" << e.angle << "|sl" << e.slant << "|sp" << e.spacing << "|b"
    << e.basePoint << "|d" << e.direction << "|" << e.arrow1 << e.arrow2;
  std::string k = s.str();
  // -0.0000 and 0.0000 are the same place.
  for (size_t at; (at = k.find("-0.0000")) != std::string::npos &&
                  (at + 7 >= k.size() || !isdigit(static_cast<unsigned char>(k[at + 7])));)
    k.erase(at, 1);
  return k;
}

}  // namespace

std::string Compare(const Drawing& a, const Drawing& b) {
  std::vector<std::string> ka, kb;
  for (const Element& e : a.elements) ka.push_back(Key(e));
  for (const Element& e : b.elements) kb.push_back(Key(e));
  std::sort(ka.begin(), ka.end());
  std::sort(kb.begin(), kb.end());
  std::string out;
  if (a.sheetName != b.sheetName) out += "sheet name " + a.sheetName + " / " + b.sheetName + "\n";
  if (a.paperX != b.paperX || a.paperY != b.paperY) out += "paper size differs\n";
  if (ka.size() != kb.size())
    out += "element counts " + std::to_string(ka.size()) + " / " + std::to_string(kb.size()) + "\n";
  std::vector<std::string> onlyA, onlyB;
  std::set_difference(ka.begin(), ka.end(), kb.begin(), kb.end(), std::back_inserter(onlyA));
  std::set_difference(kb.begin(), kb.end(), ka.begin(), ka.end(), std::back_inserter(onlyB));
  for (size_t i = 0; i < onlyA.size() && i < 5; ++i) out += "only in first: " + onlyA[i] + "\n";
  for (size_t i = 0; i < onlyB.size() && i < 5; ++i) out += "only in second: " + onlyB[i] + "\n";
  return out;
}

}  // namespace sxfcheck
