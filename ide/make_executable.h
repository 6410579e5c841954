// The Make-executable command: compiles the active editor's text and writes
// the stand-alone executable beside its file, reporting in the error panel.
// Runs on the GUI thread; the main window supplies its editor and dialogs.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace kau::ide {

class ErrorPanel;

enum class SaveAnswer { Yes, No, Cancel };

struct MakeExecutableHooks {
  bool modified = false;  // the active editor's text was changed since saving
  // The question before saving a modified text (see AskToSaveBeforeMaking).
  std::function<SaveAnswer()> askToSave;
  std::function<void()> save;  // the Save command; its outcome is not looked at
  std::function<void()> explorerNormal;
  std::function<void()> explorerOnTop;
  // Read after the question, since saving may name the file: the editor's
  // whole text (code page 1252) and its file name ("Untitled" when unsaved).
  std::function<std::string()> text;
  std::function<QString()> fileName;
  // "O arquivo executável foi gerado com sucesso!" (see AnnounceExecutableMade).
  std::function<void()> announceSuccess;
};

enum class MakeExecutableResult { Cancelled, EmptyText, Made, Failed };

MakeExecutableResult MakeExecutable(ErrorPanel& panel, const MakeExecutableHooks& hooks);

// The information boxes of the command, as the main window shows them.
SaveAnswer AskToSaveBeforeMaking(QWidget* parent);
void AnnounceExecutableMade(QWidget* parent);

}  // namespace kau::ide
