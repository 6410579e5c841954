#include "interpreter/generated_executable.h"

#include "interpreter/arquivo_compilado.h"
#include "interpreter/executable_file.h"
#include "interpreter/lzss.h"
#include "interpreter/run_time_image.h"
#include "text/code_pages.h"

namespace kau {

bool GenerateExecutable(const std::string& path, const Word* code, int wordCount, std::string& errorText) {
  lzss::Bytes image;
  std::string codecMessage;
  if (lzss::Decode(RunTimeImage(), image, codecMessage) != lzss::DecodeStatus::Ok) {
    errorText = ExecutableErrorHeader() + "#" + text::cp1252(" => O programa de execução armazenado está danificado!");
    return false;
  }
  ArquivoCompilado(code, wordCount).Write(image);
  return WriteExecutableFile(path, image, errorText);
}

}  // namespace kau
