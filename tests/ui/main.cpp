// Test entry point for the widget tests: the QApplication must exist before any widget is
// made, and without a display the tests run on Qt's offscreen platform.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>
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
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
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
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
