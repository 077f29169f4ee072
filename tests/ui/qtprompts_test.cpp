// The Qt side of the prompts: file filters converted for Qt's dialog, the folder the file
// dialogs start in, and the 8-bit text boundary that must carry the document's characters
// unchanged.
#include "common/latin1text.h"
#include "graph/graphwindow.h"
#include "qtprompts.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/schematicreader.h"
#include "support/testfolder.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <vector>

namespace norvane {
namespace {

TEST(QtFileFilter, PipeFiltersBecomeQtFilters)
{
  struct Case
  {
    std::string pipe;
    QString qt;
    QString suffix;
  };
  const Case cases[] = {
      {"Circuit files (*.cct)|*.cct|All files (*.*)|*.*", "Circuit files (*.cct);;All files (*)",
       "cct"},
      {"Circuit Files (*.cct)|*.cct|All Files (*.*)|*.*", "Circuit Files (*.cct);;All Files (*)",
       "cct"},
      {"Bitmap files (*.bmp)|*.bmp|All files (*.*)|*.*", "Bitmap files (*.bmp);;All files (*)",
       "bmp"},
      // Several patterns in one entry, and a description without a bracket of its own.
      {"S-parameter data|*.s1p;*.s2p|All|*.*", "S-parameter data (*.s1p *.s2p);;All (*)", "s1p"},
      {"All files (*.*)|*.*", "All files (*)", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(qtFileFilter(c.pipe), c.qt) << c.pipe;
    EXPECT_EQ(defaultSuffix(c.pipe), c.suffix) << c.pipe;
  }
}

TEST(QtMessageText, CarriageReturnsBreakLines)
{
  EXPECT_EQ(messageText("not possible because\rS parameters\r\nunstable"),
            QString("not possible because\nS parameters\nunstable"));
}

TEST(Latin1Text, DocumentCharactersRoundTrip)
{
  // "°", "µ", accented letters; "Ω" is not in the set (becomes "?").
  const std::string latin1 = "90\xB0 4.7\xB5H Caf\xE9 \xC5ngstr\xF6m";
  const QString shown = toQt(latin1);
  EXPECT_EQ(shown, QString::fromUtf8("90° 4.7µH Café Ångström"));
  EXPECT_EQ(fromQt(shown), latin1);
  EXPECT_EQ(fromQt(QString::fromUtf8("50\u03A9")), "50?");
  // The Windows additions to Latin-1: euro, typographic quotes, dash, trade mark.
  const std::string windows = "\x80"
                              "5 \x93quoted\x94 \x96 Norvane\x99";
  EXPECT_EQ(toQt(windows), QString::fromUtf8("€5 “quoted” – Norvane™"));
  EXPECT_EQ(fromQt(QString::fromUtf8("€5 “quoted” – Norvane™")), windows);
  EXPECT_EQ(fromQt(QString::fromUtf8("\u0080")), "?"); // a control the set has no byte for
  // All 256 byte values survive the trip through Qt.
  std::string all;
  for (int c = 1; c < 256; ++c) {
    all.push_back(static_cast<char>(c));
  }
  EXPECT_EQ(fromQt(toQt(all)), all);
}

TEST(Latin1Text, PathsUseTheFileSystemEncoding)
{
  const QString folder = QString::fromUtf8("/tmp/J\u00F6rg/amp.cct");
  const std::string bytes = pathFromQt(folder);
  EXPECT_EQ(pathToQt(bytes), folder);
  EXPECT_EQ(bytes, "/tmp/J\xC3\xB6rg/amp.cct"); // UTF-8 on this system
}

// Runs `answer` on the file dialog as soon as it is open.
void answerFileDialog(std::function<void(QFileDialog&)> answer)
{
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    answer(*dialog);
  });
}

TEST(QtPromptsFileDialogs, StartInTheDocumentsFolderThenInTheLastChosenOne)
{
  const testing::TestFolder temp("QtPromptsFileDialogs");
  const QString root = QString::fromStdString(temp.path().string());
  ASSERT_TRUE(QDir(root).mkpath("circuits"));
  ASSERT_TRUE(QDir(root).mkpath("data"));
  const QString circuits = root + "/circuits";
  const QString data = root + "/data";
  std::ofstream(pathFromQt(data + "/amp.s2p")) << "# MHz S MA R 50\n";

  QtPrompts prompts;
  std::string document = "unnamed.cct";
  prompts.setDocumentPath([&document] { return document; });
  EXPECT_EQ(prompts.startFolder(), QString()); // an unnamed document: the current folder
  document = pathFromQt(circuits + "/filter.cct");
  EXPECT_EQ(prompts.startFolder(), circuits);

  QString shownIn;
  answerFileDialog([&shownIn](QFileDialog& dialog) {
    shownIn = dialog.directory().absolutePath();
    dialog.reject();
  });
  EXPECT_FALSE(prompts.openFileName("Open", "Circuit files (*.cct)|*.cct").has_value());
  EXPECT_EQ(shownIn, circuits);

  // A file chosen elsewhere moves the start there.
  answerFileDialog([&data](QFileDialog& dialog) {
    dialog.selectFile(data + "/amp.s2p");
    QMetaObject::invokeMethod(&dialog, "accept"); // a public slot, protected in C++
  });
  const auto chosen = prompts.openFileName("Load File", "All files (*.*)|*.*");
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, pathFromQt(data + "/amp.s2p"));
  EXPECT_EQ(prompts.startFolder(), data);
  answerFileDialog([&shownIn](QFileDialog& dialog) {
    shownIn = dialog.directory().absolutePath();
    dialog.reject();
  });
  EXPECT_FALSE(prompts.saveFileName("Save As", "Circuit Files (*.cct)|*.cct", "*.cct"));
  EXPECT_EQ(shownIn, data);
}

// Closes every modal box as it opens and notes the window it belongs to.
class BoxCloser
{
public:
  BoxCloser()
  {
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        owners.push_back(box->parentWidget());
        box->reject();
      }
    });
    m_timer.start(0);
  }
  std::vector<QWidget*> owners;

private:
  QTimer m_timer;
};

// Message and file boxes belong to the window the user works in: one started from the graph
// window (its "Save results", a run it started) stays with it instead of pulling the main
// window up over it.
TEST(QtPromptsOwner, BoxesBelongToTheWindowInUse)
{
  QWidget mainWindow;
  mainWindow.show();
  QApplication::setActiveWindow(&mainWindow);
  QtPrompts prompts(&mainWindow);
  BoxCloser boxes;
  prompts.information("from the main window");
  ASSERT_EQ(boxes.owners.size(), 1u);
  EXPECT_EQ(boxes.owners.back(), &mainWindow);

  Environment env;
  fillBuiltInDefaults(env);
  auto doc = std::make_unique<Schematic>();
  clearSchematic(*doc, env);
  ASSERT_TRUE(loadSchematic(*doc, std::string(NORVANE_SOURCE_DIR) + "/examples/lowpass3.cct"));
  SimulationSession session;
  GraphWindow graph(*doc, env, prompts, session);
  graph.show();
  QApplication::setActiveWindow(&graph);
  ASSERT_EQ(QApplication::activeWindow(), &graph);
  graph.runCommand(GraphCommand::SaveResults);
  ASSERT_GE(boxes.owners.size(), 2u); // the file dialog for the results
  for (std::size_t i = 1; i < boxes.owners.size(); ++i)
    EXPECT_EQ(boxes.owners[i], &graph) << i;
}

} // namespace
} // namespace norvane
