// The text files a running program has open, found by the name stored in the
// file variable (letter case counts), at most one per name.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "interpreter/text_file.h"

namespace kau {

struct OpenFileNode {
  std::string name;  // code page 850
  std::unique_ptr<TextFile> stream;
};

class OpenFileList {
 public:
  ~OpenFileList() { ClearOpenFiles(); }
  // Replaces a stream already open under that name (closing it first).
  void AddOpenFile(std::string_view name, std::unique_ptr<TextFile> stream);
  TextFile* FindOpenFile(std::string_view name);
  // Closes the stream of that name and forgets it; nothing when not open.
  // False when its buffered text could not be written.
  bool RemoveOpenFile(std::string_view name);
  // Flushes and closes every stream; false when any text could not be
  // written.
  bool ClearOpenFiles();

 private:
  std::vector<OpenFileNode> nodes_;
};

}  // namespace kau
