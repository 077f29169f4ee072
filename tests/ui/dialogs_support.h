#pragma once
// Small helpers shared by the dialog tests.

#include <QString>
#include <QTest>
#include <QWidget>
#include <ostream>

QT_BEGIN_NAMESPACE
// GoogleTest prints QStrings as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
  *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace norvane {

// Shows a window and waits until the platform has made it active, so focus moves send
// focus events as they do on a desktop.
inline bool showActive(QWidget& window)
{
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window);
}

} // namespace norvane
