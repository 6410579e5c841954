// The find and replace dialogs, offscreen: names, captions and what their
// buttons report.
#include "ide/search_dialogs.h"
#include "tests/support/hang_bound.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace kau::ide {
namespace {

QPushButton* Button(QWidget& dialog, const char* name) {
  return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

TEST(SearchDialogs, FindDialogReportsFindShowAndClose) {
  TFindDialog dialog;
  EXPECT_EQ(dialog.objectName(), "FindDialog1");
  EXPECT_FALSE(dialog.isModal());
  ASSERT_NE(Button(dialog, "FindNextButton"), nullptr);
  EXPECT_EQ(Button(dialog, "FindNextButton")->text(), QString::fromUtf8("Localizar próxima"));
  EXPECT_EQ(Button(dialog, "CancelButton")->text(), "Cancelar");
  QSignalSpy shown(&dialog, &SearchDialog::dialogShown);
  QSignalSpy closed(&dialog, &SearchDialog::dialogClosed);
  QSignalSpy find(&dialog, &SearchDialog::findNext);

  dialog.setFindText("begin");
  dialog.show();
  EXPECT_EQ(shown.count(), 1);
  dialog.findChild<QCheckBox*>("MatchCase")->click();
  EXPECT_TRUE(dialog.matchCase());
  Button(dialog, "FindNextButton")->click();
  EXPECT_EQ(find.count(), 1);
  EXPECT_EQ(dialog.findText(), "begin");
  Button(dialog, "CancelButton")->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(closed.count(), 1);
}

TEST(SearchDialogs, ReplaceDialogReportsItsFourButtons) {
  TReplaceDialog dialog;
  EXPECT_EQ(dialog.objectName(), "ReplaceDialog1");
  const std::pair<const char*, const char*> captions[] = {{"FindNextButton", "Localizar próxima"},
                                                          {"ReplaceButton", "Substituir"},
                                                          {"ReplaceAllButton", "Substituir todas"},
                                                          {"CancelButton", "Cancelar"}};
  for (const auto& [name, caption] : captions) {
    ASSERT_NE(Button(dialog, name), nullptr) << name;
    EXPECT_EQ(Button(dialog, name)->text(), QString::fromUtf8(caption));
  }
  QSignalSpy replace(&dialog, &TReplaceDialog::replace);
  dialog.show();
  dialog.findChild<QLineEdit*>("ReplaceText")->setText("fim");
  Button(dialog, "ReplaceButton")->click();
  Button(dialog, "ReplaceAllButton")->click();
  ASSERT_EQ(replace.count(), 2);
  EXPECT_FALSE(replace.at(0).at(0).toBool());
  EXPECT_TRUE(replace.at(1).at(0).toBool());
  EXPECT_EQ(dialog.replaceText(), "fim");
  EXPECT_EQ(EditorText(QString::fromUtf8("Não")), std::optional<std::string>("N\xE3o"));
  EXPECT_EQ(EditorText(QString::fromUtf8("\u4E2D")), std::nullopt);
}

// The object names that Tab visits from the search text, once round.
std::string TabWalk(SearchDialog& dialog) {
  dialog.show();
  dialog.activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog, kau::testing::kHangMilliseconds));
  QStringList visited;
  for (int i = 0; i < 8; ++i) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || (i > 0 && focus->objectName() == "FindText")) break;
    visited << focus->objectName();
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  return visited.join(' ').toStdString();
}

TEST(SearchDialogs, TabGoesThroughTheFieldsThenTheButtons) {
  TReplaceDialog replace;
  EXPECT_EQ(TabWalk(replace), "FindText ReplaceText FindNextButton ReplaceButton ReplaceAllButton CancelButton");
  TFindDialog find;
  EXPECT_EQ(TabWalk(find), "FindText MatchCase FindNextButton CancelButton");
}

}  // namespace
}  // namespace kau::ide
