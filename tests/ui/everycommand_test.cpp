// Every command of the main window, triggered one after the other on a drawn circuit with a
// selection: nothing crashes, nothing waits for the user (file dialogs and questions are
// answered by the scripted prompts, property dialogs by the modal runner, and the remaining
// modal windows, the about box, print preview and printer setup, are closed as they open),
// and each menu item is one of the commands of the table.
#include "mainwindow_support.h"

#include "calculators/calculatorwindows.h"
#include "dialogs/preferencewindows.h"
#include "graph/graphwindow.h"
#include "graph/printpreview.h"
#include "helpwindow.h"
#include "netlistwindow.h"

#include "document/componentkinds.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace norvane::test {
namespace {

class EveryCommandTest : public MainWindowTest
{
protected:
  void SetUp() override
  {
    MainWindowTest::SetUp();
    // Property dialogs say OK, except in tune mode, where OK would reopen the dialog for ever.
    window->editorConnection().componentDialogs().setModalRunner([this](QDialog&) {
      const bool tuning = window->editorConnection().editor().mode() == emTune;
      return static_cast<int>(tuning ? QDialog::Rejected : QDialog::Accepted);
    });
    // Modal windows outside the prompts and the property dialogs are closed as they open.
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        modalsClosed << modal->windowTitle();
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
          dialog->reject();
        } else {
          modal->close();
        }
      }
    });
    closer.start();
  }

  void drawCircuit()
  {
    drawResistorToGround();
    doc->Xax.numpoints = 10;
  }

  QTimer closer;
  QStringList modalsClosed;
};

void collectMenuActions(const QMenu& menu, std::vector<QAction*>& into)
{
  for (QAction* action : menu.actions()) {
    if (action->isSeparator()) {
      continue;
    }
    if (action->menu() != nullptr) {
      collectMenuActions(*action->menu(), into);
    } else {
      into.push_back(action);
    }
  }
}

TEST_F(EveryCommandTest, EveryMenuItemIsACommandOfTheTable)
{
  std::set<QAction*> commands;
  for (int c = 0; c < static_cast<int>(Command::Count); ++c) {
    ASSERT_NE(window->action(static_cast<Command>(c)), nullptr) << c;
    commands.insert(window->action(static_cast<Command>(c)));
  }
  std::vector<QAction*> items;
  for (QAction* top : window->menuBar()->actions()) {
    ASSERT_NE(top->menu(), nullptr);
    collectMenuActions(*top->menu(), items);
  }
  EXPECT_GE(items.size(), 50u);
  // Besides the commands, the Component menu has one entry, named by its title, for each
  // kind that has no command of its own (this test program registers one).
  std::map<QString, int> unlistedKinds;
  for (const ComponentKind& kind : componentKinds()) {
    const bool hasCommand =
        std::any_of(commandTable().begin(), commandTable().end(),
                    [&](const CommandInfo& info) { return info.mode() == placingMode(kind.type); });
    if (!hasCommand) {
      QString title = QString::fromLatin1(kind.title.data(), static_cast<int>(kind.title.size()));
      title[0] = title[0].toUpper();
      unlistedKinds[title] = 0;
    }
  }
  EXPECT_FALSE(unlistedKinds.empty());
  for (QAction* item : items) {
    if (commands.count(item) == 0 && unlistedKinds.count(item->text()) == 1) {
      ++unlistedKinds[item->text()];
      continue;
    }
    EXPECT_TRUE(commands.count(item) == 1) << item->text().toStdString();
  }
  for (const auto& [title, entries] : unlistedKinds) {
    EXPECT_EQ(entries, 1) << title.toStdString();
  }
}

TEST_F(EveryCommandTest, EveryCommandRunsWithoutWaitingOrCrashing)
{
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    drawCircuit();
    for (int c = 0; c < static_cast<int>(Command::Count); ++c) {
      const auto command = static_cast<Command>(c);
      if (command == Command::Exit) {
        continue; // last, below
      }
      SCOPED_TRACE(window->action(command)->text().toStdString());
      // Something to cut, copy and delete, and a last point on the resistor for "Edit
      // component".
      click(200, 200);
      window->action(command)->trigger();
      QApplication::processEvents();
      ASSERT_TRUE(window->isVisible());
      ASSERT_EQ(QApplication::activeModalWidget(), nullptr);
      key(Qt::Key_Escape);
    }
  }
  // The windows of the Tools, Options, Analyse and Help menus were shown.
  EXPECT_TRUE(window->graphWindow()->isVisible());
  EXPECT_TRUE(window->netlistWindow()->isVisible());
  EXPECT_TRUE(window->helpWindow()->isVisible());
  EXPECT_TRUE(window->schematicPreferences()->isVisible());
  EXPECT_TRUE(window->graphPreferences()->isVisible());
  // The about box and the print preview were opened (and closed by the test) each round.
  EXPECT_EQ(modalsClosed.count("Print Preview"), 2) << modalsClosed.join(", ").toStdString();
  EXPECT_EQ(modalsClosed.count("About Norvane"), 2) << modalsClosed.join(", ").toStdString();
  // Every command is available; the design assistants' windows were opened.
  for (const char* caption : {"Match", "Attenuator", "Filter"}) {
    bool shown = false;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->windowTitle() == caption) shown = true;
    }
    EXPECT_TRUE(shown) << caption;
  }
  int notAvailable = 0;
  for (const auto& m : prompts.messages) {
    if (m.text.find("not available") != std::string::npos) {
      ++notAvailable;
    }
    EXPECT_NE(m.kind, ScriptedPrompts::Kind::Error) << m.text;
  }
  EXPECT_EQ(notAvailable, 0);

  window->setModified(false);
  window->action(Command::Exit)->trigger();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(EveryCommandTest, PrintSetupWithoutAPrinterSaysSo)
{
  QPrinter& printer = window->graphWindow()->printPreview().printer();
  if (printer.outputFormat() == QPrinter::NativeFormat) {
    GTEST_SKIP() << "a printer is installed here";
  }
  window->action(Command::PrintSetup)->trigger();
  EXPECT_TRUE(prompts.saw(kNoPrinterMessage));
  EXPECT_TRUE(modalsClosed.isEmpty());
}

} // namespace
} // namespace norvane::test
