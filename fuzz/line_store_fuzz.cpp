// The line store's loader on arbitrary file contents: loading never fails,
// and after one load and save the bytes are stable (a second load and save
// gives the same lines and the same bytes).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "editor/model/syn_edit_string_list.h"

namespace {

std::string LoadAndSave(const std::string& bytes, kau::editor::TSynEditStringList& store) {
  std::istringstream in(bytes);
  store.LoadFromStream(in);
  std::ostringstream out;
  store.SaveToStream(out);
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  kau::editor::TSynEditStringList first;
  const std::string saved = LoadAndSave(bytes, first);
  kau::editor::TSynEditStringList second;
  if (LoadAndSave(saved, second) != saved) std::abort();
  if (first.GetText() != second.GetText() || first.FileFormat != second.FileFormat ||
      first.FileEncoding != second.FileEncoding)
    std::abort();
  return 0;
}
