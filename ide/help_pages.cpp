#include "ide/help_pages.h"

#include <QDir>
#include <QFile>

#include "ide/help_messages_page.h"

static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace kau::ide {

namespace {

const QStringList& resourceTopicIds() {
  static const QStringList ids = [] {
    InitHelpResources();
    QStringList found;
    for (const QString& file : QDir(":/help").entryList({"*.html"}, QDir::Files))
      found << file.chopped(int(sizeof ".html") - 1);
    return found;
  }();
  return ids;
}

QString indexPageHtml() {
  QString links;
  for (const QString& id : HelpTopicIds())
    if (id != kIndexTopic) links += QString("<li><a href=\"%1.html\">%1</a></li>\n").arg(id);
  return QString::fromUtf8(
             "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Índice da Ajuda</title></head>\n"
             "<body>\n<h2>Índice da Ajuda</h2>\n<ul>\n%1</ul>\n"
             "<hr><p><a href=\"T_picos.html\">Tópicos da Ajuda</a></p>\n</body></html>\n")
      .arg(links);
}

}  // namespace

QStringList HelpTopicIds() {
  QStringList ids = resourceTopicIds();
  ids << kIndexTopic << kMessagesTopic;
  ids.sort(Qt::CaseInsensitive);
  return ids;
}

std::optional<QString> FindHelpTopic(const QString& word) {
  const QString wanted = word.trimmed();
  if (wanted.isEmpty()) return std::nullopt;
  for (const QString& id : HelpTopicIds())
    if (id.compare(wanted, Qt::CaseInsensitive) == 0) return id;
  return std::nullopt;
}

std::optional<QString> HelpPageHtml(const QString& id) {
  if (id == kIndexTopic) return indexPageHtml();
  if (id == kMessagesTopic) return MessagesPageHtml();
  if (!resourceTopicIds().contains(id)) return std::nullopt;
  QFile page(":/help/" + id + ".html");
  if (!page.open(QIODevice::ReadOnly)) return std::nullopt;
  return QString::fromUtf8(page.readAll());
}

QString MissingTopicText(const QString& word) {
  return QString::fromUtf8("Não há tópico de ajuda para “%1”.").arg(word);
}

}  // namespace kau::ide
