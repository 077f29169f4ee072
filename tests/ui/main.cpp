// Test entry point for the widget tests: the QApplication must exist before any widget is
// made, and without a display the tests run on Qt's offscreen platform.
#include "support/testfolder.h"

#include <QApplication>
#include <QFile>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Whether Qt accepts `path` as its runtime folder: a folder of this user's that no one
// else may enter.
bool usableRuntimeFolder(const char* path)
{
  struct stat info
  {
  };
  return path != nullptr && ::stat(path, &info) == 0 && S_ISDIR(info.st_mode) &&
         info.st_uid == ::getuid() && (info.st_mode & 0777) == 0700;
}

} // namespace

int main(int argc, char** argv)
{
  qInstallMessageHandler(quietMessages);
  // This process's own folder for the screen description and Qt's runtime files (CTest runs
  // several test programs at once); it goes after the application, with everything in it.
  const norvane::testing::TestFolder own("test_ui");
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
    // One screen of a common desktop size (1920 x 1200) instead of the plugin's 800 x 800, so
    // that window placements are tried on the screen they are meant for.
    const QString screen = QString::fromStdString(own.file("screen.json"));
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
  if (!usableRuntimeFolder(std::getenv("XDG_RUNTIME_DIR"))) {
    // Without one Qt warns on every start and makes a folder of its own under TMPDIR that
    // nobody removes; the process's folder is private (mode 0700, as mkdtemp makes it).
    setenv("XDG_RUNTIME_DIR", own.path().c_str(), 1);
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
