// The help: a topic for every reserved word, lookup in any case, links that
// resolve, the message page against the code that makes the messages.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>

#include "compiler/error_messages.h"
#include "compiler/reserved_words.h"
#include "ide/help_messages_page.h"
#include "ide/help_pages.h"
#include "ide/help_window.h"
#include "interpreter/runtime_errors.h"
#include "tests/support/hang_bound.h"
#include "text/code_pages.h"

namespace kau::ide::testing {
namespace {

QString fileOf(const HelpWindow& window) { return window.browser()->source().fileName(); }

TEST(HelpTest, EveryReservedWordHasATopic) {
  const std::vector<std::string_view> words = ReservedWordSpellings();
  EXPECT_EQ(words.size(), 95u);
  for (std::string_view word : words) {
    const QString id = QString::fromLatin1(word.data(), qsizetype(word.size()));
    ASSERT_EQ(FindHelpTopic(id), id);
    const std::optional<QString> page = HelpPageHtml(id);
    ASSERT_TRUE(page.has_value()) << word;
    EXPECT_TRUE(page->contains("<h2>" + id + "</h2>")) << word;
    EXPECT_TRUE(page->contains("<b>Sintaxe:</b>")) << word;
    EXPECT_TRUE(page->contains("<pre>")) << word;
  }
}

// Each topic's example is a whole program that the compiler accepts.
TEST(HelpTest, EveryExampleCompiles) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QRegularExpression pre("<pre>(.*)</pre>", QRegularExpression::DotMatchesEverythingOption);
  for (std::string_view word : ReservedWordSpellings()) {
    const QString id = QString::fromLatin1(word.data(), qsizetype(word.size()));
    const QRegularExpressionMatch example = pre.match(HelpPageHtml(id).value_or(QString()));
    ASSERT_TRUE(example.hasMatch()) << word;
    QTextDocument document;
    document.setHtml("<pre>" + example.captured(1) + "</pre>");
    QFile source(dir.filePath("exemplo.pas"));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly | QIODevice::Truncate));
    source.write(document.toPlainText().toUtf8());
    source.close();
    QProcess kauc;
    kauc.start(KAUC_PATH, {"dump", source.fileName()});
    ASSERT_TRUE(kauc.waitForFinished(kau::testing::kHangMilliseconds)) << word;
    EXPECT_EQ(kauc.exitCode(), 0) << word << ": " << kauc.readAllStandardError().toStdString();
  }
}

TEST(HelpTest, WordsMatchTopicsInAnyCase) {
  const struct {
    const char* word;
    std::optional<QString> topic;
  } cases[] = {
      {"writeln", "WRITELN"}, {"WriteLn", "WRITELN"}, {" WRITELN ", "WRITELN"}, {"t_picos", "T_picos"},
      {"mensagens", "Mensagens"}, {"uses", std::nullopt}, {"x", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(FindHelpTopic(c.word), c.topic) << c.word;
}

TEST(HelpTest, EveryLinkResolvesAndTheIndexListsEveryTopic) {
  const QRegularExpression href("href=\"([^\"]*)\"");
  const QStringList ids = HelpTopicIds();
  const QString index = HelpPageHtml(kIndexTopic).value_or(QString());
  for (const QString& id : ids) {
    const std::optional<QString> page = HelpPageHtml(id);
    ASSERT_TRUE(page.has_value()) << id.toStdString();
    for (const QRegularExpressionMatch& link : href.globalMatch(*page)) {
      const QString target = link.captured(1);
      ASSERT_TRUE(target.endsWith(".html")) << id.toStdString() << " -> " << target.toStdString();
      EXPECT_TRUE(HelpPageHtml(target.chopped(5)).has_value()) << id.toStdString() << " -> " << target.toStdString();
    }
    if (id != kIndexTopic) {
      EXPECT_TRUE(index.contains("href=\"" + id + ".html\"")) << id.toStdString();
    }
  }
}

TEST(HelpTest, WindowShowsTopicsContentsAndIndex) {
  HelpWindow window;
  EXPECT_EQ(window.windowTitle(), "Ajuda do Pascal KAU!");

  window.ShowTopic("xyz");
  EXPECT_EQ(fileOf(window), "T_picos.html");
  EXPECT_EQ(window.notice(), QString::fromUtf8("Não há tópico de ajuda para “xyz”."));

  window.ShowTopic("writeLn");
  EXPECT_EQ(fileOf(window), "WRITELN.html");
  EXPECT_TRUE(window.notice().isEmpty());
  EXPECT_TRUE(window.browser()->toPlainText().contains("writeln(expressão"));

  window.ShowIndex();
  EXPECT_EQ(fileOf(window), "Indice.html");
  window.findChild<QAction*>("HelpBack")->trigger();
  EXPECT_EQ(fileOf(window), "WRITELN.html");
  window.findChild<QAction*>("HelpForward")->trigger();
  EXPECT_EQ(fileOf(window), "Indice.html");
  window.findChild<QAction*>("HelpHome")->trigger();
  EXPECT_EQ(fileOf(window), "T_picos.html");

  window.ShowTopic("");
  EXPECT_EQ(fileOf(window), "T_picos.html");
  EXPECT_EQ(window.notice(), QString::fromUtf8("Não há tópico de ajuda para “”."));
}

// The page as plain text, with each placeholder turned into its sample.
QString messagesPageWithSamples() {
  QString html = MessagesPageHtml();
  for (const MessagePlaceholder& p : kMessagePlaceholders)
    html.replace("<i>" + QString::fromUtf8(p.shown) + "</i>", QString::fromUtf8(p.sample));
  QTextDocument document;
  document.setHtml(html);
  return document.toPlainText().simplified();
}

TEST(HelpTest, MessagesPageHoldsEveryMessageOfTheCode) {
  const QString page = messagesPageWithSamples();
  const auto expectListed = [&](const std::string& cp1252) {
    const QString message = QString::fromStdString(text::cp1252ToUtf8(cp1252));
    for (const QString& part : message.split('#'))
      if (!part.trimmed().isEmpty()) {
        EXPECT_TRUE(page.contains(part.simplified())) << message.toStdString();
      }
  };
  for (int code = 1; code <= 12; ++code) expectListed(LexicalErrorMessage(code, 12, '%'));
  for (int kind = 1; kind <= 4; ++kind) expectListed(SyntaxErrorMessage(kind, 12, "xyz"));
  for (int code = 1; code <= kLastSemanticErrorCode; ++code) {
    if (code >= 3 && code <= 5) {
      expectListed(SemanticErrorMessage(code, 12, "F", "def"));
      expectListed(SemanticErrorMessage(code, 12, "R", "def"));
    } else {
      expectListed(SemanticErrorMessage(code, 12, "abc", "def"));
    }
  }
  for (int code = 1; code <= 30; ++code) expectListed(RuntimeErrorText(code, 99));
  expectListed(CtrlCText());
  EXPECT_TRUE(page.contains(QString::fromUtf8("=> Divisão por Zero!")));
}

TEST(HelpTest, Screenshots) {
  HelpWindow window;
  ASSERT_TRUE(QDir().mkpath(SCREENSHOT_DIR));
  const auto save = [&](const char* word, const char* name) {
    window.ShowTopic(word);
    QCoreApplication::processEvents();  // lays out the notice shown or hidden
    EXPECT_TRUE(window.grab().save(QString(SCREENSHOT_DIR) + "/" + name + ".png")) << name;
  };
  save("writeln", "help_writeln");
  save("uses", "help_contents");
  save("mensagens", "help_messages");
}

}  // namespace
}  // namespace kau::ide::testing
