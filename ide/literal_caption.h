// Tabs and menu items take an "&" in their text as the mark of the shortcut
// letter, and window titles take "[*]" as the place of the modified mark; a
// file name shown there keeps each of its own.
#pragma once

#include <QString>

namespace kau::ide {

// The text with each "&" doubled, so that it shows as it is and marks nothing.
inline QString LiteralCaption(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

// The text with each "[*]" doubled: a title shows "[*][*]" as one "[*]".
inline QString LiteralTitle(QString text) { return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")); }

}  // namespace kau::ide
