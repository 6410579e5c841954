#include "compiler/parser.h"

#include <new>
#include <utility>
#include <vector>

#include "compiler/error_messages.h"
#include "compiler/lexico.h"
#include "compiler/parse_tables.h"
#include "compiler/syntax_error.h"
#include "compiler/token_kinds.h"
#include "text/code_pages.h"

namespace kau {

IntList ValueQueue;
IntList ProductionList;

namespace {

using namespace parse_tables;

int parseErrorFlag = 0;
std::int32_t parseErrorLine = 0;
std::string parseMessage;
int lineOfLastToken = 0;   // for faults met outside the lexer's reach

bool isValuedKind(int kind) {
  switch (kind) {
    case TK_PROGRAM: case TK_ID: case TK_NUM: case TK_BOOLCONST: case TK_STRLIT:
    case TK_CHARLIT: case TK_ADDOP: case TK_ARRAY: case TK_STRING: case TK_INTEGER:
    case TK_CHAR: case TK_BOOLEAN: case TK_REAL: case TK_TEXT: case TK_FILEOP:
    case TK_INCDECNEW: case TK_CRTCMD: case TK_RELOP: case TK_MULOP: case TK_STDFUNC:
      return true;
    default:
      return false;
  }
}

void fail(std::string message, int line) {
  parseErrorFlag = 1;
  parseMessage = std::move(message);
  parseErrorLine = line;
}

// A fault of the parser itself (tables or memory), reported like the other
// compile errors instead of ending the process.
void failInternally(const char* utf8Detail, int line) noexcept {
  parseErrorFlag = 1;
  parseErrorLine = line;
  try {
    parseMessage = AppendNumberText(text::cp1252(" => Erro interno do compilador na linha "), line) +
                   text::cp1252(std::string("...# => ") + utf8Detail);
  } catch (...) {
    parseMessage.clear();   // not even the message fits: the flag still tells
  }
}

constexpr const char* kTablesFault = "Tabela da análise sintática incompleta!";
constexpr const char* kMemoryFault = "Memória insuficiente para compilar o programa!";
constexpr const char* kUnexpectedFault = "Falha inesperada na análise sintática!";

// Reads the next token. A lexical error ends the parse with the lexer's
// message; a valued token queues its (value, value2, line) triple.
int readToken(Lexico& lexer) {
  const int kind = lexer.ReadToken();
  lineOfLastToken = lexer.GetLine();
  if (lexer.HasError()) {
    fail(lexer.GetErrorMessage(), lexer.GetLine());
  } else if (isValuedKind(kind)) {
    ValueQueue.Append(lexer.GetValue());
    ValueQueue.Append(lexer.GetValue2());
    ValueQueue.Append(lexer.GetLine());
  }
  return kind;
}

// Turns the reductions, in the order in which they were made, into the
// derivation's pre-order: each production is followed by the subtrees of the
// nonterminals of its right side, left to right. Only productions whose left
// side has alternatives are kept. The tree is walked with an explicit stack so
// that deep nesting cannot exhaust the native one. False when the reductions
// do not form exactly one tree.
bool BuildProductionList(std::vector<std::int16_t>& reductions, int line) {
  struct Pending {
    int production;
    int childrenLeft;
  };
  std::vector<Pending> pending;
  std::vector<std::int32_t> reversedList;   // right to left, parents after children
  reversedList.reserve(reductions.size());
  auto take = [&]() {
    const int p = reductions.back();
    reductions.pop_back();
    pending.push_back({p, RightSideNonterminals[p]});
  };
  if (reductions.empty()) {
    failInternally(kTablesFault, line);
    return false;
  }
  take();
  while (!pending.empty()) {
    if (pending.back().childrenLeft > 0) {
      --pending.back().childrenLeft;
      if (reductions.empty()) {
        failInternally(kTablesFault, line);
        return false;
      }
      take();   // the rightmost child still to do was the latest reduction
      continue;
    }
    const int p = pending.back().production;
    pending.pop_back();
    if (AlternativeCount[LeftSide[p]] >= 2) reversedList.push_back(p);
  }
  if (!reductions.empty()) {
    failInternally(kTablesFault, line);
    return false;
  }
  for (auto it = reversedList.rbegin(); it != reversedList.rend(); ++it) ProductionList.Append(*it);
  return true;
}

void parse(const char* text) {
  std::vector<std::int32_t> states{0};
  std::vector<std::int16_t> reductions;
  PreviousToken previous;
  Lexico lexer(text);
  int kind = readToken(lexer);
  while (parseErrorFlag == 0) {
    const int state = states.back();
    const std::int32_t action = kind >= 1 && kind <= kTokenKindCount ? ActionTable[state][kind] : kErrorAction;
    if (action == kAcceptAction) break;
    if (action >= kShiftBase) {
      states.push_back(action - kShiftBase);
      previous = PreviousToken{true, kind, lexer.GetLine()};
      kind = readToken(lexer);
    } else if (action > kReduceBase) {
      const int p = action - kReduceBase;
      if (p > kProductionCount || RightSideLength[p] >= states.size()) {
        failInternally(kTablesFault, lexer.GetLine());
        break;
      }
      states.resize(states.size() - RightSideLength[p]);
      const int target = GotoLookup(states.back(), LeftSide[p]);
      if (target < 0) {
        failInternally(kTablesFault, lexer.GetLine());
        break;
      }
      states.push_back(target);
      reductions.push_back(static_cast<std::int16_t>(p));
    } else {
      const UnexpectedToken token{kind, lexer.GetValue(), lexer.GetTokenText(), lexer.GetLine()};
      const SyntaxErrorReport report = ReportSyntaxError(token, previous);
      fail(report.message, report.line);
    }
  }
  if (parseErrorFlag == 0) BuildProductionList(reductions, lexer.GetLine());
}

}  // namespace

int ParseProgram(const char* text) {
  parseErrorFlag = 0;
  parseErrorLine = 0;
  parseMessage.clear();
  lineOfLastToken = 0;
  // Whatever an earlier compilation left behind is not this program's.
  FreeValueQueue();
  FreeProductionList();
  try {
    parse(text != nullptr ? text : "");
  } catch (const std::bad_alloc&) {
    failInternally(kMemoryFault, lineOfLastToken);
  } catch (...) {
    failInternally(kUnexpectedFault, lineOfLastToken);
  }
  if (parseErrorFlag != 0) FreeProductionList();
  return parseErrorFlag;
}

std::string GetParseMessage() { return parseMessage; }
std::int32_t GetParseErrorLine() { return parseErrorLine; }
std::int32_t PopInt(IntList& list) { return list.PopFront(); }
void FreeValueQueue() { ValueQueue.Free(); }
void FreeProductionList() { ProductionList.Free(); }

}  // namespace kau
