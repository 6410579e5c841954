#include "interpreter/runtime_errors.h"

#include "text/code_pages.h"

namespace kau {

namespace {

const char* messageOf(int code) {
  switch (code) {
    case kErrorEofOnClosedFile: return " => Arquivo fechado no comando EOF!";
    case kErrorStackOverflow: return " => Estouro de pilha!";
    case kErrorReadClosedFile: return " => Tentativa de leitura em arquivo que não foi aberto!";
    case kErrorBadBoolean: return " => Erro na leitura do valor booleano!";
    case kErrorBadInteger: return " => Inteiro inválido!";
    case kErrorBadReal: return " => Real inválido!";
    case kErrorWriteClosedFile: return " => Tentativa de escrita em arquivo que não foi aberto!";
    case kErrorDivisionByZero: return " => Divisão por Zero!";
    case kErrorResetMissingFile: return " => O arquivo referido no comando RESET não existe!";
    case kErrorAppendMissingFile: return " => O arquivo referido no comando APPEND não existe!";
    case kErrorBadInstruction: return " => Instrução inválida!";
    case kErrorBadEnumeration: return " => Valor inválido para a enumeração!";
    case kErrorFileWriteFailed: return " => Não foi possível gravar no arquivo!";
    case kErrorCloseFailed: return " => Não foi possível gravar o arquivo no comando CLOSE!";
    case kErrorResetFailed: return " => Não foi possível abrir o arquivo no comando RESET!";
    case kErrorRewriteFailed: return " => Não foi possível abrir o arquivo no comando REWRITE!";
    case kErrorAppendFailed: return " => Não foi possível abrir o arquivo no comando APPEND!";
    default: return " => Erro na execução do programa!";
  }
}

}  // namespace

std::string IntToString(long long value) { return std::to_string(value); }

std::string RuntimeErrorText(int code, Word value) {
  std::string utf8 = " => Erro de execução... ...#";
  if (code == kErrorIndexOutOfRange) {
    utf8 += " => O índice na posição " + IntToString(value) + " está fora dos limites do vetor!";
  } else {
    utf8 += messageOf(code);
  }
  return text::cp1252(utf8);
}

std::string CtrlCText() {
  return text::cp1252(" => Detectado CTRL+ C durante a execução do programa! # => A execução foi interrompida!");
}

}  // namespace kau
