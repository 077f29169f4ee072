#include "helpwindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace norvane {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
  setWindowTitle(tr("Norvane Help"));
  setObjectName("HelpWindow");
  m_browser = new QTextBrowser(this);
  m_browser->setOpenExternalLinks(true);
  m_browser->setSearchPaths({":/help"});

  auto* back = new QPushButton(tr("&Back"), this);
  auto* forward = new QPushButton(tr("&Forward"), this);
  auto* contents = new QPushButton(tr("&Contents"), this);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
  connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
  connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
  connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
  connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Norvane Help") : tr("Norvane Help - %1").arg(title));
  });

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addWidget(forward);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(m_browser);
  resize(560, 540);
}

void HelpWindow::showPage(const QString& page)
{
  m_browser->setSource(QUrl("qrc:/help/" + page + ".html"));
  show();
  raise();
  activateWindow();
}

void HelpWindow::showContents()
{
  showPage("contents");
}

void HelpWindow::showTopic(const QString& topic)
{
  const QString page = topic.trimmed().toLower();
  if (page.isEmpty() || !QFile::exists(":/help/" + page + ".html")) {
    showContents();
  } else {
    showPage(page);
  }
}

QString HelpWindow::currentPage() const
{
  const QString name = m_browser->source().fileName();
  return name.endsWith(".html") ? name.chopped(5) : name;
}

} // namespace norvane
