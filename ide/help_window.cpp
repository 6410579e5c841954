#include "ide/help_window.h"

#include <QAction>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

#include "ide/help_pages.h"

namespace kau::ide {

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (type == QTextDocument::HtmlResource) {
    QString id = name.fileName();
    if (id.endsWith(".html")) id.chop(5);
    if (const std::optional<QString> html = HelpPageHtml(id)) return *html;
  }
  return QTextBrowser::loadResource(type, name);
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("HelpWindow");
  setWindowTitle("Ajuda do Pascal KAU!");
  resize(640, 520);

  auto* tools = new QToolBar(this);
  QAction* back = tools->addAction("Voltar");
  back->setObjectName("HelpBack");
  QAction* forward = tools->addAction(QString::fromUtf8("Avançar"));
  forward->setObjectName("HelpForward");
  QAction* home = tools->addAction(QString::fromUtf8("Início"));
  home->setObjectName("HelpHome");

  notice_ = new QLabel(this);
  notice_->setObjectName("HelpNotice");
  notice_->setContentsMargins(6, 4, 6, 4);
  notice_->hide();

  browser_ = new HelpBrowser(this);
  browser_->setObjectName("HelpBrowser");
  browser_->setOpenLinks(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(notice_);
  layout->addWidget(browser_);

  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(home, &QAction::triggered, this, &HelpWindow::ShowContents);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  // The notice speaks of the page it was shown with only.
  connect(browser_, &QTextBrowser::sourceChanged, notice_, [this] {
    notice_->clear();
    notice_->hide();
  });
}

void HelpWindow::ShowTopic(const QString& word) {
  if (const std::optional<QString> id = FindHelpTopic(word))
    showPage(*id);
  else
    showPage(kContentsTopic, MissingTopicText(word));
}

void HelpWindow::ShowContents() { showPage(kContentsTopic); }

void HelpWindow::ShowIndex() { showPage(kIndexTopic); }

QString HelpWindow::notice() const { return notice_->text(); }

void HelpWindow::showPage(const QString& id, const QString& notice) {
  const QUrl url("qrc:/help/" + id + ".html");
  if (browser_->source() == url)
    browser_->reload();
  else
    browser_->setSource(url);
  notice_->setText(notice);
  notice_->setVisible(!notice.isEmpty());
  show();
  raise();
  activateWindow();
}

}  // namespace kau::ide
