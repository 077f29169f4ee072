#pragma once
// Helpers of the calculator window tests: typing as the user types, reading fields and panels,
// and checking that no window ever shows "nan" or "inf".

#include "calculators/calcwidgets.h"
#include "numbers/valuetext.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include <string>

namespace norvane::calctest {

// Replaces the field's text by typing, as the user does (textEdited is emitted).
inline void typeInto(QLineEdit* field, const QString& text)
{
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

inline std::string text(const QLineEdit* field)
{
  return field->text().toStdString();
}

inline std::string text(const QLabel* panel)
{
  return panel->text().toStdString();
}

// The number a text shows, read as the program reads it ("79.577nH" -> 79.577e-9).
inline double number(const std::string& shown)
{
  return parseValueText(shown);
}

// Every field and result panel of the window: no "nan", no "inf".
inline bool showsNoNanOrInf(const QWidget* window)
{
  const auto bad = [](const QString& shown) {
    const QString lower = shown.toLower();
    return lower.contains("nan") || lower.contains("inf");
  };
  for (const QLineEdit* field : window->findChildren<QLineEdit*>())
    if (bad(field->text())) return false;
  for (const ResultPanel* panel : window->findChildren<ResultPanel*>())
    if (bad(panel->text())) return false;
  return true;
}

// Shows the window and waits until it is the active window, so that focus moves between its
// controls as it does on the desktop.
inline bool showActive(QWidget* window)
{
  window->show();
  QApplication::setActiveWindow(window);
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

// Lets queued work (calculations that follow a focus change) run.
inline void settle()
{
  for (int i = 0; i < 3; ++i)
    QApplication::processEvents();
}

} // namespace norvane::calctest
