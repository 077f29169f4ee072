// The main window's actions, menus and toolbars, built from the command table.
#include "mainwindow.h"

#include "editorconnection.h"
#include "toolicons.h"

#include "document/componentkinds.h"
#include "document/schematic.h"
#include "editor/editormodes.h"

#include <QAction>
#include <QGridLayout>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace norvane {

void MainWindow::createActions()
{
  for (const CommandInfo& info : commandTable()) {
    const Command command = info.command;
    auto* action = new QAction(this);
    action->setObjectName(QString("action%1").arg(static_cast<int>(command)));
    QString text = QString::fromLatin1(info.caption);
    if (text.isEmpty()) {
      text = QString::fromLatin1(info.hint);
    }
    action->setText(text);
    if (info.hint[0] != '\0') {
      action->setToolTip(QString::fromLatin1(info.hint));
    }
    if (const char* shortcut = info.shortcut(); shortcut[0] != '\0') {
      action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
      // Single keys (R, C, Space, Del, ...) belong to the window, not to whichever child
      // has the focus, as in the drawing they are placement commands.
      action->setShortcutContext(Qt::WindowShortcut);
    }
    const QIcon icon = commandIcon(command, m_env);
    if (!icon.isNull()) {
      action->setIcon(icon);
      action->setIconVisibleInMenu(false);
    }
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    addAction(action); // shortcuts work even while the menu bar shows captions only
    m_actions[static_cast<size_t>(command)] = action;
  }
  QAction* tune = action(Command::TuneToggle);
  tune->setText("Tune");
  tune->setCheckable(true);
  action(Command::Simulate)->setIconText("Simulate");
  // Zoom in also on the unshifted key of "+", as most keyboards need Shift for "+".
  action(Command::ZoomIn)->setShortcuts({QKeySequence("Ctrl++"), QKeySequence("Ctrl+=")});
}

void MainWindow::addUnlistedKinds(QMenu* menu)
{
  // A kind that has no command of its own in the command table is still placeable: it gets
  // an entry named from its description, so that a new kind needs no change here.
  for (const ComponentKind& kind : componentKinds()) {
    bool listed = false;
    for (const CommandInfo& info : commandTable()) {
      listed = listed || info.mode() == placingMode(kind.type);
    }
    if (listed) continue;
    QString title = QString::fromLatin1(kind.title.data(), static_cast<int>(kind.title.size()));
    title[0] = title[0].toUpper();
    QAction* place = menu->addAction(title);
    const ComponentType type = kind.type;
    connect(place, &QAction::triggered, this,
            [this, type] { m_editor->editor().startPlacing(type); });
  }
}

void MainWindow::createMenus()
{
  using C = Command;
  const auto add = [this](QMenu* menu, std::initializer_list<C> items) {
    for (C c : items) {
      if (c == C::Count) {
        menu->addSeparator();
      } else {
        menu->addAction(action(c));
      }
    }
  };
  const auto topMenu = [this](const char* title) {
    auto* menu = new QMenu(QString::fromLatin1(title), this);
    m_fullMenus.push_back(menu);
    auto* captions = new QMenu(QString::fromLatin1(title), this);
    m_captionMenus.push_back(captions);
    return menu;
  };
  constexpr C sep = C::Count;

  QMenu* file = topMenu("&File");
  add(file, {C::New, C::Open, C::Save, C::SaveAs, sep});
  m_recentMenu = file->addMenu("Recent &Files");
  add(m_recentMenu, {C::RecentFile1, C::RecentFile2, C::RecentFile3, C::RecentFile4, C::RecentFile5,
                     C::RecentFile6, C::RecentFile7, C::RecentFile8});
  add(file,
      {sep, C::Print, C::ExportPdf, C::PrintSetup, C::SaveBitmap, C::ExportSpice, sep, C::Exit});
  showRecentFiles();

  QMenu* edit = topMenu("&Edit");
  add(edit, {C::Undo,
             C::Redo,
             sep,
             C::SelectCursor,
             C::EditComponent,
             sep,
             C::Cut,
             C::Copy,
             C::Paste,
             C::Duplicate,
             C::Delete,
             sep,
             C::BlockSelect,
             C::SelectAll,
             C::Orientation,
             sep,
             C::ZoomIn,
             C::ZoomOut,
             C::ActualSize,
             C::FitToWindow});

  QMenu* component = topMenu("&Component");
  QMenu* passive = component->addMenu("&Passive");
  add(passive, {C::Resistor, C::Capacitor, C::Inductor, C::TxLine, C::Transformer, C::Mutual});
  QMenu* active = component->addMenu("&Active");
  add(active, {C::OpAmp, C::Bipolar, sep, C::VCVS, C::VCCS, C::CCVS, C::CCCS});
  QMenu* sparam = component->addMenu("&S Parameter");
  add(sparam, {C::SParam1, C::SParam2});
  addUnlistedKinds(component);
  add(component, {sep, C::Port1, C::Port2, sep, C::Wire, C::Ground});

  QMenu* draw = topMenu("&Draw");
  add(draw, {C::DrawLine, C::DrawText});

  QMenu* analyse = topMenu("&Analyse");
  add(analyse, {C::Simulate, C::Tune, C::Netlist});

  QMenu* tools = topMenu("&Tools");
  QMenu* design = tools->addMenu("&Design");
  add(design, {C::MatchAssistant, C::AttenuatorAssistant, C::FilterAssistant});
  QMenu* calculators = tools->addMenu("Com&ponent ");
  add(calculators, {C::InductorCalculator, C::CapacitorCalculator, C::TxLineCalculator,
                    C::CouplerCalculator, C::SplitterCalculator});
  add(tools, {C::RfCalculator, C::Optimize, C::Yield});

  QMenu* options = topMenu("&Options");
  add(options, {C::SchematicPreferences, C::GraphPreferences});

  QMenu* help = topMenu("&Help");
  add(help, {C::HelpContents, C::GettingStarted, sep, C::About});

  showFullMenu(true);
}

void MainWindow::showFullMenu(bool full)
{
  if (!m_captionMenusShown && full && !menuBar()->actions().isEmpty()) {
    return;
  }
  menuBar()->clear();
  for (QMenu* menu : full ? m_fullMenus : m_captionMenus) {
    menuBar()->addAction(menu->menuAction());
  }
  m_captionMenusShown = !full;
}

void MainWindow::createToolBars()
{
  using C = Command;
  m_commandBar = new QToolBar("Commands", this);
  m_commandBar->setObjectName("CommandToolBar");
  m_commandBar->setIconSize(QSize(24, 24));
  m_commandBar->setMovable(false);
  addToolBar(Qt::TopToolBarArea, m_commandBar);
  for (C c : {C::Simulate, C::TuneToggle}) {
    m_commandBar->addAction(action(c));
    if (auto* button = qobject_cast<QToolButton*>(m_commandBar->widgetForAction(action(c)))) {
      button->setToolButtonStyle(Qt::ToolButtonTextOnly);
      button->setObjectName(c == C::Simulate ? "SimulateButton" : "TuneButton");
    }
  }
  m_commandBar->addSeparator();
  for (C c : {C::New, C::Open, C::Save, C::Count, C::Cut, C::Copy, C::Paste, C::Print, C::Delete,
              C::Count, C::DrawText, C::DrawLine, C::Count, C::RfCalculator, C::MatchAssistant,
              C::AttenuatorAssistant, C::FilterAssistant}) {
    if (c == C::Count) {
      m_commandBar->addSeparator();
    } else {
      m_commandBar->addAction(action(c));
    }
  }

  // The component bar along the left edge holds its buttons in two columns, so that every
  // button stays in reach even in a small window.
  m_componentBar = new QToolBar("Components", this);
  m_componentBar->setObjectName("ComponentToolBar");
  m_componentBar->setMovable(false);
  m_componentBar->setFloatable(false);
  addToolBar(Qt::LeftToolBarArea, m_componentBar);
  auto* palette = new QWidget(m_componentBar);
  auto* grid = new QGridLayout(palette);
  grid->setContentsMargins(1, 1, 1, 1);
  grid->setSpacing(1);
  int index = 0;
  for (C c : {C::Orientation, C::SelectCursor, C::Wire, C::Ground, C::PortButton, C::Resistor,
              C::Capacitor, C::Inductor, C::TxLine, C::OpAmp, C::Transformer, C::SParam1,
              C::SParam2, C::Mutual, C::Bipolar, C::VCVS, C::VCCS, C::CCVS, C::CCCS}) {
    auto* button = new QToolButton(palette);
    button->setDefaultAction(action(c));
    button->setAutoRaise(true);
    button->setIconSize(QSize(24, 24));
    button->setObjectName(QString("ComponentButton%1").arg(index));
    grid->addWidget(button, index / 2, index % 2);
    m_componentButtons.push_back(button);
    // Component buttons also work by dragging onto the sheet: their presses, moves and
    // releases are watched and handed to the editor in drawing units.
    const int kind = commandInfo(c).mode();
    if (isPlacingMode(kind) || c == C::PortButton) {
      button->installEventFilter(this);
    }
    ++index;
  }
  grid->setRowStretch(grid->rowCount(), 1);
  m_componentBar->addWidget(palette);
}

QToolButton* MainWindow::toolButton(Command command) const
{
  for (QToolButton* button : m_componentButtons) {
    if (button->defaultAction() == action(command)) {
      return button;
    }
  }
  return qobject_cast<QToolButton*>(m_commandBar->widgetForAction(action(command)));
}

} // namespace norvane
