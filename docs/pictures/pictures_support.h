#pragma once
// The pictures of the documentation are taken by driving the real windows, as the widget tests
// do (they share the tests' fixtures). They are not tests: nothing here can fail on a working
// program. `cmake --build build --target docs` runs them and writes the PNG files into the
// folder NORVANE_SCREENSHOT_DIR names (docs/ unless the build is configured otherwise).

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>

namespace norvane::pictures {

inline QString pictureDir()
{
  const char* dir = std::getenv("NORVANE_SCREENSHOT_DIR");
  return dir ? QString::fromLocal8Bit(dir) : QString();
}

// Shows the window in front, lets its layout and pending calculations settle, and saves what
// it draws as <pictureDir>/<name>.
inline void save(QWidget& window, const QString& name)
{
  ASSERT_FALSE(pictureDir().isEmpty()) << "NORVANE_SCREENSHOT_DIR names no folder";
  window.show();
  window.raise();
  QApplication::setActiveWindow(&window);
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QApplication::processEvents();
  QTest::qWait(200);
  const QString path = QDir(pictureDir()).filePath(name);
  EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
}

} // namespace norvane::pictures
