#pragma once
// The outcome of reading or writing a document file. On failure `error` holds the message
// the user sees in the error box, one of the fixed texts below.

#include <string>
#include <utility>
#include <vector>

namespace norvane {

namespace fileerrors {
constexpr const char* kFileNotFound = "File not found";
constexpr const char* kPathNotFound = "Path not found";
constexpr const char* kAccessDenied = "File access denied";
constexpr const char* kReadError = "Disk read error";
constexpr const char* kWriteError = "Disk write error";
constexpr const char* kInvalidNumber = "Invalid numeric input";
// An output named a device, a FIFO or a socket: the program writes only regular files.
constexpr const char* kNotRegularFile = "Not a regular file";
} // namespace fileerrors

// The user's text for a file that could not be created for writing, from the system's error
// number (errno) of the failed open.
const char* createErrorText(int errorNumber);

struct FileResult
{
  std::string error; // empty on success
  // What was read but deserves the user's eye (a value field that is not a clean number);
  // the file was read all the same. Each names the line and the component.
  std::vector<std::string> warnings;

  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }

  static FileResult success() { return {}; }
  static FileResult failure(std::string text) { return {std::move(text), {}}; }
};

} // namespace norvane
