// The splash at start and the about box.
#include <QLabel>

#include "ide/form_splash.h"
#include "ide/gauge.h"
#include "ide/version.h"
#include "main_window_fixture.h"
#include "modal_answerer.h"

namespace kau::ide::testing {
namespace {

TEST_F(MainWindowTest, SplashRunsFortyNineTicksPrintingTwentyFiveDots) {
  TFrmApresentacao splash;
  EXPECT_EQ(splash.size(), QSize(289, 119));
  EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
  auto* gauge = splash.findChild<Gauge*>("ProgressBar1");
  EXPECT_EQ(gauge->size(), QSize(241, 25));
  EXPECT_EQ(gauge->foreColor(), QColor(0xBF, 0xBF, 0xFF));
  EXPECT_EQ(splash.findChild<QLabel*>("Image1")->geometry(), QRect(16, 11, 257, 41));
  std::string printed;
  splash.setConsolePrinter([&](std::string_view text) { printed += text; });
  splash.setPicture(main_->picture());
  EXPECT_EQ(splash.exec(), QDialog::Accepted);
  EXPECT_EQ(printed, std::string(25, '.'));
  EXPECT_EQ(splash.SplashTickCount(), 50);
  EXPECT_EQ(gauge->progress(), 98);
  EXPECT_EQ(splash.findChild<QLabel*>("Label1")->text(), "Carregando....");
  EXPECT_EQ(splash.findChild<QLabel*>("Label2")->text(), kVersionText);
}

TEST_F(MainWindowTest, AboutBoxIsModalWithItsCaptionAndVersion) {
  main_->show();
  button("BtnTaloExplorer")->click();
  bool explorerOnTop = true;
  auto seen = AnswerNextModal("OK", [&] {
    explorerOnTop = explorer_->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
  });
  action("MnAjudaSobre")->trigger();
  EXPECT_FALSE(explorerOnTop);  // never over a dialog
  EXPECT_TRUE(explorer_->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  ASSERT_TRUE(seen->pressed);
  EXPECT_EQ(seen->objectName, "FrmAbout");
  EXPECT_EQ(seen->title, " Sobre...");
  EXPECT_EQ(seen->labels["Label7"], "Versao 4.06");
  EXPECT_FALSE(seen->labels["Label8"].isEmpty());
  EXPECT_FALSE(seen->labels["Label9"].isEmpty());
}

}  // namespace
}  // namespace kau::ide::testing
