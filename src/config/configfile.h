#pragma once
// Norvane.cfg: the environment record between runs. A text file of "key= value" lines after
// a three-line banner, read once at start and written once at close.
//
// Reading is forgiving: lines may come in any order (the last of a repeated key wins), a
// line without "=" or with an unknown key is skipped, and a value that is not a number reads
// as the number parser decides. No content can make the reader fail; only a file that cannot
// be opened or read does.
//
// Writing never destroys the old file: the text goes to a temporary file beside it, which
// then replaces the old one in a single rename.

#include "config/environment.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace norvane {

// Outcome of reading or writing the file. On failure `error` is the input/output error text
// for the message box ("File not found", "Access denied", "Disk read error",
// "Disk write error").
struct ConfigFileResult
{
  bool ok = true;
  std::string error;
};

// Fills `env` from the file at `path`; fields whose keys are absent keep their values.
ConfigFileResult readConfig(Environment& env, const std::filesystem::path& path);

// Writes the whole record to `path` (creating its folder when missing), through a temporary
// file and a rename. On failure the previous file is left as it was.
ConfigFileResult writeConfig(const Environment& env, const std::filesystem::path& path);

// The file's content for a record: banner and the 47 key lines, each ended by CR LF, then
// the recent files ("recentfile1= "), the tune step ("tunestep= ") and the noise temperature
// ("noisetemp= ") when there are any.
std::string configFileText(const Environment& env);

// Applies the lines of a configuration text to `env` (the core of readConfig). Accepts CR LF,
// bare LF and bare CR line ends.
void applyConfigText(Environment& env, std::string_view text);

} // namespace norvane
