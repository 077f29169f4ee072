#pragma once
// The core keeps text in the document's 8-bit character set, Windows-1252: Latin-1 ("°",
// "µ", accented letters) plus "€", typographic quotes, dashes and "™" in the bytes 0x80 to
// 0x9F, as the files written on Windows hold them. Qt keeps Unicode. Every string crosses
// between the two here and nowhere else. Characters outside the set become "?" on the way in,
// which the core can store safely; the five bytes Windows-1252 leaves undefined stand for the
// control characters of the same number, so every byte survives a round trip.

#include <QFile>
#include <QString>
#include <string>

namespace norvane {

namespace cp1252 {
// Unicode of the bytes 0x80 to 0x9F.
inline constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

inline char16_t toUnicode(unsigned char byte)
{
  return byte >= 0x80 && byte < 0xA0 ? kHigh[byte - 0x80] : static_cast<char16_t>(byte);
}

inline char fromUnicode(char16_t code)
{
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
    return static_cast<char>(code);
  }
  for (int i = 0; i < 32; ++i) {
    if (kHigh[i] == code) {
      return static_cast<char>(0x80 + i);
    }
  }
  return '?';
}
} // namespace cp1252

inline QString toQt(const std::string& text)
{
  QString shown;
  shown.reserve(static_cast<qsizetype>(text.size()));
  for (const char c : text) {
    shown.append(QChar(cp1252::toUnicode(static_cast<unsigned char>(c))));
  }
  return shown;
}

inline std::string fromQt(const QString& text)
{
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) {
    bytes.push_back(cp1252::fromUnicode(c.unicode()));
  }
  return bytes;
}

// File paths are not document text: they are the file system's bytes (UTF-8 on Linux), so a
// folder named "Jörg" must reach the core's file functions in that encoding to be found.
inline QString pathToQt(const std::string& path)
{
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

inline std::string pathFromQt(const QString& path)
{
  const QByteArray bytes = QFile::encodeName(path);
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace norvane
