#include "tools/kauc/source_file.h"

#include <fstream>
#include <iterator>

#include "text/code_pages.h"

namespace kau {

bool readSourceFile(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  text = text::sourceToCp1252(bytes);
  return true;
}

}  // namespace kau
