#include "platform/os/Settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/os/AsciiText.h"
#include "platform/os/Path.h"

namespace plat {

namespace {

// Writers read, change and replace the whole file; one at a time, so that two
// threads writing different keys do not lose one of the changes.
std::mutex g_writeMutex;

struct Line {
  std::string_view text;  // without the line ending
  std::string_view eol;   // "\n", "\r\n" or empty for a last line without one
};

std::vector<Line> SplitLines(std::string_view content) {
  std::vector<Line> lines;
  while (!content.empty()) {
    const std::size_t newline = content.find('\n');
    std::string_view text = content.substr(0, newline);
    std::string_view eol;
    if (newline != std::string_view::npos) {
      eol = content.substr(newline, 1);
      if (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
        eol = content.substr(newline - 1, 2);
      }
      content.remove_prefix(newline + 1);
    } else {
      content = {};
    }
    lines.push_back({text, eol});
  }
  return lines;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
  LineKind kind = LineKind::Other;
  std::string_view name;   // section name or key
  std::string_view value;  // key lines only
};

// Blanks, tabs and stray carriage returns (a CR that ends the file, or
// doubled ones) surround names and values without belonging to them.
std::string_view TrimField(std::string_view s) {
  constexpr std::string_view kSpace = " \t\r";
  const std::size_t first = s.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(kSpace) - first + 1);
}

// "[name]" is a section header, "key=value" a key line; blank lines, comments
// (';') and anything else are kept but never matched.
ParsedLine ParseLine(std::string_view text) {
  const std::string_view line = TrimField(text);
  ParsedLine parsed;
  if (line.empty() || line.front() == ';') return parsed;
  if (line.front() == '[') {
    const std::size_t close = line.find(']');
    if (close != std::string_view::npos) {
      parsed.kind = LineKind::Section;
      parsed.name = TrimField(line.substr(1, close - 1));
    }
    return parsed;
  }
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return parsed;
  parsed.kind = LineKind::Key;
  parsed.name = TrimField(line.substr(0, equals));
  parsed.value = TrimField(line.substr(equals + 1));
  return parsed;
}

// The first line, in file order, that holds the key inside a section of that
// name; keys before the first section belong to no section and never match.
std::optional<std::size_t> FindKeyLine(const std::vector<Line>& lines, std::string_view section,
                                       std::string_view key) {
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ParsedLine parsed = ParseLine(lines[i].text);
    if (parsed.kind == LineKind::Section) {
      inSection = EqualsNoCase(parsed.name, section);
    } else if (parsed.kind == LineKind::Key && inSection && EqualsNoCase(parsed.name, key)) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::string> ReadValue(std::string_view section, std::string_view key, std::string_view file) {
  std::string content;
  if (!ReadWholeFile(file, content)) return std::nullopt;
  const std::vector<Line> lines = SplitLines(content);
  const std::optional<std::size_t> index =
      FindKeyLine(lines, TrimBlanksAndTabs(section), TrimBlanksAndTabs(key));
  if (!index) return std::nullopt;
  return std::string(ParseLine(lines[*index].text).value);
}

// Where a new key of the section goes: after the section's last non-blank
// line, so that the blank line before the next section stays where it is.
std::optional<std::size_t> FindInsertAfter(const std::vector<Line>& lines, std::string_view section) {
  std::optional<std::size_t> last;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ParsedLine parsed = ParseLine(lines[i].text);
    if (parsed.kind == LineKind::Section) {
      if (last) break;
      if (EqualsNoCase(parsed.name, section)) last = i;
    } else if (last && !TrimField(lines[i].text).empty()) {
      last = i;
    }
  }
  return last;
}

// The file's content with key=value set in the section; lines not changed
// keep their bytes, new lines take the file's line ending.
std::string WithValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view value) {
  const std::vector<Line> lines = SplitLines(content);
  const std::string_view newline = (!lines.empty() && lines.front().eol == "\r\n") ? "\r\n" : "\n";
  const std::optional<std::size_t> keyLine = FindKeyLine(lines, section, key);
  const std::optional<std::size_t> insertAfter = keyLine ? std::nullopt : FindInsertAfter(lines, section);

  std::string out;
  out.reserve(content.size() + section.size() + key.size() + value.size() + 8);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (keyLine == i) {
      out.append(ParseLine(lines[i].text).name).append("=").append(value);
    } else {
      out.append(lines[i].text);
    }
    if (insertAfter == i) {
      out.append(lines[i].eol.empty() ? newline : lines[i].eol);
      out.append(key).append("=").append(value).append(newline);
    } else {
      out.append(lines[i].eol);
    }
  }
  if (!keyLine && !insertAfter) {
    if (!lines.empty()) {
      if (lines.back().eol.empty()) out.append(newline);
      if (!TrimField(lines.back().text).empty()) out.append(newline);
    }
    out.append("[").append(section).append("]").append(newline);
    out.append(key).append("=").append(value).append(newline);
  }
  return out;
}

bool HasLineBreakOrNul(std::string_view s) { return s.find_first_of(std::string_view("\r\n\0", 3)) != s.npos; }

// Texts that would write lines reading back as something else are refused:
// line breaks, a ']' in a section name, a key that is empty, holds '=' or
// would read as a section or comment.
bool WritableEntry(std::string_view section, std::string_view key, std::string_view value) {
  if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value)) return false;
  if (section.find(']') != section.npos || key.find('=') != key.npos) return false;
  return !key.empty() && key.front() != '[' && key.front() != ';';
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Writes the content to a temporary file beside the target and renames it
// over the target; on any failure the temporary file is removed.
bool ReplaceFile(const std::string& path, std::string_view content, mode_t mode) {
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, content) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
  if (!ok) ::unlink(temp.c_str());
  return ok;
}

// A settings file reached through a link is changed where it lives, so that
// the link stays.
std::string FollowLink(const std::string& path) {
  char* real = realpath(path.c_str(), nullptr);
  if (!real) return path;
  std::string target(real);
  std::free(real);
  return target;
}

}  // namespace

std::size_t GetProfileString(std::string_view section, std::string_view key, std::string_view defaultValue,
                             char* buf, std::size_t size, std::string_view file) {
  if (!buf || size == 0) return 0;
  const std::optional<std::string> value = ReadValue(section, key, file);
  const std::string_view result = value ? std::string_view(*value) : defaultValue;
  const std::size_t count = result.size() < size - 1 ? result.size() : size - 1;
  std::memmove(buf, result.data(), count);
  buf[count] = '\0';
  return count;
}

int GetProfileInt(std::string_view section, std::string_view key, int defaultValue, std::string_view file) {
  const std::optional<std::string> value = ReadValue(section, key, file);
  if (!value) return defaultValue;
  std::string_view text = *value;
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty() || text.front() < '0' || text.front() > '9') return defaultValue;
  // Accumulated negatively so that INT_MIN fits; out-of-range values saturate.
  long long total = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    total = total * 10 - (c - '0');
    if (total < INT_MIN) total = static_cast<long long>(INT_MIN) - 1;
  }
  if (negative) return total < INT_MIN ? INT_MIN : static_cast<int>(total);
  return -total > INT_MAX ? INT_MAX : static_cast<int>(-total);
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view file) {
  section = TrimBlanksAndTabs(section);
  key = TrimBlanksAndTabs(key);
  if (!WritableEntry(section, key, value)) return false;

  std::lock_guard<std::mutex> lock(g_writeMutex);
  const std::string path = FollowLink(ResolvePath(file));
  std::string content;
  mode_t mode = 0644;
  struct stat info;
  if (stat(path.c_str(), &info) == 0) {
    mode = info.st_mode & 07777;
    // An existing file that cannot be read must not be replaced by one holding
    // only the new key.
    if (S_ISREG(info.st_mode) && !ReadWholeFile(path, content)) return false;
  } else if (errno != ENOENT) {
    return false;
  }
  return ReplaceFile(path, WithValue(content, section, key, value), mode);
}

}  // namespace plat
