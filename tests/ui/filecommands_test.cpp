// File commands, closing and start-up on the real window, with the answers of every box and
// file dialog scripted.
#include "mainwindow_support.h"

#include "helpwindow.h"
#include "graph/graphwindow.h"

#include "config/configfile.h"
#include "document/schematicreader.h"
#include "document/schematicwriter.h"

#include <QAction>
#include <QImage>
#include <QToolBar>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace norvane::test {
namespace {

std::string fileBytes(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FileCommandsTest : public MainWindowTest
{
protected:
  void drawSomething()
  {
    key(Qt::Key_R);
    click(200, 200);
    key(Qt::Key_1);
    click(100, 180);
    key(Qt::Key_W);
    drag(120, 180, 200, 180);
    key(Qt::Key_Escape);
    window->action(Command::DrawText)->trigger();
    window->editorConnection().setTextEntryHook([](const TextItemEntry&) {
      return std::optional<TextItemEntry>(TextItemEntry{"Note 90\xB0", "10"});
    });
    click(300, 100);
    window->action(Command::DrawLine)->trigger();
    drag(300, 300, 400, 300);
  }

  bool questionAsked(const std::string& text) const
  {
    for (const auto& m : prompts.messages) {
      if (m.kind == ScriptedPrompts::Kind::Question && m.text == text) {
        return true;
      }
    }
    return false;
  }
};

TEST_F(FileCommandsTest, SaveAndOpenRoundTripLosesNothing)
{
  drawSomething();
  const std::string path = tempPath("divider.cct");

  prompts.fileNames.push_back(path);
  EXPECT_TRUE(window->fileSaveAs());
  // The document as saved (saving copies the graph cursor into it first).
  const std::string before = schematicText(*doc);
  EXPECT_EQ(captionText(*window), QString::fromStdString("Norvane - " + path));
  EXPECT_EQ(window->currentFileName(), path);
  EXPECT_FALSE(window->isModified());

  EXPECT_TRUE(window->fileNew());
  EXPECT_TRUE(prompts.messages.empty()) << "New on an unmodified document asks nothing";
  EXPECT_EQ(doc->drawdat.components.count(), 0);
  EXPECT_EQ(captionText(*window), "Norvane - unnamed.cct");

  prompts.fileNames.push_back(path);
  window->action(Command::Open)->trigger();
  EXPECT_TRUE(schematicText(*doc) == before) << "the reopened document differs";
  EXPECT_EQ(captionText(*window), QString::fromStdString("Norvane - " + path));
  EXPECT_FALSE(window->isModified());
  ASSERT_EQ(doc->drawdat.texts.count(), 1);
  EXPECT_EQ(doc->drawdat.texts[1].text, "Note 90\xB0");

  // Save writes to the named file without a dialog.
  key(Qt::Key_G);
  click(600, 600);
  EXPECT_TRUE(window->isModified());
  EXPECT_TRUE(window->fileSave());
  EXPECT_FALSE(window->isModified());
  EXPECT_TRUE(prompts.fileNames.empty());
}

TEST_F(FileCommandsTest, NewAfterAChangeAsksToSaveChanges)
{
  // A click on the empty sheet changes nothing: the title shows no change, New asks nothing.
  click(500, 500);
  EXPECT_FALSE(window->isModified());
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_TRUE(window->windowTitle().endsWith("[*]")) << "where the platform marks a change";
  EXPECT_TRUE(window->fileNew());
  EXPECT_TRUE(prompts.messages.empty());

  key(Qt::Key_G); // a ground placed is a change
  click(500, 500);
  EXPECT_TRUE(window->isModified());
  EXPECT_TRUE(window->isWindowModified());

  prompts.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(window->fileNew());
  EXPECT_TRUE(questionAsked("Save Changes to: unnamed.cct"));
  EXPECT_TRUE(window->isModified()) << "Cancel leaves everything as it was";

  prompts.answers.push_back(Answer::No);
  EXPECT_TRUE(window->fileNew());
  EXPECT_FALSE(window->isModified());
}

TEST_F(FileCommandsTest, SaveOnAnUnnamedDocumentOpensSaveAs)
{
  drawSomething();
  // Cancelled dialog: nothing written, still modified.
  EXPECT_FALSE(window->fileSave());
  EXPECT_TRUE(window->isModified());
  EXPECT_EQ(window->currentFileName(), "unnamed.cct");

  const std::string path = tempPath("first.cct");
  prompts.fileNames.push_back(path);
  window->action(Command::Save)->trigger();
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(window->currentFileName(), path);
  EXPECT_FALSE(window->isModified());
}

TEST_F(FileCommandsTest, YesInTheSavePromptSavesFirst)
{
  drawSomething();
  const std::string path = tempPath("kept.cct");
  prompts.answers.push_back(Answer::Yes);
  prompts.fileNames.push_back(path);
  const std::string drawn = schematicText(*doc);
  EXPECT_TRUE(window->fileNew());
  ASSERT_TRUE(std::filesystem::exists(path));
  Schematic reread;
  ASSERT_TRUE(loadSchematic(reread, path).ok());
  EXPECT_EQ(schematicText(reread).size(), drawn.size());
  EXPECT_EQ(doc->drawdat.components.count(), 0);
}

TEST_F(FileCommandsTest, OpenErrorsAreReportedAndNameNothing)
{
  const std::string path = tempPath("broken.cct");
  std::ofstream(path) << "drawdat{\r\ncomponent{\r\nctype=abc\r\n}\r\n}\r\n";
  prompts.fileNames.push_back(path);
  EXPECT_FALSE(window->fileOpen());
  EXPECT_EQ(prompts.lastText(), "Invalid numeric input");
  EXPECT_EQ(captionText(*window), "Norvane - unnamed.cct");

  prompts.fileNames.push_back(tempPath("missing.cct"));
  EXPECT_FALSE(window->fileOpen());
  EXPECT_EQ(prompts.lastText(), "File not found");
}

TEST_F(FileCommandsTest, FilesThatAreNotSchematicsAreRefusedAndNeverOverwritten)
{
  drawSomething();
  const std::string kept = tempPath("kept.cct");
  prompts.fileNames.push_back(kept);
  ASSERT_TRUE(window->fileSaveAs());
  const std::string drawn = schematicText(*doc);

  const std::string sdata = "# MHz S MA R 50\r\n100 0.5 -20 2 30 0.01 5 0.4 -60\r\n";
  const std::string s2p = tempPath("amp.s2p");
  std::ofstream(s2p, std::ios::binary) << sdata;
  const std::string empty = tempPath("empty.cct");
  std::ofstream(empty, std::ios::binary) << "";
  for (const std::string& path : {s2p, empty}) {
    prompts.fileNames.push_back(path);
    EXPECT_FALSE(window->fileOpen());
    EXPECT_EQ(prompts.lastText(), path + " is not a Norvane schematic");
    // The open document, its name and its drawing stay; a Save writes where it did.
    EXPECT_EQ(window->currentFileName(), kept);
    EXPECT_EQ(schematicText(*doc), drawn);
    EXPECT_TRUE(window->fileSave());
  }
  EXPECT_EQ(fileBytes(s2p), sdata);

  // Named on the command line: refused too, the sheet stays unnamed.
  window->fileNew();
  StartupOptions options;
  options.configPath = tempPath("Norvane.cfg");
  options.arguments = {s2p};
  window->startUp(options);
  EXPECT_EQ(prompts.lastText(), s2p + " is not a Norvane schematic");
  EXPECT_EQ(window->currentFileName(), "unnamed.cct");
  EXPECT_FALSE(window->fileSave()); // asks for a name (none scripted)
  EXPECT_EQ(fileBytes(s2p), sdata);
}

TEST_F(FileCommandsTest, FilesBeyondACapacityAreRefusedAndTheDocumentStays)
{
  drawSomething();
  const std::string kept = tempPath("kept.cct");
  prompts.fileNames.push_back(kept);
  ASSERT_TRUE(window->fileSaveAs());
  const std::string drawn = schematicText(*doc);

  std::string text = "drawdat{\r\n";
  for (int i = 0; i <= kMaxComponents; ++i) {
    text += "component{\r\nctype=4\r\n}\r\n";
  }
  text += "}\r\n";
  const std::string big = tempPath("big.cct");
  std::ofstream(big, std::ios::binary) << text;
  prompts.fileNames.push_back(big);
  EXPECT_FALSE(window->fileOpen());
  // The message the command line gives, and the open document as it was.
  EXPECT_EQ(prompts.lastText(),
            "The schematic has more than 1000 components; at most 1000 can be held");
  EXPECT_EQ(window->currentFileName(), kept);
  EXPECT_EQ(schematicText(*doc), drawn);
  EXPECT_EQ(fileBytes(big), text);
}

TEST_F(FileCommandsTest, ValueFieldsThatAreNoNumberAreShownAfterOpening)
{
  drawSomething(); // one resistor, 50 ohm
  const std::string path = tempPath("damaged.cct");
  prompts.fileNames.push_back(path);
  ASSERT_TRUE(window->fileSaveAs());
  std::string text = fileBytes(path);
  const std::string field = "nom= 5.00000000000000E+0001";
  const std::size_t at = text.find(field, text.find("drawdat{"));
  ASSERT_NE(at, std::string::npos);
  using namespace std::string_literals;
  text.replace(at, field.size(), "nom= 5.0\0"s + "0000000000000E+0001");
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;

  window->fileNew();
  prompts.messages.clear();
  prompts.fileNames.push_back(path);
  EXPECT_TRUE(window->fileOpen());
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].kind, ScriptedPrompts::Kind::Warning);
  const std::string& shown = prompts.messages[0].text;
  EXPECT_NE(shown.find("component 1"), std::string::npos) << shown;
  EXPECT_NE(shown.find("\"5.0<NUL>0000000000000E+0001\" holds a control character; read as 5"),
            std::string::npos)
      << shown;
  EXPECT_EQ(doc->drawdat.components[1].value[1].nom, 5.0); // read as before: up to the NUL
  EXPECT_EQ(window->currentFileName(), path);
}

TEST_F(FileCommandsTest, WindowSavedAsBitmap)
{
  const std::string path = tempPath("window.bmp");
  prompts.fileNames.push_back(path);
  window->action(Command::SaveBitmap)->trigger();
  QImage image;
  ASSERT_TRUE(image.load(QString::fromStdString(path), "BMP"));
  EXPECT_EQ(image.size(), window->size());
}

TEST_F(FileCommandsTest, SpiceNetlistExportedThroughTheFileMenu)
{
  // An incomplete circuit: the circuit check's message, nothing written.
  drawSomething();
  const std::string path = tempPath("divider.cir");
  prompts.fileNames.push_back(path);
  window->action(Command::ExportSpice)->trigger();
  EXPECT_EQ(prompts.lastText(), "Unconnected Node(s) - Check Circuit");
  EXPECT_FALSE(std::filesystem::exists(path));

  // Port, resistor, ground: the netlist names the resistor and its nodes as the listing
  // does, and the port as an ngspice S-parameter port.
  EXPECT_TRUE(window->fileNew());
  drawResistorToGround();
  prompts.fileNames.push_back(path);
  window->action(Command::ExportSpice)->trigger();
  std::ifstream in(path);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find(": res 1 0 R=50R\nR"), std::string::npos) << text;
  EXPECT_NE(text.find("VP1 1 0 dc 0 ac 1 portnum 1 z0 50\n"), std::string::npos) << text;
  EXPECT_NE(text.find("wrdata divider.sp.txt S_1_1"), std::string::npos) << text;

  // Cancelling the file dialog writes nothing.
  std::filesystem::remove(path);
  window->action(Command::ExportSpice)->trigger();
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(FileCommandsTest, ClosingAsksRecordsPlacementAndWritesTheConfiguration)
{
  StartupOptions options;
  options.configPath = tempPath("Norvane.cfg");
  options.currentDir = scratch.path().string();
  {
    Environment stored; // an existing configuration: not a first start
    stored.autoopen = false;
    ASSERT_TRUE(writeConfig(stored, options.configPath).ok);
  }
  window->startUp(options);
  window->move(120, 80);
  window->resize(900, 700);
  key(Qt::Key_G);
  click(500, 500);

  prompts.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(questionAsked("Save Changes to: unnamed.cct"));

  prompts.answers.push_back(Answer::No);
  std::filesystem::remove(options.configPath);
  EXPECT_TRUE(window->close());
  ASSERT_TRUE(std::filesystem::exists(options.configPath));
  Environment written;
  ASSERT_TRUE(readConfig(written, options.configPath).ok);
  EXPECT_EQ(written.schemawinstat, "wsNormal");
  EXPECT_EQ(written.schemawinpos.width, 900);
  EXPECT_EQ(written.schemawinpos.height, 700);
  EXPECT_FALSE(written.autoopen);
}

TEST_F(FileCommandsTest, FirstStartShowsHelpAndLoadsTheWelcomeCircuit)
{
  drawSomething();
  const std::string welcome = tempPath("welcome.cct");
  ASSERT_TRUE(saveSchematic(*doc, welcome).ok());
  const std::string expected = schematicText(*doc);
  window->setModified(false);

  StartupOptions options;
  options.configPath = tempPath("Norvane.cfg"); // does not exist: a first start
  options.currentDir = scratch.path().string();
  window->startUp(options);
  EXPECT_TRUE(window->helpWindow()->isVisible());
  EXPECT_EQ(window->helpWindow()->currentPage(), "contents");
  EXPECT_EQ(doc->drawdat.components.count(), 1);
  EXPECT_EQ(captionText(*window), "Norvane - unnamed.cct");
  EXPECT_FALSE(window->isModified());
}

TEST_F(FileCommandsTest, StartOpensTheLastFileFromTheConfiguration)
{
  drawSomething();
  const std::string last = tempPath("last.cct");
  ASSERT_TRUE(saveSchematic(*doc, last).ok());
  Environment stored;
  stored.filename = last;
  stored.papercolor = makeColor(250, 250, 200);
  stored.schemawinpos = {30, 40, 820, 610};
  StartupOptions options;
  options.configPath = tempPath("Norvane.cfg");
  ASSERT_TRUE(writeConfig(stored, options.configPath).ok);

  window->startUp(options);
  EXPECT_FALSE(window->helpWindow()->isVisible());
  EXPECT_EQ(window->currentFileName(), last);
  EXPECT_EQ(captionText(*window), QString::fromStdString("Norvane - " + last));
  EXPECT_EQ(doc->drawdat.components.count(), 1);
  EXPECT_EQ(window->view()->paperColor(), QColor(250, 250, 200));
  // The placement stored in the file is applied.
  EXPECT_EQ(window->size(), QSize(820, 610));
}

TEST_F(FileCommandsTest, SmallStoredPlacementsStillShowEveryToolbarButton)
{
  Environment stored; // 500 x 400, the classic default
  StartupOptions options;
  options.configPath = tempPath("Norvane.cfg");
  ASSERT_TRUE(writeConfig(stored, options.configPath).ok);
  window->startUp(options);
  QApplication::processEvents();
  EXPECT_GE(window->width(), 500);
  EXPECT_GE(window->height(), 400);
  EXPECT_GE(window->commandToolBar()->width(), window->commandToolBar()->sizeHint().width());
  for (QToolButton* button : window->componentButtons()) {
    EXPECT_TRUE(button->isVisible());
  }
}

TEST_F(FileCommandsTest, StartWithoutAnOpenedFileNeverSavesOverTheLastOne)
{
  Environment stored;
  stored.filename = tempPath("gone.cct"); // the last file no longer exists
  StartupOptions options;
  options.configPath = tempPath("Norvane.cfg");
  ASSERT_TRUE(writeConfig(stored, options.configPath).ok);
  window->startUp(options);
  EXPECT_EQ(window->currentFileName(), "unnamed.cct");
  // Save asks for a name instead of writing somewhere unexpected.
  EXPECT_FALSE(window->fileSave());
  EXPECT_FALSE(std::filesystem::exists(stored.filename));
}

TEST_F(FileCommandsTest, CommandLineWordsAreJoinedIntoOnePath)
{
  drawSomething();
  const std::string path = tempPath("my divider.cct");
  ASSERT_TRUE(saveSchematic(*doc, path).ok());
  window->fileNew();
  prompts.answers.clear();

  StartupOptions options;
  options.configPath = tempPath("Norvane.cfg");
  options.arguments = {tempPath("my"), "divider.cct"};
  window->startUp(options);
  EXPECT_EQ(window->currentFileName(), path);
  EXPECT_EQ(doc->drawdat.components.count(), 1);
  EXPECT_EQ(captionText(*window), QString::fromStdString("Norvane - " + path));
}

TEST_F(FileCommandsTest, ACommandLineFileSavedWithCirclesOnShowsThemAtOnce)
{
  // The amplifier example on the Smith chart with its circles on, as it would have been saved.
  Schematic amp;
  ASSERT_TRUE(loadSchematic(amp, std::string(NORVANE_SOURCE_DIR) + "/examples/amplifier.cct").ok());
  amp.plotformat = plotformat::SmithZ;
  amp.circleson = true;
  const std::string path = tempPath("amplifier.cct");
  ASSERT_TRUE(saveSchematic(amp, path).ok());

  StartupOptions options;
  options.configPath = tempPath("Norvane.cfg");
  options.arguments = {path};
  window->startUp(options);
  GraphWindow& graph = *window->graphWindow();
  EXPECT_TRUE(graph.core().stabilityCircles());
  EXPECT_TRUE(graph.core().readouts().legendVisible);
  ASSERT_FALSE(graph.core().readouts().stabilityLines.empty());
  EXPECT_EQ(graph.core().readouts().stabilityLines.front(), "Potentially");
}

} // namespace
} // namespace norvane::test
