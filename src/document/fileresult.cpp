#include "document/fileresult.h"

#include <cerrno>

namespace norvane {

const char* createErrorText(int errorNumber)
{
  switch (errorNumber) {
  case ENOENT:
  case ENOTDIR:
    return fileerrors::kPathNotFound;
  case EACCES:
  case EPERM:
  case EROFS:
  case EISDIR:
    return fileerrors::kAccessDenied;
  default:
    return fileerrors::kWriteError;
  }
}

} // namespace norvane
