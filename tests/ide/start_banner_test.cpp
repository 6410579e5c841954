// The start banner on a console of 80 x 25 cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ide/start_banner.h"
#include "platform/console/console.h"

namespace kau::ide {
namespace {

// Only what the banner uses: cells, cursor, attribute, clearing.
class GridConsole : public console::Console {
 public:
  static constexpr int kColumns = 80;
  static constexpr int kRows = 25;
  std::vector<std::string> rows = std::vector<std::string>(kRows, std::string(kColumns, ' '));
  std::vector<std::vector<unsigned char>> attributes =
      std::vector<std::vector<unsigned char>>(kRows, std::vector<unsigned char>(kColumns, 7));

  void write(std::string_view text) override {
    for (char c : text) {
      if (column_ <= kColumns) {
        rows[row_ - 1][column_ - 1] = c;
        attributes[row_ - 1][column_ - 1] = attribute_;
      }
      ++column_;
    }
  }
  void flush() override {}
  void clearScreen() override {
    rows.assign(kRows, std::string(kColumns, ' '));
    column_ = row_ = 1;
  }
  void gotoXY(int column, int row) override {
    if (column < 1 || column > kColumns || row < 1 || row > kRows) return;
    column_ = column;
    row_ = row;
  }
  void setTextAttribute(unsigned char attribute) override { attribute_ = attribute; }
  unsigned char textAttribute() const override { return attribute_; }
  int windowRows() const override { return kRows; }
  int windowColumns() const override { return kColumns; }
  int cursorRow() const override { return row_; }
  int readChar() override { return -1; }
  void unreadChar(int) override {}
  void discardRestOfLine() override {}
  void discardPendingInput() override {}
  int readKey() override { return -1; }
  void sleepMilliseconds(int) override {}
  void beginRun() override {}
  void endRun() override {}

 private:
  int column_ = 1;
  int row_ = 1;
  unsigned char attribute_ = 7;
};

std::string Trimmed(std::string row) { return row.substr(0, row.find_last_not_of(' ') + 1); }

TEST(StartBanner, FirstBannerThenDotsThenTheBannerOnTheSecondLastRow) {
  GridConsole console;
  PrintStartBanner(console);
  console.write(std::string(25, '.'));  // the splash's dots
  EXPECT_EQ(Trimmed(console.rows[3]), " \xDB\xDB\xDB Pascal KAU! Versao 4.06");
  EXPECT_EQ(Trimmed(console.rows[5]), " \xDB\xDB\xDB Inicializando..." + std::string(25, '.'));
  EXPECT_EQ(console.attributes[3][1], 10);

  PrintBannerAfterSplash(console);
  for (int row = 0; row < GridConsole::kRows; ++row)
    if (row != 23) {
      EXPECT_EQ(Trimmed(console.rows[row]), "") << row;
    }
  EXPECT_EQ(console.rows[23].substr(1, 70), BannerText(43));
  EXPECT_EQ(BannerText(43).size(), 3u + 13 + 11 + 43);
  EXPECT_EQ(console.attributes[23][1], 10);
}

}  // namespace
}  // namespace kau::ide
