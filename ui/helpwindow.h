#pragma once
// The program's help: HTML pages compiled into the program, shown in a browser window with
// Back, Forward and Contents buttons. The help "file" keeps its classic name, and the topic
// names the rest of the program asks for ("idstarting") map to pages.

#include <QWidget>

class QTextBrowser;

namespace norvane {

// The name the program gives its help file at start; commands ask for topics within it.
inline constexpr const char* kHelpFileName = "Norvane.hlp";

class HelpWindow : public QWidget
{
  Q_OBJECT
public:
  explicit HelpWindow(QWidget* parent = nullptr);

  void showContents();
  // A topic id such as "idstarting"; an unknown topic shows the contents.
  void showTopic(const QString& topic);

  QString currentPage() const; // "contents", "idstarting", ... (for tests)
  QTextBrowser* browser() const { return m_browser; }

private:
  void showPage(const QString& page);
  QTextBrowser* m_browser;
};

} // namespace norvane
