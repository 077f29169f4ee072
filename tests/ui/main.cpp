// Test entry point for the widget tests: the QApplication must exist before any widget is
// made, and without a display the tests run on Qt's offscreen platform.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <gtest/gtest.h>

namespace {

// The offscreen platform says at every window that it cannot raise windows or pass on size
// hints; those lines would drown the test output.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
  if (message.startsWith("This plugin does not support")) {
    return;
  }
  const QString line = qFormatLogMessage(type, context, message);
  std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char** argv)
{
  qInstallMessageHandler(quietMessages);
  QString screen;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    // One screen of a common desktop size (1920 x 1200) instead of the plugin's 800 x 800, so
    // that window placements are tried on the screen they are meant for.
    // (A file of this process's own: CTest runs several test programs at once.)
    screen = QDir::tempPath() + QString("/norvane-test-screen-%1.json").arg(getpid());
    QFile file(screen);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
      file.write(R"({"screens": [{"name": "Desktop", "x": 0, "y": 0, "width": 1920,
                   "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      file.close();
      setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen).toLocal8Bit().constData(), 1);
    } else {
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
  }
  if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
    // Qt warns on every start without it; a private folder in /tmp is enough for tests.
    const QString dir = QDir::tempPath() + "/norvane-test-runtime";
    QDir().mkpath(dir);
    QFile::setPermissions(dir,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("XDG_RUNTIME_DIR", dir.toLocal8Bit().constData(), 1);
  }
  QApplication app(argc, argv);
  if (!screen.isEmpty()) QFile::remove(screen); // read by now
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
