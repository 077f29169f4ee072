#pragma once
// Window pictures saved as files, through the program's atomic file writer: the picture is
// encoded in memory and replaces the file in one step, so a failed save keeps the old file.

#include "document/fileresult.h"

#include <QImage>
#include <string>

namespace norvane {

// Saves `image` in `format` ("BMP") at `path`; the error text of the writer on failure.
FileResult saveImageFile(const QImage& image, const std::string& path, const char* format);

} // namespace norvane
