#include "document/atomicwrite.h"

// Owner, link count and flushing to the disk are not reachable through the standard
// library, so this one file speaks POSIX.
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace norvane {
namespace {

namespace fs = std::filesystem;

// Closes the descriptor when it goes out of scope.
class Descriptor
{
public:
  explicit Descriptor(int fd) : m_fd(fd) {}
  ~Descriptor() { close(); }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return m_fd; }
  bool valid() const { return m_fd >= 0; }
  // False when the close reported an error (some file systems report a failed write only
  // here).
  bool close()
  {
    if (m_fd < 0) return true;
    const bool ok = ::close(m_fd) == 0;
    m_fd = -1;
    return ok;
  }

private:
  int m_fd;
};

// All of `text` at the file's current position; false with errno set on failure.
bool writeAll(int fd, std::string_view text)
{
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Creates a new file beside `target` ("<name>.saving-<number>") and opens it for writing.
int createTemporaryBeside(const fs::path& target, mode_t mode, fs::path& name)
{
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target;
    name += ".saving-" + std::to_string(random() % 1000000000u);
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) {
      return fd;
    }
  }
  errno = EEXIST;
  return -1;
}

// The file a path names, following symbolic links (also a link to a file not yet made).
fs::path resolveLinks(const fs::path& path)
{
  std::error_code ec;
  if (!fs::is_symlink(path, ec)) {
    return path;
  }
  const fs::path resolved = fs::weakly_canonical(path, ec);
  return ec ? path : resolved;
}

// Copies the text into the existing file itself, for a file with several hard links. The
// space is reserved before the first byte is changed, so a full disk leaves the file as it
// was (false, nothing changed) and the caller falls back to the rename.
bool overwriteInPlace(const fs::path& target, std::string_view text)
{
  Descriptor fd(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
  if (!fd.valid()) return false;
#ifdef __linux__
  if (!text.empty() &&
      ::fallocate(fd.get(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(text.size())) != 0) {
    return false;
  }
#else
  return false; // no way to reserve the space first: keep the safe rename
#endif
  return writeAll(fd.get(), text) && ::ftruncate(fd.get(), static_cast<off_t>(text.size())) == 0 &&
         ::fsync(fd.get()) == 0 && fd.close();
}

} // namespace

FileResult writeFileAtomically(const std::string& path, std::string_view text)
{
  const fs::path target = resolveLinks(fs::path(path));
  std::error_code ec;
  if (target.filename().empty() || fs::is_directory(target, ec)) {
    return FileResult::failure(fileerrors::kAccessDenied);
  }
  struct stat old
  {
  };
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    return FileResult::failure(fileerrors::kNotRegularFile);
  }
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  if (!fs::is_directory(folder, ec)) {
    return FileResult::failure(fileerrors::kPathNotFound);
  }

  // A new file gets the usual 0666 less the umask; a replacement its predecessor's bits,
  // set below once the owner is settled (a change of owner can clear set-id bits).
  fs::path temporary;
  Descriptor fd(createTemporaryBeside(target, exists ? 0600 : 0666, temporary));
  if (!fd.valid()) {
    return FileResult::failure(createErrorText(errno));
  }
  const auto discard = [&](const char* message) {
    fd.close();
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return FileResult::failure(message);
  };
  if (!writeAll(fd.get(), text) || ::fsync(fd.get()) != 0) {
    return discard(fileerrors::kWriteError);
  }
  if (exists) {
    // Owner and group where allowed (an ordinary user keeps at least a group he belongs to);
    // failing that the file belongs to the writer, as any new file would.
    if (::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
      [[maybe_unused]] const int groupOnly = ::fchown(fd.get(), static_cast<uid_t>(-1), old.st_gid);
    }
    if (::fchmod(fd.get(), old.st_mode & 07777) != 0) {
      return discard(fileerrors::kAccessDenied);
    }
  }
  if (!fd.close()) {
    return discard(fileerrors::kWriteError);
  }

  if (exists && old.st_nlink > 1 && overwriteInPlace(target, text)) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return FileResult::success();
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    std::error_code ignored;
    fs::remove(temporary, ignored);
    return FileResult::failure(createErrorText(error));
  }
  return FileResult::success();
}

} // namespace norvane
