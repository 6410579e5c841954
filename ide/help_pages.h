// The help's pages: topics compiled in as resources (":/help/ID.html") and
// the pages built from the program's own tables (the messages and the index).
// Topic IDs are matched in any letter case.
#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace kau::ide {

inline constexpr char kContentsTopic[] = "T_picos";
inline constexpr char kIndexTopic[] = "Indice";
inline constexpr char kMessagesTopic[] = "Mensagens";

// Every topic ID, each page once, sorted without regard to case.
QStringList HelpTopicIds();

// The ID of the topic that a word (as under the caret) names, in any letter
// case; nothing for an empty word or one without a topic.
std::optional<QString> FindHelpTopic(const QString& word);

// The HTML of a topic given by its exact ID, or nothing.
std::optional<QString> HelpPageHtml(const QString& id);

// "Não há tópico de ajuda para “word”."
QString MissingTopicText(const QString& word);

}  // namespace kau::ide
