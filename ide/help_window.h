// The help window "Ajuda do Pascal KAU!": a browser over the help pages with
// back, forward and home (the contents). One window serves every request.
#pragma once

#include <QTextBrowser>
#include <QWidget>

class QLabel;

namespace kau::ide {

// Serves the help pages by name ("ID.html") to the browser.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  using QTextBrowser::QTextBrowser;
  QVariant loadResource(int type, const QUrl& name) override;
};

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // F1 on a word: its topic in any letter case; without one (or without a
  // word) the contents with "Não há tópico de ajuda para “word”.".
  void ShowTopic(const QString& word);
  void ShowContents();
  void ShowIndex();

  HelpBrowser* browser() const { return browser_; }
  // The missing-topic notice over the page; empty when none is shown.
  QString notice() const;

 private:
  void showPage(const QString& id, const QString& notice = {});

  HelpBrowser* browser_;
  QLabel* notice_;
};

}  // namespace kau::ide
