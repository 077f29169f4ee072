#pragma once
// The core keeps text in the document's 8-bit character set (Latin-1: "°", "µ", accented
// letters); Qt keeps Unicode. Every string crosses between the two here and nowhere else.
// Characters outside Latin-1 become "?" on the way in, which the core can store safely.

#include <QFile>
#include <QString>
#include <string>

namespace norvane {

inline QString toQt(const std::string& latin1)
{
  return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

inline std::string fromQt(const QString& text)
{
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
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
