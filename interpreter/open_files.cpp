#include "interpreter/open_files.h"

namespace kau {

void OpenFileList::AddOpenFile(std::string_view name, std::unique_ptr<TextFile> stream) {
  RemoveOpenFile(name);
  nodes_.push_back(OpenFileNode{std::string(name), std::move(stream)});
}

TextFile* OpenFileList::FindOpenFile(std::string_view name) {
  for (OpenFileNode& node : nodes_) {
    if (node.name == name) return node.stream.get();
  }
  return nullptr;
}

bool OpenFileList::RemoveOpenFile(std::string_view name) {
  for (auto it = nodes_.begin(); it != nodes_.end(); ++it) {
    if (it->name == name) {
      const bool written = it->stream->close();
      nodes_.erase(it);
      return written;
    }
  }
  return true;
}

bool OpenFileList::ClearOpenFiles() {
  bool written = true;
  for (OpenFileNode& node : nodes_) written = node.stream->close() && written;
  nodes_.clear();
  return written;
}

}  // namespace kau
