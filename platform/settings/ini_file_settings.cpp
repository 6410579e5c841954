#include "platform/settings/ini_file_settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "platform/files/replace_file.h"
#include "text/code_pages.h"

namespace kau::settings {

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// `special` are escaped anywhere, `leading` only as the first character.
std::string escape(std::string_view text, std::string_view special, std::string_view leading = {}) {
  static const char digits[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool marked = c == '%' || c == '\n' || c == '\r' || special.find(text[i]) != std::string_view::npos ||
                        (i == 0 && leading.find(text[i]) != std::string_view::npos);
    if (!marked) {
      out += static_cast<char>(c);
      continue;
    }
    out += '%';
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

// A "%" not followed by two hexadecimal digits stays as it is.
std::string unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool makeFolders(const std::string& folder) {
  struct stat st {};
  if (::stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
  const std::string parent = folderOf(folder);
  if (parent != folder && !makeFolders(parent)) return false;
  return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

// The whole file; a missing file reads as empty.
bool readFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT;
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ::close(fd);
      return got == 0;
    }
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
}

}  // namespace

bool IniFileSettings::Load() {
  std::string bytes;
  if (!readFile(fileName_, bytes)) return false;

  Sections sections;
  Values* current = nullptr;
  std::istringstream lines(text::sourceToCp1252(bytes));
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    const auto close = line.rfind(']');
    if (line[0] == '[' && close != std::string::npos) {
      current = &sections[unescape(std::string_view(line).substr(1, close - 1))];
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos) continue;
    if (!current) current = &sections[""];
    (*current)[unescape(std::string_view(line).substr(0, equals))] =
        unescape(std::string_view(line).substr(equals + 1));
  }
  MutableSections() = std::move(sections);
  return true;
}

bool IniFileSettings::Flush() {
  std::string text;
  for (const auto& [section, values] : AllSections()) {
    text += '[' + escape(section, "") + "]\n";
    for (const auto& [name, value] : values) text += escape(name, "=", "[;#") + '=' + escape(value, "") + '\n';
    text += '\n';
  }
  const std::string bytes = text::cp1252ToUtf8(text);

  const std::string folder = folderOf(fileName_);
  if (!makeFolders(folder)) return false;
  return files::ReplaceFileContents(fileName_, bytes);
}

std::string ProgramSettingsPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config && *config) folder = config;
  else {
    const char* home = std::getenv("HOME");
    folder = std::string(home ? home : "") + "/.config";
  }
  return folder + "/pascalkau/pascalkau.ini";
}

}  // namespace kau::settings
