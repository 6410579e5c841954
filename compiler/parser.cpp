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
IntList BeginLines;

namespace {

using namespace parse_tables;

int ParseErrorFlag = 0;
std::int32_t ParseErrorLine = 0;
std::string ParseMessage;
int lineOfLastToken = 0;   // for faults met outside the lexer's reach

// The kinds whose (value, value2, line) triples the translator reads.
constexpr int ValuedTokenKinds[] = {
    TK_PROGRAM, TK_ID, TK_NUM, TK_BOOLCONST, TK_STRLIT, TK_CHARLIT, TK_ADDOP,
    TK_ARRAY, TK_STRING, TK_INTEGER, TK_CHAR, TK_BOOLEAN, TK_REAL, TK_TEXT,
    TK_FILEOP, TK_INCDECNEW, TK_CRTCMD, TK_RELOP, TK_MULOP, TK_STDFUNC,
};

bool isValuedKind(int kind) {
  for (int valued : ValuedTokenKinds)
    if (valued == kind) return true;
  return false;
}

void fail(std::string message, int line) {
  ParseErrorFlag = 1;
  ParseMessage = std::move(message);
  ParseErrorLine = line;
}

// A fault of the parser itself (tables or memory), reported like the other
// compile errors instead of ending the process.
void failInternally(const char* utf8Detail, int line) noexcept {
  ParseErrorFlag = 1;
  ParseErrorLine = line;
  try {
    ParseMessage = AppendNumberText(text::cp1252(" => Erro interno do compilador na linha "), line) +
                   text::cp1252(std::string("...# => ") + utf8Detail);
  } catch (...) {
    ParseMessage.clear();   // not even the message fits: the flag still tells
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
  } else if (kind == TK_BEGIN) {
    BeginLines.Append(lexer.GetLine());
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
  while (ParseErrorFlag == 0) {
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
  if (ParseErrorFlag == 0) BuildProductionList(reductions, lexer.GetLine());
}

}  // namespace

int ParseProgram(const char* text) {
  ParseErrorFlag = 0;
  ParseErrorLine = 0;
  ParseMessage.clear();
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
  if (ParseErrorFlag != 0) FreeProductionList();
  return ParseErrorFlag;
}

std::string GetParseMessage() { return ParseMessage; }
std::int32_t GetParseErrorLine() { return ParseErrorLine; }
std::int32_t PopInt(IntList& list) { return list.PopFront(); }
void FreeValueQueue() {
  ValueQueue.Free();
  BeginLines.Free();
}
void FreeProductionList() { ProductionList.Free(); }

}  // namespace kau
