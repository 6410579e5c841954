// The command processor and the built-in commands: caret moves, page moves,
// scrolling by a line, selecting everything, insert and selection modes.
// The editing commands live in edit_commands.cpp.
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/control/text_commands.h"

namespace kau::editor {

void TCustomSynEdit::CommandProcessor(TSynEditorCommand Command, char AChar, void* Data) {
  DoOnProcessCommand(Command, AChar, Data);
  if (Command != ecNone) {
    NotifyHookedCommandHandlers(false, Command, AChar, Data);
    if (Command >= 1 && Command < ecUserFirst) {
      const TPoint caret = CaretXY();
      ExecuteCommand(Command, AChar, Data);
      // Typing after a command that moved the caret without changing the
      // text (a jump, a scroll that drags the caret along) starts a new undo
      // group, as it does after a caret key.
      if (!ChangesText(Command) && CaretXY() != caret) EndUndoGroup();
    }
    if (Command != ecNone) NotifyHookedCommandHandlers(true, Command, AChar, Data);
  }
  DoOnCommandProcessed(Command, AChar, Data);
}

void TCustomSynEdit::DoOnProcessCommand(TSynEditorCommand& Command, char& AChar, void* Data) {
  if (Command < ecUserFirst) {
    if (OnProcessCommand) OnProcessCommand(this, Command, AChar, Data);
  } else if (OnProcessUserCommand) {
    OnProcessUserCommand(this, Command, AChar, Data);
  }
}

void TCustomSynEdit::DoOnCommandProcessed(TSynEditorCommand Command, char AChar, void* Data) {
  if (OnCommandProcessed) OnCommandProcessed(this, Command, AChar, Data);
}

void TCustomSynEdit::ExecuteCommand(TSynEditorCommand Command, char AChar, void* Data) {
  PaintLockGuard lock(*this);
  const bool extend = Command >= ecSelection + ecLeft && Command <= ecSelection + ecGotoXY;
  const TSynEditorCommand base = extend ? static_cast<TSynEditorCommand>(Command - ecSelection) : Command;
  const auto lineEnd = [this](int Line) {
    return ClampToInt(std::int64_t{LineLength(Line)} + 1);
  };
  switch (base) {
    case ecLeft:
      MoveCaretHorz(-1, extend);
      break;
    case ecRight:
      MoveCaretHorz(1, extend);
      break;
    case ecUp:
    case ecDown:
      MoveCaretVert(base == ecUp ? -1 : 1, extend);
      Update();
      break;
    case ecWordLeft:
      MoveCaretAndSelection(CaretXY(), PrevWordPos(), extend);
      break;
    case ecWordRight:
      MoveCaretAndSelection(CaretXY(), NextWordPos(), extend);
      break;
    case ecLineStart:
      DoHomeKey(extend);
      break;
    case ecLineEnd:
      MoveCaretAndSelection(CaretXY(), {lineEnd(fCaretY), fCaretY}, extend);
      break;
    case ecPageUp:
    case ecPageDown: {
      int delta = fLinesInWindow;
      if (fOptions & eoHalfPageScroll) delta >>= 1;
      if (fOptions & eoScrollByOneLess) --delta;
      if (base == ecPageUp) delta = -delta;
      SetTopLine(ClampToInt(std::int64_t{fTopLine} + delta));
      MoveCaretVert(delta, extend);
      Update();
      break;
    }
    case ecPageLeft:
    case ecPageRight:
      MoveCaretHorz(base == ecPageLeft ? -fCharsInWindow : fCharsInWindow, extend);
      break;
    case ecPageTop:
      MoveCaretAndSelection(CaretXY(), {fCaretX, fTopLine}, extend);
      Update();
      break;
    case ecPageBottom:
      MoveCaretAndSelection(CaretXY(), {fCaretX, ClampToInt(std::int64_t{fTopLine} + fLinesInWindow - 1)}, extend);
      Update();
      break;
    case ecEditorTop:
      MoveCaretAndSelection(CaretXY(), {1, 1}, extend);
      Update();
      break;
    case ecEditorBottom:
      MoveCaretAndSelection(CaretXY(), {lineEnd(LineCount()), LineCount()}, extend);
      Update();
      break;
    case ecGotoXY:
      if (Data) {
        MoveCaretAndSelection(CaretXY(), *static_cast<const TPoint*>(Data), extend);
        Update();
      }
      break;
    case ecSelectAll:
      SelectAll();
      break;
    case ecScrollUp:
    case ecScrollDown:
      if (fCaretY < fTopLine || std::int64_t{fCaretY} > std::int64_t{fTopLine} + fLinesInWindow - 1) {
        EnsureCursorPosVisible();
        break;
      }
      // The caret stays in the window; the selection anchor stays put.
      if (base == ecScrollDown) {
        SetTopLine(ClampToInt(std::int64_t{fTopLine} + 1));
        if (fCaretY < fTopLine) InternalSetCaretY(fTopLine);
      } else {
        SetTopLine(fTopLine - 1);
        const int lastVisible = ClampToInt(std::int64_t{fTopLine} + fLinesInWindow - 1);
        if (fCaretY > lastVisible) InternalSetCaretY(lastVisible);
      }
      EnsureCursorPosVisible();
      Update();
      break;
    case ecScrollLeft:
    case ecScrollRight:
      SetLeftChar(ClampToInt(std::int64_t{fLeftChar} + (base == ecScrollLeft ? -1 : 1)));
      Update();
      break;
    case ecInsertMode:
      SetInsertMode(true);
      break;
    case ecOverwriteMode:
      SetInsertMode(false);
      break;
    case ecToggleMode:
      SetInsertMode(!fInserting);
      break;
    case ecNormalSelect:
      SetSelectionMode(smNormal);
      break;
    case ecColumnSelect:
      SetSelectionMode(smColumn);
      break;
    case ecLineSelect:
      SetSelectionMode(smLine);
      break;
    default:
      ExecuteEditCommand(Command, AChar, Data);
      break;
  }
}

}  // namespace kau::editor
