#pragma once
// Replacing a whole output file safely: every file this program writes (schematics, result
// files, S-parameter files, pictures) goes through writeFileAtomically, so that a failed
// write never destroys or truncates the previous file.

#include "document/fileresult.h"

#include <string>
#include <string_view>

namespace norvane {

// Writes `text` as the whole content of the file at `path` and returns the user's error
// text on failure (FileResult::error), in which case the previous file is unchanged:
//  - The text goes to a temporary file in the target's folder first, is flushed to the disk
//    and then renamed over the target, so a full disk or a failing device leaves the old file
//    intact and no partial file behind.
//  - A symbolic link is followed: the file it names is replaced and the link stays.
//  - An existing target that is not a regular file (a device, a FIFO, a socket) is refused
//    with kNotRegularFile; a folder with kAccessDenied. Nothing is written then.
//  - The replacement keeps the permission bits of the file it replaces, and its owner and
//    group where the process may set them.
//  - A file with further hard links is updated in place once the complete text has been
//    written to the temporary file and the disk space for it has been reserved in the file,
//    so every name keeps showing the same file. When the space cannot be reserved the
//    temporary file is renamed over this name instead (the save succeeds; the other names
//    keep the previous text).
FileResult writeFileAtomically(const std::string& path, std::string_view text);

} // namespace norvane
