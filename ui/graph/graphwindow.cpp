#include "graph/graphwindow.h"

#include "common/latin1text.h"
#include "config/environment.h"
#include "graph/datalistview.h"
#include "graph/graphcursormouse.h"
#include "graph/graphdrawingarea.h"
#include "graph/graphmarkermouse.h"
#include "graph/graphpanelwidgets.h"
#include "graph/graphvaluefield.h"
#include "graph/markertableview.h"
#include "graph/printpreview.h"
#include "graph/sweepsetupdialog.h"
#include "graph/tracekinds.h"
#include "graph/tracesetupdialog.h"
#include "platform/prompts.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace norvane {

namespace {

constexpr int kSidePanelWidth = 112;
constexpr int kBlinkMilliseconds = 1000;
constexpr int kStabilityLines = 10; // verdict and ranges, then K, mu and MAG/MSG
constexpr int kNoiseLines = 11;     // NFmin, Gamma-opt (2), Rn, four NF and three gain circles
const char* const kParameterNames[4] = {"S11", "S21", "S12", "S22"};

} // namespace

GraphWindow::GraphWindow(Schematic& doc, Environment& env, Prompts& prompts,
                         SimulationSession& session, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_env(env), m_prompts(prompts), m_session(session),
      m_core(doc, env, *this)
{
  setWindowTitle("Norvane - ");
  createActions();
  createMenus();
  createToolBar();
  createPanels();
  createStatusBar();
  m_preview = std::make_unique<PrintPreview>(doc, env, *this, prompts, this);
  m_traceDialog = std::make_unique<TraceSetupDialog>(doc, this);
  m_polarDialog = std::make_unique<PolarSetupDialog>(doc, this);
  m_sweepDialog = std::make_unique<SweepSetupDialog>(doc, this);
  m_tolDialog = std::make_unique<ToleranceSweepDialog>(this);
  m_area->setPainter([this](Canvas& canvas, const IntRect& area) { m_core.paint(canvas, area); });
  new GraphCursorMouse(m_area, m_cursorBar, m_core, this);
  // After the cursor's handling, so that it sees the plot's events first.
  new GraphMarkerMouse(m_area, m_cursorBar, m_markerTable, m_core, this);
  m_area->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_area, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { m_markersMenu->popup(m_area->mapToGlobal(at)); });
  qApp->installEventFilter(this);
  resize(660, 500);
  refreshControls();
}

GraphWindow::~GraphWindow()
{
  qApp->removeEventFilter(this);
  keyHeld(false);
}

void GraphWindow::setLinks(GraphWindowLinks links)
{
  m_links = std::move(links);
}

// ---- Panels -------------------------------------------------------------------------------

void GraphWindow::createPanels()
{
  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);

  m_left = new SidePanel(central);
  m_right = new SidePanel(central);
  for (SidePanel* p : {m_left, m_right})
    p->setFixedWidth(kSidePanelWidth);

  m_stack = new QStackedWidget(central);
  m_area = new GraphDrawingArea(m_stack);
  m_list = new DataListView(m_stack);
  m_stack->addWidget(m_area);
  m_stack->addWidget(m_list);

  for (int side = 0; side < 2; ++side)
    createSidePanel(side);
  createReadoutPanels();

  createBottomPanel(central);

  m_markerTable = new MarkerTableView(central);
  m_markerTable->hide();
  connect(m_markerTable, &MarkerTableView::markerChosen, this,
          [this](int number) { m_core.selectMarker(number); });

  m_blink = new QTimer(this);
  m_blink->setInterval(kBlinkMilliseconds);
  connect(m_blink, &QTimer::timeout, this, &GraphWindow::toggleBlink);

  grid->addWidget(m_left, 0, 0);
  grid->addWidget(m_stack, 0, 1);
  grid->addWidget(m_right, 0, 2);
  grid->addWidget(m_markerTable, 1, 0, 1, 3);
  grid->addWidget(m_bottom, 2, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(0, 1);
  setCentralWidget(central);
}

// One side of the plot: the limit fields, the S-parameter buttons, the trace-type list and
// the trace's colour mark.
void GraphWindow::createSidePanel(int side)
{
  SidePanel* panel = side == 0 ? m_left : m_right;
  const auto s = static_cast<size_t>(side);
  auto* top = new GraphValueField(panel);
  auto* bottom = new GraphValueField(panel);
  m_valueFields[side == 0 ? 0 : 2] = top;
  m_valueFields[side == 0 ? 1 : 3] = bottom;
  auto* box = new QWidget(panel);
  auto* boxLayout = new QVBoxLayout(box);
  boxLayout->setContentsMargins(4, 0, 0, 0);
  boxLayout->setSpacing(0);
  m_paramGroups[s] = new QButtonGroup(box);
  for (int i = 0; i < 4; ++i) {
    auto* b = new QRadioButton(kParameterNames[i], box);
    m_paramButtons[s][static_cast<size_t>(i)] = b;
    m_paramGroups[s]->addButton(b, i + 1); // id: the MeasuredParameter's value
    boxLayout->addWidget(b);
  }
  box->adjustSize();
  m_paramBoxes[s] = box;
  m_typeLists[s] = new QComboBox(panel);
  for (const char* item : kTraceTypeItems)
    m_typeLists[s]->addItem(item);
  m_marks[s] = new QLabel(panel);
  // The left mark is always red and the right one always blue, whatever the trace colours.
  m_marks[s]->setPixmap(roundMark(side == 0 ? colors::red : colors::blue, 12));
  m_marks[s]->resize(12, 12);

  const int trace = side + 1;
  connect(m_paramGroups[s], &QButtonGroup::idClicked, this, [this, trace](int id) {
    m_core.parameterChosen(trace, static_cast<MeasuredParameter>(id));
  });
  connect(m_typeLists[s], &QComboBox::activated, this,
          [this, trace](int index) { m_core.traceTypeChosen(trace, index); });
  const ValueField topField = side == 0 ? ValueField::Trace1Max : ValueField::Trace2Max;
  const ValueField bottomField = side == 0 ? ValueField::Trace1Min : ValueField::Trace2Min;
  connect(top, &GraphValueField::committed, this,
          [this, topField](double v) { m_core.valueFieldLeft(topField, v); });
  connect(bottom, &GraphValueField::committed, this,
          [this, bottomField](double v) { m_core.valueFieldLeft(bottomField, v); });
}

// The chart read-out panels, laid out by the side panels as the plot format asks.
void GraphWindow::createReadoutPanels()
{
  m_chartZoPanel = new TextPanel({"Chart Zo="}, 1, m_left);
  m_impedancePanel = new TextPanel({"Impedance"}, 2, m_left);
  m_admittancePanel = new TextPanel({"Admittance"}, 2, m_left);
  m_seriesPanel = new TextPanel({"Series", "Equivalent"}, 2, m_right);
  m_parallelPanel = new TextPanel({"Parallel", "Equivalent"}, 2, m_right);
  m_gain20Panel = new TextPanel({"dB Mag", "(20log[V])"}, 1, m_right);
  m_gain10Panel = new TextPanel({"dB Mag", "(10log[P])"}, 1, m_right);
  m_legendPortPanel = new TextPanel({"Port 1", "stability", "circle."}, 0, m_right);
  m_legendPanel = new TextPanel({"Shaded", "area", "unstable"}, 0, m_right);
  m_stabilityPanel = new TextPanel({"Stability"}, kStabilityLines, m_right);
  m_noisePanel = new TextPanel({"Noise"}, kNoiseLines, m_left);

  m_left->setLayouter([this] { layoutSidePanels(); });
  m_right->setLayouter([this] { layoutSidePanels(); });
}

void GraphWindow::createBottomPanel(QWidget* central)
{
  // Bottom panel: "Start:" on the left, the points in the middle, "Stop:" on the right.
  m_bottom = new QWidget(central);
  auto* bottom = new QGridLayout(m_bottom);
  bottom->setContentsMargins(4, 2, 4, 2);
  m_startField = new GraphValueField(m_bottom);
  m_stopField = new GraphValueField(m_bottom);
  m_pointsField = new GraphValueField(m_bottom);
  m_startField->setFormat("Hz", kSweepFieldDecimals);
  m_stopField->setFormat("Hz", kSweepFieldDecimals);
  m_pointsField->setFormat(kPointsFieldUnit, 0);
  // 2 to 501 points: a sweep of 500 intervals must show its true count.
  m_pointsField->setLimits(2, kPlotPointCapacity);
  for (GraphValueField* f : {m_startField, m_stopField, m_pointsField})
    f->setFixedWidth(96);
  auto* startBox = new QHBoxLayout;
  startBox->addWidget(new QLabel("Start:", m_bottom));
  startBox->addWidget(m_startField);
  m_sDataIcon = new QLabel(m_bottom);
  m_sDataIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16));
  m_sDataText = new QLabel("S data freq", m_bottom);
  m_sDataIcon->hide();
  m_sDataText->hide();
  startBox->addSpacing(8);
  startBox->addWidget(m_sDataIcon);
  startBox->addWidget(m_sDataText);
  startBox->addStretch();
  auto* stopBox = new QHBoxLayout;
  stopBox->addStretch();
  stopBox->addWidget(new QLabel("Stop:", m_bottom));
  stopBox->addWidget(m_stopField);
  bottom->addLayout(startBox, 0, 0);
  bottom->addWidget(m_pointsField, 0, 1, Qt::AlignCenter);
  bottom->addLayout(stopBox, 0, 2);
  bottom->setColumnStretch(0, 1);
  bottom->setColumnStretch(2, 1);
  connect(m_startField, &GraphValueField::committed, this,
          [this](double v) { m_core.startFieldLeft(v); });
  connect(m_stopField, &GraphValueField::committed, this,
          [this](double v) { m_core.stopFieldLeft(v); });
  connect(m_pointsField, &GraphValueField::committed, this,
          [this](double v) { m_core.pointsFieldLeft(v); });
}

void GraphWindow::createStatusBar()
{
  QStatusBar* bar = statusBar();
  m_readouts[0] = new QLabel(bar);
  m_readouts[0]->setMinimumWidth(100);
  bar->addWidget(m_readouts[0]);
  for (size_t i = 0; i < 2; ++i) {
    m_readoutMarks[i] = new QLabel(bar);
    bar->addWidget(m_readoutMarks[i]);
    m_readouts[i + 1] = new QLabel(bar);
    m_readouts[i + 1]->setMinimumWidth(90);
    bar->addWidget(m_readouts[i + 1]);
  }
  m_cursorBar = new QScrollBar(Qt::Horizontal, bar);
  m_cursorBar->setToolTip("Graph Cursor Control");
  m_cursorBar->setRange(1, 1);
  m_cursorBar->setPageStep(10);
  m_cursorBar->setSingleStep(1);
  m_cursorBar->setFocusPolicy(Qt::StrongFocus);
  bar->addWidget(m_cursorBar, 1); // the remaining width
  m_runNote = new QLabel(bar);
  m_runNote->setStyleSheet("color: #c00000");
  m_runNote->hide();
  bar->addPermanentWidget(m_runNote);
  connect(m_cursorBar, &QScrollBar::valueChanged, this, [this](int v) {
    if (!m_core.painting()) m_core.cursorChanged(v);
  });
}

void GraphWindow::layoutSidePanels()
{
  const bool chart = m_core.panelState().view == GraphView::Chart;
  for (int side = 0; side < 2; ++side) {
    SidePanel* panel = side == 0 ? m_left : m_right;
    const auto s = static_cast<size_t>(side);
    const int w = panel->width();
    const int h = panel->height();
    GraphValueField* top = m_valueFields[side == 0 ? 0 : 2];
    GraphValueField* bottom = m_valueFields[side == 0 ? 1 : 3];
    const int fieldH = top->sizeHint().height();
    top->setGeometry(3, 4, w - 6, fieldH);
    bottom->setGeometry(3, h - fieldH - 4, w - 6, fieldH);
    QWidget* box = m_paramBoxes[s];
    box->resize(w - 6, box->sizeHint().height());
    GraphPanelSizes sizes;
    sizes.sidePanelHeight = h;
    sizes.radioGroupHeight = box->height();
    const GraphPanelLayout l = graphPanelLayout(sizes);
    box->move(3, chart ? l.chartRadioGroupTop : l.radioGroupTop);
    m_marks[s]->move(w / 2 - 6, l.sidePanelMid - 6);
    m_typeLists[s]->setGeometry(3, l.traceListTop, w - 6, m_typeLists[s]->sizeHint().height());

    // Chart panels stack below the parameter group on the left, from the top on the right.
    int y = side == 0 ? box->y() + box->height() + 8 : 8;
    const std::vector<TextPanel*> panels =
        side == 0 ? std::vector<TextPanel*>{m_chartZoPanel, m_impedancePanel, m_admittancePanel,
                                            m_noisePanel}
                  : std::vector<TextPanel*>{m_seriesPanel,   m_parallelPanel,   m_gain20Panel,
                                            m_gain10Panel,   m_legendPortPanel, m_legendPanel,
                                            m_stabilityPanel};
    for (TextPanel* p : panels) {
      if (p->isHidden()) continue;
      p->setGeometry(3, y, w - 6, p->preferredHeight());
      y += p->height() + 6;
    }
  }
}

// ---- GraphHost ----------------------------------------------------------------------------

void GraphWindow::repaintGraph()
{
  m_area->repaintPicture();
}

Canvas* GraphWindow::liveCanvas()
{
  return m_area->liveCanvas();
}

IntRect GraphWindow::drawingArea() const
{
  return m_area->area();
}

void GraphWindow::showWindow()
{
  showGraph();
}

void GraphWindow::showGraph()
{
  // Every run brings the results forward, above a maximised main window too, but the
  // keyboard stays with the window in use (the schematic while tuning, a dialog's field).
  QWidget* inUse = QApplication::activeWindow();
  setAttribute(Qt::WA_ShowWithoutActivating);
  if (!isVisible()) {
    show();
    // Some platforms activate every window they map all the same, once the event loop runs
    // again: the keyboard then goes back (see the activation in eventFilter).
    m_handBackTo = inUse != this ? inUse : nullptr;
    m_handBackClock.start();
  }
  raise();
  m_shownOnce = true;
}

void GraphWindow::handBackKeyboard()
{
  // Only the activation that follows the mapping at once; a click into the window later is
  // the user's own choice.
  constexpr qint64 kMappingMs = 300;
  QPointer<QWidget> inUse = m_handBackTo;
  m_handBackTo = nullptr;
  if (inUse && inUse->isVisible() && m_handBackClock.isValid() &&
      m_handBackClock.elapsed() < kMappingMs) {
    inUse->activateWindow();
    raise();
  }
}

void GraphWindow::focusCursorScrollBar()
{
  m_cursorBar->setFocus();
}

void GraphWindow::beep()
{
  m_prompts.beep();
}

// Shown after the caption while the graph no longer matches the schematic.
constexpr const char* kOutOfDateMark = " - out of date, simulate again";

void GraphWindow::setResultsOutOfDate(bool outOfDate)
{
  outOfDate = outOfDate && m_core.points().count() > 0;
  if (outOfDate == m_outOfDate) return;
  m_outOfDate = outOfDate;
  showCaption();
}

void GraphWindow::showCaption()
{
  QString caption = toQt(m_core.panelState().caption);
  if (m_outOfDate) caption += kOutOfDateMark;
  setWindowTitle(caption);
}

void GraphWindow::refreshControls()
{
  showPanelState();
  showReadouts();
  showMarkers();
}

void GraphWindow::showMarkers()
{
  const GraphPanelState s = m_core.panelState();
  const bool list = s.view == GraphView::List;
  const bool chart = s.view == GraphView::Chart;
  const GraphMarkers& markers = m_core.markers();
  const int selected = m_core.selectedMarker();
  const bool plotted = !list && m_core.points().count() > 0;
  action(GraphCommand::AddMarker)->setEnabled(plotted && m_core.canAddMarker());
  action(GraphCommand::DeleteMarker)->setEnabled(selected != 0);
  action(GraphCommand::SetReference)->setEnabled(selected != 0);
  action(GraphCommand::SetReference)->setChecked(selected != 0 && markers[selected].reference);
  action(GraphCommand::ClearMarkers)->setEnabled(!markers.empty());
  // On the rectangular graph the searches name the traces; a chart has its magnitude only.
  const QString trace1 = toQt(traceLegendText(m_doc.Y1ax));
  const QString trace2 = toQt(traceLegendText(m_doc.Y2ax));
  for (GraphCommand c : {GraphCommand::MarkerMaxTrace1, GraphCommand::MarkerMinTrace1}) {
    action(c)->setText(chart ? QString("Chart &magnitude") : "Trace &1: " + trace1);
    action(c)->setEnabled(plotted);
  }
  for (GraphCommand c : {GraphCommand::MarkerMaxTrace2, GraphCommand::MarkerMinTrace2}) {
    action(c)->setText("Trace &2: " + trace2);
    action(c)->setEnabled(plotted);
    action(c)->setVisible(!chart);
  }
  const bool table = !list && !markers.empty();
  if (table) m_markerTable->showTable(m_core.markerTable(), selected);
  m_markerTable->setVisible(table);
}

void GraphWindow::showPanelState()
{
  const GraphPanelState s = m_core.panelState();
  // Copying the state onto the widgets must not start simulations.
  const bool wasPainting = m_core.painting();
  m_core.setPainting(true);

  showCaption();
  toolAction(GraphTool::SquareGrid)->setChecked(s.graphTypeButton == GraphTypeButton::SquareGrid);
  toolAction(GraphTool::Smith)->setChecked(s.graphTypeButton == GraphTypeButton::Smith);
  toolAction(GraphTool::Polar)->setChecked(s.graphTypeButton == GraphTypeButton::Polar);
  toolAction(GraphTool::DataList)->setChecked(s.graphTypeButton == GraphTypeButton::DataList);
  toolAction(GraphTool::LinSweep)->setChecked(!s.logSweep);
  toolAction(GraphTool::LogSweep)->setChecked(s.logSweep);
  toolAction(GraphTool::StabilityCircles)->setChecked(s.circlesOn);
  action(GraphCommand::NoiseCircles)->setChecked(m_core.noiseCircles());
  const int mode = m_session.toleranceMode;
  const bool multi = m_multiSweeping || mode == tolerancemode::MultiSweep;
  toolAction(GraphTool::Lower)->setChecked(!multi && mode == tolerancemode::Lower);
  toolAction(GraphTool::Nominal)->setChecked(!multi && mode == tolerancemode::Nominal);
  toolAction(GraphTool::Upper)->setChecked(!multi && mode == tolerancemode::Upper);
  toolAction(GraphTool::Random)->setChecked(!multi && mode == tolerancemode::Random);
  toolAction(GraphTool::MultiSweep)->setChecked(multi);
  action(GraphCommand::Trace2Limits)->setEnabled(s.trace2LimitsEnabled);
  action(GraphCommand::Trace2Limits)->setVisible(s.view != GraphView::Chart);

  const bool list = s.view == GraphView::List;
  const bool chart = s.view == GraphView::Chart;
  m_stack->setCurrentWidget(list ? static_cast<QWidget*>(m_list) : m_area);
  m_left->setVisible(!list);
  m_right->setVisible(!list);
  m_bottom->setVisible(!list);
  // The cursor has nothing to mark in the list; the run's note stays in view.
  const bool note = !m_runNote->text().isEmpty();
  m_runNote->setVisible(note);
  statusBar()->setVisible(!list || note);
  m_cursorBar->setVisible(!list);
  for (QLabel* label : m_readouts)
    label->setVisible(!list);
  for (QLabel* label : m_readoutMarks)
    label->setVisible(!list);
  if (list) m_list->showRows(m_core.dataListRows());

  for (size_t side = 0; side < 2; ++side) {
    for (size_t i = 0; i < 4; ++i)
      m_paramButtons[side][i]->setEnabled(s.parameterEnabled[i]);
    const int checked = static_cast<int>(side == 0 ? s.leftChecked : s.rightChecked);
    if (QAbstractButton* b = m_paramGroups[side]->button(checked)) b->setChecked(true);
    m_typeLists[side]->setVisible(!chart);
    m_marks[side]->setVisible(!chart);
  }
  m_typeLists[0]->setCurrentIndex(s.trace1ListIndex);
  m_typeLists[1]->setCurrentIndex(s.trace2ListIndex);
  m_paramBoxes[1]->setVisible(!chart);
  for (size_t i = 1; i < 4; ++i)
    m_valueFields[i]->setVisible(!chart);
  if (chart) {
    m_valueFields[0]->setFormat("", kValueFieldDecimals);
    m_valueFields[0]->showValue(s.chartMagnitude);
  } else {
    const std::array<double, 4> values{s.trace1Max, s.trace1Min, s.trace2Max, s.trace2Min};
    for (size_t i = 0; i < 4; ++i) {
      m_valueFields[i]->setFormat(i < 2 ? s.trace1Unit : s.trace2Unit, kValueFieldDecimals);
      m_valueFields[i]->showValue(values[i]);
    }
  }
  m_startField->showValue(s.start);
  m_stopField->showValue(s.stop);
  m_pointsField->showValue(s.points);

  if (s.sDataWarning) {
    if (!m_blink->isActive()) {
      m_sDataIcon->show();
      m_sDataText->show();
      m_blink->start();
    }
  } else if (m_blink->isActive() || m_sDataText->isVisible()) {
    m_blink->stop();
    m_sDataIcon->hide();
    m_sDataText->hide();
  }

  {
    const QSignalBlocker block(m_cursorBar);
    m_cursorBar->setRange(m_core.cursorMinimum(), m_core.cursorMaximum());
    m_cursorBar->setValue(m_core.cursorPosition());
  }
  m_core.setPainting(wasPainting);
}

void GraphWindow::toggleBlink()
{
  const bool on = !m_sDataText->isVisible();
  m_sDataText->setVisible(on);
  m_sDataIcon->setVisible(on);
}

void GraphWindow::showReadouts()
{
  const GraphReadouts& r = m_core.readouts();
  const bool chart = m_core.panelState().view == GraphView::Chart;
  m_readouts[0]->setText(toQt(r.frequency));
  m_readouts[1]->setText(toQt(r.value1));
  m_readouts[2]->setText(toQt(r.value2));
  m_readoutMarks[0]->setPixmap(roundMark(m_env.trace1color));
  m_readoutMarks[1]->setPixmap(roundMark(r.mark2Color));

  const ImpedancePanelTexts& z = r.impedance;
  m_chartZoPanel->setVisible(chart && r.chartZoVisible);
  m_chartZoPanel->setValues({toQt(r.chartZo)});
  for (TextPanel* p : {m_impedancePanel, m_admittancePanel, m_seriesPanel, m_parallelPanel})
    p->setVisible(chart && r.impedanceVisible);
  m_impedancePanel->setValues({toQt(z.resistance), toQt(z.reactance)});
  m_admittancePanel->setValues({toQt(z.conductance), toQt(z.susceptance)});
  m_seriesPanel->setValues({toQt(z.seriesResistance), toQt(z.seriesComponent)});
  m_parallelPanel->setValues({toQt(z.parallelResistance), toQt(z.parallelComponent)});
  m_gain20Panel->setVisible(chart && r.gainVisible);
  m_gain10Panel->setVisible(chart && r.gainVisible);
  m_gain20Panel->setValues({toQt(r.gain.voltageGain)});
  m_gain10Panel->setValues({toQt(r.gain.powerGain)});
  m_legendPortPanel->setVisible(chart && r.legendVisible);
  m_legendPanel->setVisible(chart && r.legendVisible);
  m_legendPortPanel->setHeadings({toQt(r.legendPort), kLegendTexts[0], kLegendTexts[1]});
  m_stabilityPanel->setVisible(chart && r.legendVisible && !r.stabilityLines.empty());
  QStringList stability;
  for (const std::string& line : r.stabilityLines)
    stability << toQt(line);
  if (stability.size() > kStabilityLines) {
    // More unstable ranges than lines: the last lines keep the figures at the cursor.
    const QStringList figures = stability.mid(stability.size() - 3);
    stability = stability.mid(0, kStabilityLines - 4);
    stability << "..." << figures;
  }
  m_stabilityPanel->setValues(stability);
  m_noisePanel->setVisible(chart && r.noiseVisible);
  QStringList noise;
  for (const std::string& line : r.noiseLines)
    noise << toQt(line);
  m_noisePanel->setValues(noise.mid(0, kNoiseLines));
  layoutSidePanels();
}

QString GraphWindow::chartPanelText() const
{
  QStringList parts;
  for (const TextPanel* p : {m_chartZoPanel, m_impedancePanel, m_admittancePanel, m_seriesPanel,
                             m_parallelPanel, m_gain20Panel, m_gain10Panel, m_legendPortPanel,
                             m_legendPanel, m_stabilityPanel, m_noisePanel})
    if (!p->isHidden()) parts << p->text();
  return parts.join('\n');
}

GraphValueField* GraphWindow::valueField(ValueField field) const
{
  return m_valueFields[static_cast<size_t>(field)];
}

QComboBox* GraphWindow::traceTypeList(int trace) const
{
  return m_typeLists[trace == 2 ? 1 : 0];
}

QRadioButton* GraphWindow::parameterButton(int side, MeasuredParameter measwhat) const
{
  const int index = std::clamp(static_cast<int>(measwhat), 1, 4) - 1;
  return m_paramButtons[side == 2 ? 1 : 0][static_cast<size_t>(index)];
}

// ---- Window events ------------------------------------------------------------------------

void GraphWindow::showEvent(QShowEvent* event)
{
  QMainWindow::showEvent(event);
  // The buttons of the current graph type, sweep and tolerance modes, and the cursor where
  // it was when the window closed.
  refreshControls();
}

void GraphWindow::closeEvent(QCloseEvent* event)
{
  keyHeld(false);
  QMainWindow::closeEvent(event);
}

void GraphWindow::resizeEvent(QResizeEvent* event)
{
  QMainWindow::resizeEvent(event);
  GraphPanelSizes sizes;
  sizes.windowWidth = width();
  m_list->fitColumns(graphPanelLayout(sizes));
}

void GraphWindow::keyHeld(bool held)
{
  QWidget* main = m_links.mainWindow;
  // Disabling an ancestor would disable this window too.
  if (!main || main->isAncestorOf(this)) return;
  if (held && !m_mainDisabled) {
    main->setEnabled(false);
    m_mainDisabled = true;
  } else if (!held && m_mainDisabled) {
    main->setEnabled(true);
    m_mainDisabled = false;
  }
}

bool GraphWindow::eventFilter(QObject* watched, QEvent* event)
{
  const auto type = event->type();
  if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
    auto* w = qobject_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    // An event the focus widget ignores travels up to its parents and passes here again.
    const bool seen = event == m_lastKey.event && key->timestamp() == m_lastKey.timestamp &&
                      type == m_lastKey.type;
    if (w && w->window() == this && !seen) {
      m_lastKey = {event, key->timestamp(), type};
      if (type == QEvent::KeyPress) {
        if (!key->isAutoRepeat()) keyHeld(true);
        if (key->key() == Qt::Key_Escape) requestAbort();
      } else if (!key->isAutoRepeat()) {
        keyHeld(false);
        if (key->key() == Qt::Key_F1) runCommand(GraphCommand::HelpContents);
      }
    }
  } else if (type == QEvent::WindowDeactivate && watched == this) {
    keyHeld(false); // the key release goes elsewhere
  } else if (type == QEvent::WindowActivate && watched == this && m_handBackTo) {
    handBackKeyboard();
  }
  return QMainWindow::eventFilter(watched, event);
}

} // namespace norvane
