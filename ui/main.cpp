// norvane: the desktop program. Creates the one document and the one environment record,
// the main window with the windows it owns, and runs the start-up sequence once the main
// window is on the screen.
#include "mainwindow.h"
#include "qtprompts.h"

#include "config/configlocation.h"
#include "config/environment.h"
#include "document/schematic.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <clocale>
#include <memory>

int main(int argc, char** argv)
{
  QApplication app(argc, argv);
  QApplication::setApplicationName("Norvane");
  QApplication::setApplicationVersion(NORVANE_VERSION);
  // QApplication adopts the desktop's locale for the C library too; under a locale with a
  // decimal comma every printf-style number (labels, SPICE decks, messages) would come out
  // as "4,7" and files written here would no longer read elsewhere. Numbers in files and on
  // the sheet always use the point; Qt's own widgets keep following QLocale.
  std::setlocale(LC_NUMERIC, "C");

  // The document and the environment live for the whole run (the document is large: its
  // measured data sets hold up to 100 x 2000 points).
  auto doc = std::make_unique<norvane::Schematic>();
  norvane::Environment env;
  norvane::QtPrompts prompts;

  norvane::MainWindow window(*doc, env, prompts);
  prompts.setParent(&window);
  prompts.setDocumentPath([&window] { return window.currentFileName(); });
  window.showStartNotice();

  norvane::StartupOptions options;
  for (int i = 1; i < argc; ++i) {
    options.arguments.emplace_back(argv[i]);
  }
  options.configPath =
      norvane::configFilePath(QCoreApplication::applicationDirPath().toLocal8Bit().toStdString());
  options.currentDir = QDir::currentPath().toLocal8Bit().toStdString();

  window.show();
  // The start-up steps run once the window is shown and the event loop is going, so that
  // the window and the start notice are on the screen while files load.
  QTimer::singleShot(0, &window, [&window, options] { window.startUp(options); });
  return QApplication::exec();
}
