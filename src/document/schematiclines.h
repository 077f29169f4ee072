#pragma once
// The line-level reading of a schematic file (*.cct), shared by the reader and by the survey
// that walks a file's structure before the reader starts: its lines, the section openers and
// the key lines of one record.

#include <cstddef>
#include <string_view>

namespace norvane::schematiclines {

bool isBlank(char c);

// Without the blanks and tabs around it.
std::string_view trimmed(std::string_view s);

// A section opener: a name followed by "{", no "=" (key lines always have one).
bool isOpener(std::string_view line);

// One of the document's section names followed by "{" ("drawdat{").
bool isTopLevelOpener(std::string_view t);

// The file's lines. A line ends at CR LF, LF or a lone CR.
class LineSource
{
public:
  explicit LineSource(std::string_view text) : m_text(text) {}

  bool next(std::string_view& line)
  {
    if (m_pos >= m_text.size()) {
      return false;
    }
    m_last = m_pos;
    ++m_number;
    // A plain scan: find_first_of with a set of two looks each character up in the set with
    // a call of its own, which made reading a large file cost more than simulating it.
    std::size_t end = m_pos;
    while (end < m_text.size() && m_text[end] != '\r' && m_text[end] != '\n') {
      ++end;
    }
    if (end == m_text.size()) {
      line = m_text.substr(m_pos);
      m_pos = m_text.size();
      return true;
    }
    line = m_text.substr(m_pos, end - m_pos);
    m_pos = end + 1;
    if (m_text[end] == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n') {
      ++m_pos;
    }
    return true;
  }

  // The line last returned by next() is returned again.
  void pushBack()
  {
    m_pos = m_last;
    --m_number;
  }

  // The number of the line last returned by next(), counting from 1.
  int number() const { return m_number; }

private:
  std::string_view m_text;
  std::size_t m_pos = 0;
  std::size_t m_last = 0;
  int m_number = 0;
};

// Reads the key lines of one record up to its "}" and hands each to onKey(key, value), where
// key includes the "=" and value is the rest of the line, until stop() says so. Lines without
// "=" are skipped; a section opener (a record that lost its "}") ends the record and is read
// again by the caller; the end of the file ends it too.
template <class Stop, class OnKey> void walkRecord(LineSource& lines, Stop stop, OnKey onKey)
{
  std::string_view line;
  while (!stop() && lines.next(line)) {
    if (trimmed(line) == "}") {
      return;
    }
    if (isOpener(line)) {
      lines.pushBack();
      return;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      continue;
    }
    std::string_view key = line.substr(0, eq + 1);
    while (!key.empty() && isBlank(key.front())) {
      key.remove_prefix(1);
    }
    onKey(key, line.substr(eq + 1));
  }
}

} // namespace norvane::schematiclines
