// How kauc and the stand-alone runner show an error on a terminal: the
// entry points' text (a header and a message joined by "#") as two lines of
// standard error.
#pragma once

#include <string>

namespace kau {

// UTF-8 for a terminal: the first "#" becomes a line break, and a line break
// ends the text.
std::string ErrorTextLines(const std::string& cp1252Text);

// Writes ErrorTextLines of the text to standard error. After Ctrl+C only
// what standard error takes at once: it may be the terminal whose blocked
// output the user has just given up on.
void WriteErrorText(const std::string& cp1252Text);

// Writes UTF-8 text to standard error as WriteErrorText does.
void WriteToStandardError(const std::string& utf8);

// The report of a standard output that could not be written (UTF-8, with
// its line break).
inline constexpr char kOutputLostText[] = " => Não foi possível gravar a saída padrão!\n";

}  // namespace kau
