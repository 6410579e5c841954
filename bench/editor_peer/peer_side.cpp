#include "bench/editor_peer/peer_side.h"

#include <QFont>

namespace kau::bench {

PeerSide::PeerSide() {
  QFont font("Courier New");
  font.setPointSize(10);  // 13 pixels high at 96 dots per inch, as our control's font
  lexer_.setFont(font);
  lexer_.setFoldComments(true);
  editor_.setLexer(&lexer_);
  editor_.setFolding(QsciScintilla::BoxedTreeFoldStyle);
  editor_.setBraceMatching(QsciScintilla::SloppyBraceMatch);
  editor_.setMarginsFont(font);
  editor_.setMarginLineNumbers(0, true);
  editor_.setMarginWidth(0, "0000000");
}

void PeerSide::Load(const std::string& text) {
  editor_.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, text.c_str());
  editor_.SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
}

void PeerSide::GoToLine(int line) { editor_.SendScintilla(QsciScintillaBase::SCI_GOTOLINE, line - 1UL); }

int PeerSide::LineCount() const {
  return static_cast<int>(editor_.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT));
}

int PeerSide::FindAll(const std::string& pattern) {
  int found = 0;
  if (!editor_.findFirst(QString::fromLatin1(pattern), false, true, false, false)) return 0;
  do ++found;
  while (editor_.findNext());
  return found;
}

int PeerSide::ReplaceAll(const std::string& pattern, const std::string& replacement) {
  using Base = QsciScintillaBase;
  const long mask = editor_.SendScintilla(Base::SCI_GETMODEVENTMASK);
  editor_.SendScintilla(Base::SCI_SETMODEVENTMASK, 0UL);
  editor_.SendScintilla(Base::SCI_SETSEARCHFLAGS, static_cast<unsigned long>(Base::SCFIND_MATCHCASE));
  editor_.SendScintilla(Base::SCI_BEGINUNDOACTION);
  int replaced = 0;
  long start = 0;
  for (;;) {
    editor_.SendScintilla(Base::SCI_SETTARGETRANGE, static_cast<unsigned long>(start),
                          editor_.SendScintilla(Base::SCI_GETLENGTH));
    if (editor_.SendScintilla(Base::SCI_SEARCHINTARGET, pattern.size(), pattern.c_str()) < 0) break;
    editor_.SendScintilla(Base::SCI_REPLACETARGET, replacement.size(), replacement.c_str());
    start = editor_.SendScintilla(Base::SCI_GETTARGETEND);
    ++replaced;
  }
  editor_.SendScintilla(Base::SCI_ENDUNDOACTION);
  editor_.SendScintilla(Base::SCI_SETMODEVENTMASK, static_cast<unsigned long>(mask));
  return replaced;
}

bool PeerSide::CanUndo() const { return editor_.SendScintilla(QsciScintillaBase::SCI_CANUNDO) != 0; }

// Untimed, so the fastest: each of the changes an undo takes back would
// otherwise go to the accessibility layer one by one.
void PeerSide::Undo() {
  const long mask = editor_.SendScintilla(QsciScintillaBase::SCI_GETMODEVENTMASK);
  editor_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, 0UL);
  editor_.SendScintilla(QsciScintillaBase::SCI_UNDO);
  editor_.SendScintilla(QsciScintillaBase::SCI_SETMODEVENTMASK, static_cast<unsigned long>(mask));
}

}  // namespace kau::bench
