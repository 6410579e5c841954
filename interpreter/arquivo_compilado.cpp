#include "interpreter/arquivo_compilado.h"

#include <span>
#include <string>

#include "compiler/program_dump.h"
#include "interpreter/lzss.h"
#include "interpreter/runner_loader.h"

namespace kau {

void ArquivoCompilado::Write(std::vector<std::uint8_t>& image) const {
  const std::string dump = FormatProgramDump(code_, wordCount_);
  const lzss::Bytes stream =
      lzss::Encode(std::span(reinterpret_cast<const std::uint8_t*>(dump.data()), dump.size()));
  AppendProgramStream(stream, image);
}

}  // namespace kau
