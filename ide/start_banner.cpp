#include "ide/start_banner.h"

#include "ide/version.h"
#include "platform/console/console.h"

namespace kau::ide {

namespace {
constexpr unsigned char kLightGreen = 10;
const std::string kBlocks(3, '\xDB');  // code page 850's full block
}  // namespace

std::string BannerText(int trailingBlanks) {
  return kBlocks + " Pascal KAU! " + kVersionText + std::string(trailingBlanks, ' ');
}

void PrintStartBanner(console::Console& console) {
  console.setTextAttribute(kLightGreen);
  console.gotoXY(2, 4);
  console.write(BannerText(1));
  console.gotoXY(2, 6);
  console.write(kBlocks + " Inicializando...");
  console.flush();
}

void PrintBannerAfterSplash(console::Console& console) {
  console.clearScreen();
  console.gotoXY(2, console.windowRows() - 1);
  console.write(BannerText(43));
  console.flush();
}

}  // namespace kau::ide
