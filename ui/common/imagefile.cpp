#include "common/imagefile.h"

#include "document/atomicwrite.h"

#include <QBuffer>
#include <QByteArray>

namespace norvane {

FileResult saveImageFile(const QImage& image, const std::string& path, const char* format)
{
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, format)) {
    return FileResult::failure(fileerrors::kWriteError);
  }
  return writeFileAtomically(
      path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace norvane
