#pragma once
// A full disk for the tests: while a FileSizeLimit lives, this process cannot make any file
// larger than the given size; a write beyond it fails with EFBIG as a write on a full disk
// fails with ENOSPC. The signal the kernel sends along (SIGXFSZ) is ignored meanwhile.

#include <csignal>
#include <sys/resource.h>

namespace norvane::testing {

class FileSizeLimit
{
public:
  explicit FileSizeLimit(rlim_t bytes)
  {
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    rlimit small = m_old;
    small.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit()
  {
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
  rlimit m_old{};
  void (*m_oldHandler)(int) = nullptr;
};

} // namespace norvane::testing
