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

void OpenFileList::RemoveOpenFile(std::string_view name) {
  for (auto it = nodes_.begin(); it != nodes_.end(); ++it) {
    if (it->name == name) {
      nodes_.erase(it);  // the stream closes with its node
      return;
    }
  }
}

void OpenFileList::ClearOpenFiles() { nodes_.clear(); }

}  // namespace kau
