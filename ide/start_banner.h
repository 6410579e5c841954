// The banner that the program prints on its console at start: once before
// the windows appear, with a line of dots that the splash adds, and again on
// the second-last row once the splash has closed.
#pragma once

#include <string>

namespace kau::console {
class Console;
}

namespace kau::ide {

// Light green; the banner at column 2, row 4; "Inicializando..." at
// column 2, row 6, where the splash's dots follow.
void PrintStartBanner(console::Console& console);
// Clears the console and prints the banner, padded with 43 blanks, at
// column 2 of the second-last row.
void PrintBannerAfterSplash(console::Console& console);
// The banner's text in code page 850, with `trailingBlanks` blanks after it.
std::string BannerText(int trailingBlanks);

}  // namespace kau::ide
