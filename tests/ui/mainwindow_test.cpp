// The main window's frame: caption, menus and shortcuts, toolbars and hints, the scroll bar
// rules of the drawing area, the caption-only menu bar, the help and debug windows.
#include "mainwindow_support.h"

#include "debugwindow.h"
#include "dialogs/preferencewindows.h"
#include "helpwindow.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>

namespace norvane::test {
namespace {

QMenu* topMenu(QMainWindow& w, const QString& title)
{
  for (QAction* a : w.menuBar()->actions()) {
    if (a->text() == title) {
      return a->menu();
    }
  }
  return nullptr;
}

QAction* item(QMenu* menu, const QString& text)
{
  if (menu == nullptr) {
    return nullptr;
  }
  for (QAction* a : menu->actions()) {
    if (a->text() == text) {
      return a;
    }
  }
  return nullptr;
}

TEST_F(MainWindowTest, CaptionNamesTheUnnamedDocument)
{
  EXPECT_EQ(captionText(*window), "Norvane - unnamed.cct");
  EXPECT_EQ(window->currentFileName(), "unnamed.cct");
  EXPECT_FALSE(window->isModified());
}

TEST_F(MainWindowTest, MenusHoldEveryCommandWithItsAccessLetterAndShortcut)
{
  const QStringList titles = {"&File",    "&Edit",  "&Component", "&Draw",
                              "&Analyse", "&Tools", "&Options",   "&Help"};
  QStringList shown;
  for (QAction* a : window->menuBar()->actions()) {
    shown << a->text();
  }
  EXPECT_EQ(shown, titles);

  struct Entry
  {
    QString path; // menu titles then the item, separated by "/"
    QString shortcut;
  };
  const Entry entries[] = {
      {"&File/&New", "Ctrl+N"},
      {"&File/&Open...", "Ctrl+O"},
      {"&File/&Save", "Ctrl+S"},
      {"&File/Save &As...", "Ctrl+Shift+S"},
      {"&File/&Print...", "Ctrl+P"},
      {"&File/P&rint Setup...", ""},
      {"&File/Save window as &Bitmap", ""},
      {"&File/Export SPICE &netlist...", ""},
      {"&File/E&xit", "Ctrl+Q"},
      {"&Edit/&Undo", "Ctrl+Z"},
      {"&Edit/&Redo", "Ctrl+Y"},
      {"&Edit/Select Cursor", "Esc"},
      {"&Edit/&Edit component (mouse dblclk)", ""},
      {"&Edit/Cu&t", "Ctrl+X"},
      {"&Edit/&Copy", "Ctrl+C"},
      {"&Edit/&Paste", "Ctrl+V"},
      {"&Edit/D&uplicate", "Ctrl+D"},
      {"&Edit/&Delete", "Del"},
      {"&Edit/&Block Select", ""},
      {"&Edit/&Orientation", "Space"},
      {"&Component/&Passive/&Resistor", "R"},
      {"&Component/&Passive/&Capacitor", "C"},
      {"&Component/&Passive/&Inductor", "L"},
      {"&Component/&Passive/Transmission &Line", "X"},
      {"&Component/&Passive/&Transformer", "T"},
      {"&Component/&Passive/&Mutual Inductance", ""},
      {"&Component/&Active/&Op-Amp", "O"},
      {"&Component/&Active/&Bipolar Transistor", ""},
      {"&Component/&Active/Voltage Controlled Voltage Source (&E)", ""},
      {"&Component/&Active/Voltage Controlled Current Source (&G)", ""},
      {"&Component/&Active/Current Controlled Voltage Source (&H)", ""},
      {"&Component/&Active/Current Controlled Current Source (&F)", ""},
      {"&Component/&S Parameter/S Parameter One Port", ""},
      {"&Component/&S Parameter/&S Parameter Two Port", "S"},
      {"&Component/Measurement Port &1", "1"},
      {"&Component/Measurement Port &2", "2"},
      {"&Component/Connecting &Wire", "W"},
      {"&Component/&Ground connection", "G"},
      {"&Draw/&Line", ""},
      {"&Draw/&Text", ""},
      {"&Analyse/&Simulate", "F5"},
      {"&Analyse/&Tune", ""},
      {"&Analyse/&Netlist", ""},
      {"&Tools/&Design/&Match", ""},
      {"&Tools/&Design/&Attenuator", ""},
      {"&Tools/&Design/&Filter", ""},
      {"&Tools/Com&ponent /&Inductor", ""},
      {"&Tools/Com&ponent /&Capacitor", ""},
      {"&Tools/Com&ponent /&Transmission Line", ""},
      {"&Tools/Com&ponent /Cou&pler", ""},
      {"&Tools/Com&ponent /&Splitter", ""},
      {"&Tools/&Calculator", ""},
      {"&Options/Schematic Editor Preferences", ""},
      {"&Options/Graph Output Preferences", ""},
      {"&Help/&Contents", ""},
      {"&Help/&Getting Started", ""},
      {"&Help/&About Norvane", ""},
  };
  for (const Entry& e : entries) {
    const QStringList parts = e.path.split('/');
    QMenu* menu = topMenu(*window, parts.front());
    QAction* a = nullptr;
    for (qsizetype i = 1; i < parts.size(); ++i) {
      a = item(menu, parts[i]);
      ASSERT_NE(a, nullptr) << e.path.toStdString();
      menu = a->menu();
    }
    EXPECT_EQ(a->shortcut(), QKeySequence(e.shortcut)) << e.path.toStdString();
  }
  // Undo sits at the top of the Edit menu.
  EXPECT_EQ(topMenu(*window, "&Edit")->actions().front()->text(), "&Undo");
}

TEST_F(MainWindowTest, ToolbarsCarryTheirHints)
{
  const QStringList commandHints = {"Simulate circuit",
                                    "Tune circuit elements",
                                    "New File",
                                    "Open file",
                                    "Save File",
                                    "Cut",
                                    "Copy",
                                    "Paste",
                                    "Print",
                                    "Delete",
                                    "Draw Text",
                                    "Draw Line",
                                    "RF Calculator",
                                    "Match Assistant",
                                    "Attenualtor Assistant",
                                    "Filter Assistant"};
  QStringList hints;
  for (QAction* a : window->commandToolBar()->actions()) {
    if (!a->isSeparator()) {
      hints << a->toolTip();
    }
  }
  EXPECT_EQ(hints, commandHints);

  const QStringList componentHints = {"Rotate component (Space Bar)",
                                      "Select",
                                      "Connecting Wire (W)",
                                      "Ground Connection (G)",
                                      "Measurement Port (1 or 2)",
                                      "Resistor (R)",
                                      "Capacitor (C)",
                                      "Inductor (L)",
                                      "Transmission Line (X)",
                                      "Op-Amp (O)",
                                      "Transformer (T)",
                                      "S parameter 1 port",
                                      "S Parameter 2 port (S)",
                                      "Mutual Inductance",
                                      "Bipolar Transistor",
                                      "VCVS: voltage controlled voltage source",
                                      "VCCS: voltage controlled current source",
                                      "CCVS: current controlled voltage source",
                                      "CCCS: current controlled current source"};
  hints.clear();
  for (QToolButton* button : window->componentButtons()) {
    QAction* a = button->defaultAction();
    EXPECT_EQ(button->toolTip(), a->toolTip());
    hints << a->toolTip();
    // Every component button has a picture.
    EXPECT_FALSE(a->icon().isNull()) << a->toolTip().toStdString();
  }
  EXPECT_EQ(hints, componentHints);
  EXPECT_EQ(window->toolButton(Command::Simulate)->text(), "Simulate");
  EXPECT_TRUE(window->action(Command::TuneToggle)->isCheckable());
}

TEST_F(MainWindowTest, ScrollBarsFollowTheSheetRules)
{
  QScrollBar* h = window->view()->horizontalScrollBar();
  QScrollBar* v = window->view()->verticalScrollBar();
  EXPECT_EQ(h->value(), -25);
  EXPECT_EQ(v->value(), -25);
  EXPECT_EQ(h->minimum(), -25);
  EXPECT_EQ(h->pageStep(), 100);
  EXPECT_EQ(v->pageStep(), 100);
  const QSize visible = window->view()->viewport()->size();
  EXPECT_EQ(h->maximum(), 1500 - visible.width());
  EXPECT_EQ(v->maximum(), 1000 - visible.height());
  // The sheet's origin sits 25 pixels in from the corner; scrolling moves it.
  EXPECT_EQ(window->view()->toViewport(QPoint(0, 0)), QPoint(25, 25));
  h->setValue(100);
  EXPECT_EQ(window->view()->toUnits(QPoint(0, 0)), QPoint(100, -25));
  // A window larger than the sheet has nothing to scroll.
  window->resize(2000, 1400);
  QApplication::processEvents();
  EXPECT_EQ(h->maximum(), 0);
  EXPECT_EQ(v->maximum(), 0);
}

TEST_F(MainWindowTest, CaptionMenusWhileAnotherWindowIsActive)
{
  window->showFullMenu(false);
  EXPECT_TRUE(window->showingCaptionMenus());
  QStringList titles;
  for (QAction* a : window->menuBar()->actions()) {
    titles << a->text();
    EXPECT_TRUE(a->menu()->actions().isEmpty());
  }
  EXPECT_EQ(titles.size(), 8);
  EXPECT_EQ(titles.front(), "&File");
  // Activation brings the full menu back.
  QEvent activate(QEvent::WindowActivate);
  QApplication::sendEvent(window.get(), &activate);
  EXPECT_FALSE(window->showingCaptionMenus());
  EXPECT_FALSE(topMenu(*window, "&File")->actions().isEmpty());
}

TEST_F(MainWindowTest, HelpShowsContentsAndGettingStarted)
{
  window->action(Command::HelpContents)->trigger();
  HelpWindow* help = window->helpWindow();
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->currentPage(), "contents");
  EXPECT_TRUE(help->browser()->toPlainText().contains("Getting started"));
  window->action(Command::GettingStarted)->trigger();
  EXPECT_EQ(help->currentPage(), "idstarting");
  EXPECT_TRUE(help->browser()->toPlainText().contains("Simulate"));
  // Every page the contents link to exists and has a title.
  for (const char* page : {"drawing", "components", "simulating", "graphs", "files", "keys"}) {
    help->showTopic(page);
    EXPECT_EQ(help->currentPage(), page);
    EXPECT_FALSE(help->browser()->documentTitle().isEmpty()) << page;
  }
  help->showTopic("nosuchtopic");
  EXPECT_EQ(help->currentPage(), "contents");
}

TEST_F(MainWindowTest, DebugWindowExistsHiddenWithItsControls)
{
  DebugWindow* debug = window->debugWindow();
  ASSERT_NE(debug, nullptr);
  EXPECT_EQ(debug->windowTitle(), "Debug");
  EXPECT_FALSE(debug->isVisible());
  for (int i = 0; i < 4; ++i) {
    EXPECT_NE(debug->label(i), nullptr);
  }
  EXPECT_EQ(debug->label(4), nullptr);
  EXPECT_EQ(debug->clearButton()->text(), "Clear");
  debug->addLine("one");
  debug->addLine("two");
  EXPECT_EQ(debug->list()->count(), 2);
  debug->clearButton()->click();
  EXPECT_EQ(debug->list()->count(), 0);
}

TEST_F(MainWindowTest, DesignCommandsOpenTheAssistants)
{
  const struct
  {
    Command command;
    const char* caption;
  } commands[] = {{Command::MatchAssistant, "Match"},
                  {Command::AttenuatorAssistant, "Attenuator"},
                  {Command::FilterAssistant, "Filter"}};
  for (const auto& c : commands) {
    prompts.messages.clear();
    window->action(c.command)->trigger();
    EXPECT_TRUE(prompts.messages.empty()) << prompts.lastText();
    bool found = false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && w->windowTitle() == c.caption) found = true;
    }
    EXPECT_TRUE(found) << c.caption;
    // The tool button runs the same command.
    EXPECT_NE(window->toolButton(c.command), nullptr) << c.caption;
  }
}

TEST_F(MainWindowTest, PreferenceWindowsRepaintWhatTheyChange)
{
  window->action(Command::SchematicPreferences)->trigger();
  EXPECT_TRUE(window->schematicPreferences()->isVisible());
  window->action(Command::GraphPreferences)->trigger();
  EXPECT_TRUE(window->graphPreferences()->isVisible());
  // A new paper colour reaches the drawing area at once.
  env.papercolor = makeColor(200, 220, 255);
  emit window->schematicPreferences()->paperColourChanged(env.papercolor);
  EXPECT_EQ(window->view()->paperColor(), QColor(200, 220, 255));
}

TEST_F(MainWindowTest, F1OpensTheHelpContents)
{
  ASSERT_FALSE(window->helpWindow()->isVisible());
  QTest::keyClick(window.get(), Qt::Key_F1);
  EXPECT_TRUE(window->helpWindow()->isVisible());
  EXPECT_EQ(window->helpWindow()->currentPage(), "contents");
}

TEST_F(MainWindowTest, StartNoticeStaysALittleAfterItIsAskedToClose)
{
  window->showStartNotice();
  StartNotice* notice = window->startNotice();
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isVisible());
  EXPECT_TRUE(notice->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(notice->windowFlags() & Qt::FramelessWindowHint);
  QElapsedTimer clock;
  clock.start();
  notice->requestClose();
  QApplication::processEvents();
  EXPECT_TRUE(notice->isVisible()) << "the notice does not vanish at once";
  while (notice->isVisible() && clock.elapsed() < 5000) {
    QTest::qWait(20); // the event loop runs meanwhile, as it does in the program
  }
  EXPECT_FALSE(notice->isVisible());
  EXPECT_GE(clock.elapsed(), StartNotice::kCloseDelayMs);
}

TEST_F(MainWindowTest, ExitClosesAnUnmodifiedWindowWithoutAsking)
{
  window->action(Command::Exit)->trigger();
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(prompts.messages.empty());
}

} // namespace
} // namespace norvane::test
