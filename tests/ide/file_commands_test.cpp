// The file commands through the main window: New, the recent files and
// their settings, Save As onto an existing file, a failed save, Close and
// printing to a PDF file. Each test has its own settings folder.
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTemporaryDir>
#include <functional>

#include "ide/app_setup.h"
#include "ide/editor_control_host.h"
#include "ide/form_editor.h"
#include "main_window_fixture.h"
#include "modal_answerer.h"
#include "test_env.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_system.h"
#include "tests/support/hang_bound.h"

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace kau::ide::testing {
namespace {

const QString kNo = QString::fromUtf8("Não");
const QByteArray kProgram = "program p;\nbegin\nend.\n";

class FileCommandsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(config_.isValid() && folder_.isValid());
    MainWindowTest::SetUp();
    main_->show();  // its first showing runs New
  }
  QString file(const QString& name, const QByteArray& text = "program p;\nbegin\nend.\n") {
    return WriteFile(folder_.filePath(name), text);
  }
  QString settingsPath() const { return config_.filePath("pascalkau/pascalkau.ini"); }
  QStringList stored() const {
    QSettings settings(settingsPath(), QSettings::IniFormat);
    QStringList values;
    for (int n = 1; n <= 5; ++n) values << settings.value(QString("File%1").arg(n)).toString();
    return values;
  }
  QStringList shownRecent() const {
    QStringList texts;
    for (QAction* item : widget<QMenu>("MnArquivoAbrirArquivo")->actions())
      if (item->isVisible()) texts << item->text();
    return texts;
  }
  TFormEditor& active() const { return *main_->ActiveEditorWindow(); }
  RichEditControl& edit() const { return active().RichEdit1(); }
  // The shown item of the recent-files list that opens `path`, if any.
  QAction* recentItem(const QString& path) const {
    for (const char* name : {"ARQ1", "ARQ2", "ARQ3", "ARQ4", "ARQ5"})
      if (action(name)->isVisible() && action(name)->data().toString() == path) return action(name);
    return nullptr;
  }

  QTemporaryDir config_;
  QTemporaryDir folder_;
  // Before the main window, which reads its recent files when made.
  ScopedEnv configHome_{"XDG_CONFIG_HOME", config_.path().toLocal8Bit()};
};

TEST_F(FileCommandsTest, NewGivesTheSkeletonAndNeverDropsAModifiedUntitled) {
  EXPECT_EQ(edit().Lines().GetCount(), 4);
  const char* skeleton[] = {"Program Talo ;", " Begin", "  ", " End."};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(edit().LineText(i + 1), skeleton[i]);
  EXPECT_EQ(edit().CaretX(), 4);
  EXPECT_EQ(edit().CaretY(), 3);
  EXPECT_EQ(main_->statusPanelText(0), QString::fromUtf8(" Linha 3 : Posição 4"));
  EXPECT_EQ(active().windowTitle(), "Untitled");

  // An unmodified Untitled behind another window gets the skeleton again.
  TFormEditor* untitled = &active();
  edit().Lines().Add("x");
  edit().SetModified(false);
  main_->OpenInEditor(file("other.pas"));
  main_->NovoExecute();
  EXPECT_EQ(&active(), untitled);
  EXPECT_EQ(edit().Lines().GetCount(), 4);

  // Modified behind another window: Save As comes first; Cancel keeps it all.
  edit().Lines().Add("typed");
  edit().SetModified(true);
  main_->OpenInEditor(folder_.filePath("other.pas"));
  auto cancelled = AnswerFileDialog({});
  main_->NovoExecute();
  EXPECT_TRUE(cancelled->seen);
  EXPECT_EQ(&active(), untitled);
  EXPECT_EQ(edit().LineText(5), "typed");
  EXPECT_TRUE(edit().Modified());
  EXPECT_EQ(main_->EditorWindowList().size(), 2);

  // Saved, it keeps its text under its new name and New opens a fresh one.
  auto saved = AnswerFileDialog(folder_.filePath("kept"));
  main_->NovoExecute();
  EXPECT_EQ(untitled->GetFileName(), folder_.filePath("kept.pas"));
  EXPECT_TRUE(FileContents(folder_.filePath("kept.pas")).contains("typed"));
  EXPECT_EQ(main_->EditorWindowList().size(), 3);
  EXPECT_EQ(active().GetFileName(), "Untitled");
  EXPECT_EQ(edit().Lines().GetCount(), 4);
}

TEST_F(FileCommandsTest, RecentFilesFollowEveryOpenAndSave) {
  EXPECT_FALSE(widget<QMenu>("MnArquivoAbrirArquivo")->menuAction()->isVisible());
  QStringList paths;
  for (int i = 1; i <= 6; ++i) paths << file(QString("f%1.pas").arg(i));
  auto opened = AnswerFileDialog(paths[0]);
  main_->MnArquivoAbrirClick();
  EXPECT_TRUE(opened->seen);
  for (int i = 1; i < 6; ++i) main_->ExplorerFileChosen(paths[i]);
  QStringList expected, menu;
  for (int n = 1; n <= 5; ++n) {
    expected << QString("&%1 ").arg(n) + paths[n];
    menu << QString("&%1 ").arg(n) + paths[n];
  }
  EXPECT_EQ(stored(), expected);
  EXPECT_EQ(shownRecent(), menu);
  EXPECT_TRUE(widget<QMenu>("MnArquivoAbrirArquivo")->menuAction()->isVisible());
  EXPECT_EQ(button("BtnAbrir")->menu(), widget<QMenu>("arquivosBotaoAbrir"));

  // The open button's drop-down mirrors the items.
  main_->arquivosBotaoAbrirPopup();
  EXPECT_EQ(action("Arq21")->text(), menu[1]);
  EXPECT_TRUE(action("Arq51")->isVisible());

  // Reopening entry 2 moves it to the top (the highest number).
  action("ARQ2")->trigger();
  EXPECT_EQ(active().GetFileName(), paths[2]);
  EXPECT_EQ(stored()[4], "&5 " + paths[2]);
  EXPECT_EQ(stored()[1], "&2 " + paths[3]);

  // A file that is gone: the message, and its entry stays.
  QFile::remove(paths[1]);
  auto told = AnswerNextModal("OK");
  action("ARQ1")->trigger();
  EXPECT_EQ(told->text, QString::fromUtf8("O arquivo ") + paths[1] + QString::fromUtf8(" não exite!"));
  EXPECT_EQ(stored()[0], "&1 " + paths[1]);

  // Saving enters the file too.
  main_->OpenInEditor(paths[0]);
  main_->MnArquivoSalvarClick();
  EXPECT_EQ(stored()[4], "&5 " + paths[0]);
}

// A program open with unsaved text, opened again by another path to the
// same file: its folder through a link, its folder spelt with "..", a link
// to the file itself, the recent-files entry left by an earlier opening
// through the link. Each brings back its window with the text still there,
// no second window opens, and Ctrl+S writes the text to the file.
TEST_F(FileCommandsTest, AFileOpenedByAnotherPathBringsBackItsWindow) {
  ASSERT_TRUE(QDir(folder_.path()).mkdir("work"));
  const QString program = file("work/b.pas");
  const QString throughLink = folder_.filePath("atalho/b.pas");
  ASSERT_TRUE(QFile::link(folder_.filePath("work"), folder_.filePath("atalho")));
  ASSERT_TRUE(QFile::link(program, folder_.filePath("ligado.pas")));
  main_->ExplorerFileChosen(throughLink);
  main_->MnArquivoFecharClick();
  main_->ExplorerFileChosen(program);
  TFormEditor* window = &active();
  QTest::keyClick(&window->Host(), Qt::Key_X);
  ASSERT_EQ(edit().LineText(1), "xprogram p;");
  const qsizetype windows = main_->EditorWindowList().size();
  const struct {
    const char* way;
    std::function<void()> open;
  } ways[] = {
      {"the Open dialog, through the link to the folder",
       [&] {
         auto chosen = AnswerFileDialog(throughLink);
         main_->MnArquivoAbrirClick();
         EXPECT_TRUE(chosen->seen);
       }},
      {"the explorer, the folder spelt with ..",
       [&] { main_->ExplorerFileChosen(folder_.filePath("work/../work/b.pas")); }},
      {"the explorer, a link to the file", [&] { main_->ExplorerFileChosen(folder_.filePath("ligado.pas")); }},
      {"the recent-files list, through the link",
       [&] {
         QAction* item = recentItem(throughLink);
         ASSERT_NE(item, nullptr);
         item->trigger();
       }},
  };
  for (const auto& w : ways) {
    SCOPED_TRACE(w.way);
    main_->ActivateEditorAt(0);
    ASSERT_NE(&active(), window);
    w.open();
    EXPECT_EQ(&active(), window);
    EXPECT_EQ(main_->EditorWindowList().size(), windows);
    EXPECT_EQ(active().GetFileName(), program);
    EXPECT_EQ(edit().LineText(1), "xprogram p;");
    EXPECT_TRUE(edit().Modified());
    EXPECT_EQ(stored().mid(0, 2), QStringList({"&1 " + throughLink, "&2 " + program}));
  }
  QTest::keyClick(&window->Host(), Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(FileContents(program), "xprogram p;\nbegin\nend.\n");
  EXPECT_FALSE(window->RichEdit1().Modified());
}

TEST_F(FileCommandsTest, StoredEntriesAreReadAtStartWithoutGaps) {
  {
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue("File1", "&1 /a/um.pas");
    settings.setValue("File2", "&2");
    settings.setValue("File3", "&3 /b/R&D.pas");
  }
  TFormMain again;
  QStringList texts;
  for (QAction* item : again.findChild<QMenu*>("MnArquivoAbrirArquivo")->actions())
    if (item->isVisible()) texts << item->text();
  EXPECT_EQ(texts, QStringList({"&1 /a/um.pas", "&2 /b/R&&D.pas"}));
  EXPECT_TRUE(again.findChild<QMenu*>("MnArquivoAbrirArquivo")->menuAction()->isVisible());
}

TEST_F(FileCommandsTest, SaveAsOntoAnExistingFileAnsweredNoSavesNothing) {
  const QString existing = file("existing.pas", "old\n");
  edit().Lines().Add("new text");
  edit().SetModified(true);
  std::shared_ptr<ModalSeen> question;
  auto dialog = AnswerFileDialog(existing, [&question] { question = AnswerNextModal(kNo); });
  main_->MnArquivoSalvarComoClick();
  ASSERT_TRUE(question && question->seen);
  EXPECT_EQ(question->text, " Deseja substituir o arquivo existing.pas?");
  EXPECT_FALSE(main_->LastSaveSucceeded());
  EXPECT_EQ(FileContents(existing), "old\n");
  EXPECT_EQ(active().GetFileName(), "Untitled");
  EXPECT_TRUE(edit().Modified());
  EXPECT_FALSE(stored().join(";").contains(existing));

  // Sim writes it and renames the window.
  dialog = AnswerFileDialog(existing, [&question] { question = AnswerNextModal("Sim"); });
  main_->MnArquivoSalvarComoClick();
  EXPECT_TRUE(main_->LastSaveSucceeded());
  EXPECT_TRUE(FileContents(existing).contains("new text"));
  EXPECT_EQ(active().windowTitle(), existing);
  EXPECT_FALSE(edit().Modified());
  EXPECT_EQ(stored()[0], "&1 " + existing);
}

// Save As onto a file that another editor window holds would leave two
// windows on one file, and the later save of either would drop the other's
// text. Whatever path names that file, nothing is written, the student is
// told before any question, and it ends as a cancelled Save As does: a close
// question answered Sim keeps the window. Onto its own file it asks as ever.
TEST_F(FileCommandsTest, SaveAsOntoAFileOpenInAnotherWindowWritesNothing) {
  ASSERT_TRUE(QDir(folder_.path()).mkdir("work"));
  ASSERT_TRUE(QFile::link(folder_.filePath("work"), folder_.filePath("atalho")));
  const QString b = file("work/b.pas", "b\n"), c = file("c.pas", "c\n");
  const auto changed = [this] {
    edit().Lines().Add("changed");
    edit().SetModified(true);
    return &active();
  };
  TFormEditor* untitled = changed();
  ASSERT_TRUE(main_->OpenInEditor(c));
  TFormEditor* windowC = changed();
  ASSERT_TRUE(main_->OpenInEditor(b));
  TFormEditor* windowB = changed();
  const QString told =
      QString::fromUtf8(" O arquivo b.pas está aberto em outra janela. Feche-a antes de gravar por cima dele.");
  const struct {
    const char* way;
    TFormEditor* window;
    std::function<std::shared_ptr<ModalSeen>()> saveAs;  // the box that told
  } ways[] = {
      {"the close question of Untitled answered Sim, b.pas by its own path", untitled,
       [&] {
         std::shared_ptr<ModalSeen> dialog, info;
         auto question = AnswerNextModal("Sim", [&] { dialog = AnswerFileDialog(b, [&] { info = AnswerNextModal("OK"); }); });
         main_->MnArquivoFecharClick();
         return info;
       }},
      {"Salvar Como of c.pas, b.pas through a link to its folder", windowC,
       [&] {
         std::shared_ptr<ModalSeen> info;
         auto dialog = AnswerFileDialog(folder_.filePath("atalho/b.pas"), [&] { info = AnswerNextModal("OK"); });
         main_->MnArquivoSalvarComoClick();
         return info;
       }},
  };
  for (const auto& w : ways) {
    SCOPED_TRACE(w.way);
    const QString name = w.window->GetFileName();
    main_->ativaEditor(w.window);
    const std::shared_ptr<ModalSeen> info = w.saveAs();
    ASSERT_TRUE(info && info->pressed);
    EXPECT_EQ(info->text, told);
    EXPECT_EQ(info->format, Qt::PlainText);
    EXPECT_FALSE(main_->LastSaveSucceeded());
    EXPECT_EQ(main_->EditorWindowList(), QList<TFormEditor*>({untitled, windowC, windowB}));
    EXPECT_EQ(&active(), w.window);
    EXPECT_EQ(w.window->GetFileName(), name);
    EXPECT_TRUE(w.window->RichEdit1().Modified());
    EXPECT_TRUE(windowB->RichEdit1().Modified());
    EXPECT_EQ(FileContents(b), "b\n");
    EXPECT_EQ(FileContents(c), "c\n");
    EXPECT_EQ(QDir(folder_.filePath("work")).entryList(QDir::Files), QStringList({"b.pas"}));
  }

  // Its own file: the question, and Sim writes it.
  main_->ativaEditor(windowB);
  std::shared_ptr<ModalSeen> question;
  auto dialog = AnswerFileDialog(b, [&question] { question = AnswerNextModal("Sim"); });
  main_->MnArquivoSalvarComoClick();
  ASSERT_TRUE(question && question->pressed);
  EXPECT_EQ(question->text, " Deseja substituir o arquivo b.pas?");
  EXPECT_TRUE(main_->LastSaveSucceeded());
  EXPECT_EQ(FileContents(b), "b\nchanged\n");
  EXPECT_FALSE(windowB->RichEdit1().Modified());
}

// A box that holds a file name, or a text typed or from the system, shows
// it as it is: as plain text, its line breaks kept, also when the name looks
// like markup. Each box comes for a file of that path (a "/" in it parts a
// folder from the file's name) in a folder of its own; the name is typed as
// the line to go to.
TEST_F(FileCommandsTest, MessageBoxesShowFileNamesAsTheyAre) {
  struct Shown {
    std::shared_ptr<ModalSeen> box;
    QString text;         // the box's text
    bool reason = false;  // followed by the system's reason
  };
  const struct {
    const char* what;
    std::function<Shown(const QString& typed, const QString& path)> show;
  } boxes[] = {
      {"a recent file that is gone",
       [&](const QString&, const QString& path) {
         main_->ExplorerFileChosen(WriteFile(path, kProgram));
         main_->MnArquivoFecharClick();
         QFile::remove(path);
         auto box = AnswerNextModal("OK");
         if (QAction* item = recentItem(path)) item->trigger();
         return Shown{box, "O arquivo " + path + QString::fromUtf8(" não exite!")};
       }},
      {"Save As onto an existing file",
       [&](const QString&, const QString& path) {
         WriteFile(path, kProgram);
         std::shared_ptr<ModalSeen> box;
         auto dialog = AnswerFileDialog(path, [&box] { box = AnswerNextModal(kNo); });
         main_->MnArquivoSalvarComoClick();
         return Shown{box, " Deseja substituir o arquivo " + QFileInfo(path).fileName() + "?"};
       }},
      {"closing it modified",
       [&](const QString&, const QString& path) {
         main_->OpenInEditor(WriteFile(path, kProgram));
         edit().SetModified(true);
         auto box = AnswerNextModal("Cancelar");
         main_->MnArquivoFecharClick();
         edit().SetModified(false);
         return Shown{box, "O arquivo " + path + QString::fromUtf8(" ainda não foi salvo. \n Deseja salvar agora?")};
       }},
      {"saving it once its folder is gone",
       [&](const QString&, const QString& path) {
         main_->OpenInEditor(WriteFile(path, kProgram));
         QDir(QFileInfo(path).path()).removeRecursively();
         auto box = AnswerNextModal("OK");
         main_->MnArquivoSalvarClick();
         return Shown{box, QString::fromUtf8("Não foi possível salvar o arquivo ") + path + ".\n", true};
       }},
      {"opening a folder of that name",
       [&](const QString&, const QString& path) {
         QDir().mkpath(path);
         auto box = AnswerNextModal("OK");
         main_->OpenInEditor(path);
         return Shown{box, QString::fromUtf8("Não foi possível abrir o arquivo ") + path + ".\n", true};
       }},
      {"saving characters code page 1252 lacks",
       [&](const QString&, const QString& path) {
         main_->OpenInEditor(WriteFile(path, "writeln('\xE4\xB8\xAD');\n"));
         auto box = AnswerNextModal(kNo);
         main_->MnArquivoSalvarClick();
         return Shown{box, " O arquivo " + QFileInfo(path).fileName() +
                               QString::fromUtf8(" tem caracteres que o Pascal KAU! não reconhece.\n Eles aparecem"),
                      true};
       }},
      {"the name typed as the line to go to",
       [&](const QString& typed, const QString&) {
         std::shared_ptr<ModalSeen> box;
         auto asked = AnswerNextModal("OK", [&] {
           qobject_cast<QInputDialog*>(QApplication::activeModalWidget())->setTextValue(typed);
           box = AnswerNextModal("OK");
         });
         main_->MnEditarIrParaLinhaClick();
         return Shown{box, "'" + typed + QString::fromUtf8("' não é um valor inteiro válido.")};
       }},
  };
  int folder = 0;
  for (const QString given : {"<b>x</b>.pas", "a<b.pas"}) {
    for (const auto& b : boxes) {
      SCOPED_TRACE(b.what + (": " + given.toStdString()));
      const QString path = folder_.filePath(QString::number(++folder) + "/" + given);
      ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
      const Shown shown = b.show(given, path);
      ASSERT_TRUE(shown.box && shown.box->pressed);
      EXPECT_EQ(shown.box->format, Qt::PlainText);
      if (shown.reason)
        EXPECT_TRUE(shown.box->text.startsWith(shown.text)) << shown.box->text.toStdString();
      else
        EXPECT_EQ(shown.box->text.toStdString(), shown.text.toStdString());
    }
  }
}

// A folder nobody may write into: read-only, and immutable when the tests
// run as root, who ignores the permissions.
class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(QString path) : path_(std::move(path)) {
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner);
    if (::geteuid() == 0) immutable_ = QProcess::execute("chattr", {"+i", path_}) == 0;
  }
  ~ReadOnlyFolder() {
    if (immutable_) QProcess::execute("chattr", {"-i", path_});
    QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  bool holds() const { return ::geteuid() != 0 || immutable_; }

 private:
  QString path_;
  bool immutable_ = false;
};

TEST_F(FileCommandsTest, AFailedSaveChangesNothingAndQuittingAsksAgain) {
  const QString path = file("prog.pas", "old\n");
  ASSERT_TRUE(main_->OpenInEditor(path));
  main_->UpdateRecentFiles(path);
  const QStringList recentBefore = stored();
  edit().Lines().Add("new");
  edit().SetModified(true);
  ReadOnlyFolder readOnly(folder_.path());
  if (!readOnly.holds()) GTEST_SKIP() << "cannot make a folder unwritable for root here";

  auto told = AnswerNextModal("OK");
  main_->MnArquivoSalvarClick();
  EXPECT_TRUE(told->text.startsWith(QString::fromUtf8("Não foi possível salvar o arquivo ") + path + ".\n"))
      << told->text.toStdString();
  EXPECT_GT(told->text.size(), (QString::fromUtf8("Não foi possível salvar o arquivo ") + path + ".\n").size());
  EXPECT_FALSE(main_->LastSaveSucceeded());
  EXPECT_TRUE(edit().Modified());
  EXPECT_EQ(active().windowTitle(), path + "*");
  EXPECT_EQ(FileContents(path), "old\n");
  EXPECT_EQ(stored(), recentBefore);

  // Close: Sim fails again and the window stays.
  told = AnswerNextModal("Sim", [&told] { told = AnswerNextModal("OK"); });
  main_->MnArquivoFecharClick();
  EXPECT_TRUE(told->seen);
  EXPECT_EQ(&active().RichEdit1(), &edit());
  EXPECT_EQ(active().GetFileName(), path);

  // Quitting: Sim fails, the question comes again, Cancelar keeps it open.
  auto again = std::make_shared<std::shared_ptr<ModalSeen>>();
  auto first = AnswerNextModal("Sim", [again] {
    AnswerNextModal("OK", [again] { *again = AnswerNextModal("Cancelar"); });
  });
  main_->close();
  ASSERT_TRUE(*again);
  EXPECT_TRUE((*again)->seen);
  EXPECT_TRUE((*again)->text.contains(QString::fromUtf8("ainda não foi salvo")));
  EXPECT_TRUE(main_->isVisible());
  EXPECT_EQ(active().GetFileName(), path);
}

TEST_F(FileCommandsTest, CloseAsksForAModifiedFileAndClosesAnUnmodifiedOne) {
  main_->OpenInEditor(file("a.pas"));
  main_->OpenInEditor(file("b.pas"));
  main_->MnArquivoFecharClick();
  EXPECT_EQ(main_->EditorWindowList().size(), 2);
  main_->ActivateEditorAt(1);
  edit().SetModified(true);
  auto cancel = AnswerNextModal("Cancelar");
  main_->MnArquivoFecharClick();
  EXPECT_EQ(cancel->text, "O arquivo " + folder_.filePath("a.pas") +
                              QString::fromUtf8(" ainda não foi salvo. \n Deseja salvar agora?"));
  EXPECT_EQ(main_->EditorWindowList().size(), 2);
  auto no = AnswerNextModal(kNo);
  main_->MnArquivoFecharClick();
  EXPECT_EQ(main_->EditorWindowList().size(), 1);
  EXPECT_EQ(FileContents(folder_.filePath("a.pas")), "program p;\nbegin\nend.\n");
}

// The dialog's "print to file" with a file name typed into it, as a person
// prints without a printer: the PDF holds the text with its line numbers in
// the margin.
TEST_F(FileCommandsTest, PrintToAPdfHoldsTheEditorsText) {
  if (QProcess::execute("sh", {"-c", "command -v pdftotext >/dev/null"}) != 0)
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  // Other tests of this program install the fake back end's fonts.
  platform::QtSystemServices qtFonts;
  main_->OpenInEditor(file("impresso.pas", "program Impresso;\nbegin\n  writeln('Linha impressa');\nend.\n"));
  const QString pdf = folder_.filePath("saida.pdf");
  bool offersPdf = false, pageRange = true;
  auto printed = AnswerNextModal("Imprimir", [&] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    pageRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
    auto* printers = dialog->findChild<QComboBox*>("printers");
    ASSERT_NE(printers, nullptr);
    for (int i = 0; i < printers->count(); ++i)
      if (printers->itemText(i).contains("PDF")) {
        offersPdf = true;
        printers->setCurrentIndex(i);
      }
    auto* name = dialog->findChild<QLineEdit*>("filename");
    ASSERT_NE(name, nullptr);
    name->selectAll();
    QTest::keyClicks(name, pdf);
  });
  ModalRefuser failure(ModalRefuser::kMessageBoxes);
  main_->MnArquivoImprimirClick();
  EXPECT_EQ(failure.Seen().toStdString(), "");
  EXPECT_TRUE(printed->pressed);
  EXPECT_TRUE(offersPdf);
  EXPECT_FALSE(pageRange);
  ASSERT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), QStringList({"impresso.pas", "saida.pdf"}));
  QProcess text;
  text.start("pdftotext", {"-layout", pdf, "-"});
  ASSERT_TRUE(text.waitForFinished(kau::testing::kHangMilliseconds));
  const QString out = QString::fromUtf8(text.readAllStandardOutput());
  for (const char* line : {R"(^ *1: +program Impresso;$)", R"(^ *3: +writeln\('Linha impressa'\);$)", R"(^ *4: +end\.$)"})
    EXPECT_TRUE(out.contains(QRegularExpression(line, QRegularExpression::MultilineOption))) << line << "\n"
                                                                                           << out.toStdString();
}

// The dialog proposes each program's PDF beside it, whatever the last job
// wrote, and for a program never saved what it proposes on its own.
TEST_F(FileCommandsTest, PrintDialogProposesAPdfNamedAfterTheProgram) {
  if (ApplicationPrinter().Device().outputFormat() != QPrinter::PdfFormat) GTEST_SKIP() << "a printer is installed";
  QPrinter fresh;
  fresh.setOutputFormat(QPrinter::PdfFormat);
  const QString qtDefault = QPrintDialog(&fresh).findChild<QLineEdit*>("filename")->text();
  ASSERT_TRUE(QDir(folder_.path()).mkdir("sub"));
  const struct {
    QString program, proposed;
  } cases[] = {{file("sub/prog.pas"), folder_.filePath("sub/prog.pdf")},
               {file("a.b.PAS"), folder_.filePath("a.b.pdf")},
               {QString(), qtDefault}};
  for (const auto& [program, proposed] : cases) {
    if (program.isEmpty()) main_->NovoExecute();
    else main_->OpenInEditor(program);
    QString shown;
    auto cancelled = AnswerNextModal("Cancelar", [&] {
      shown = QApplication::activeModalWidget()->findChild<QLineEdit*>("filename")->text();
    });
    main_->MnArquivoImprimirClick();
    EXPECT_TRUE(cancelled->pressed);
    EXPECT_EQ(shown.toStdString(), proposed.toStdString());
  }
}

TEST_F(FileCommandsTest, FileCommandsDoNothingWithoutAnEditor) {
  main_->CloseEditorWindow();
  ASSERT_EQ(main_->ActiveEditorWindow(), nullptr);
  // Any modal box would be a fault: note it and close it.
  ModalRefuser guard;
  for (auto handler : {&TFormMain::MnArquivoSalvarClick, &TFormMain::MnArquivoSalvarComoClick,
                       &TFormMain::MnArquivoFecharClick, &TFormMain::MnArquivoImprimirClick})
    (main_.get()->*handler)();
  EXPECT_FALSE(guard.ModalShown());
  EXPECT_EQ(main_->ActiveEditorWindow(), nullptr);
}

}  // namespace
}  // namespace kau::ide::testing
