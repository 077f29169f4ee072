#include "dialogs/optimizewindow.h"

#include "common/latin1text.h"
#include "numbers/valuetext.h"
#include "optimize/eseries.h"
#include "optimize/goal.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace norvane {
namespace {

enum VariableColumn { VarName, VarValue, VarMin, VarMax, VarSeries, VarColumns };

constexpr const char* kSeriesNames[] = {"", "E6", "E12", "E24", "E48", "E96"};

// How often the window shows the best point of a running search.
constexpr int kLiveIntervalMs = 300;

QString costText(double cost)
{
  return toQt(formatNumber(cost, NumberFormat::Significant(4)));
}

} // namespace

OptimizeWindow::OptimizeWindow(Schematic& doc, QWidget* parent) : QDialog(parent), m_doc(doc)
{
  setWindowTitle("Optimize");

  m_goals = new QTableWidget(0, 2, this);
  m_goals->setHorizontalHeaderLabels({"Goal", "Check"});
  m_goals->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  m_goals->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  m_goals->verticalHeader()->hide();
  connect(m_goals, &QTableWidget::cellChanged, this, [this](int row, int column) {
    if (column != 0) return;
    checkGoalRow(row);
    ensureEmptyGoalRow();
  });

  m_variables = new QTableWidget(0, VarColumns, this);
  m_variables->setHorizontalHeaderLabels({"Vary", "Value", "Min", "Max", "Series"});
  m_variables->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  m_variables->verticalHeader()->hide();

  m_method = new QComboBox(this);
  m_method->addItems({"Local", "Global", "Auto"});
  m_method->setCurrentIndex(2);
  m_start = new QPushButton("&Start", this);
  m_stop = new QPushButton("S&top", this);
  m_apply = new QPushButton("&Apply", this);
  auto* close = new QPushButton("&Close", this);
  m_cost = new QLabel(this);
  m_evaluations = new QLabel(this);
  m_message = new QLabel(this);
  m_message->setWordWrap(true);
  m_result = new QPlainTextEdit(this);
  m_result->setReadOnly(true);
  m_result->setMaximumHeight(110);

  auto* controls = new QHBoxLayout;
  controls->addWidget(new QLabel("Method:", this));
  controls->addWidget(m_method);
  controls->addWidget(m_start);
  controls->addWidget(m_stop);
  controls->addStretch();
  controls->addWidget(new QLabel("Cost:", this));
  controls->addWidget(m_cost);
  controls->addWidget(new QLabel("Evaluations:", this));
  controls->addWidget(m_evaluations);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(m_apply);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel("Goals (one per row, e.g. \"S21 dB >= -0.5 from 0 to 1GHz\"):", this));
  layout->addWidget(m_goals, 2);
  layout->addWidget(new QLabel("Variables:", this));
  layout->addWidget(m_variables, 2);
  layout->addLayout(controls);
  layout->addWidget(m_message);
  layout->addWidget(m_result, 1);
  layout->addLayout(buttons);
  resize(620, 560);

  m_timer = new QTimer(this);
  m_timer->setInterval(kLiveIntervalMs);
  connect(m_timer, &QTimer::timeout, this, &OptimizeWindow::showProgress);
  connect(m_start, &QPushButton::clicked, this, &OptimizeWindow::start);
  connect(m_stop, &QPushButton::clicked, this, &OptimizeWindow::stop);
  connect(m_apply, &QPushButton::clicked, this, &OptimizeWindow::apply);
  connect(close, &QPushButton::clicked, this, &OptimizeWindow::reject);
  setRunning(false);
}

OptimizeWindow::~OptimizeWindow()
{
  m_stopFlag = true;
  joinWorker();
}

void OptimizeWindow::reload()
{
  if (running()) return;
  {
    const QSignalBlocker block(m_goals);
    m_goals->setRowCount(0);
    for (const std::string& text : m_doc.goals) {
      const int row = m_goals->rowCount();
      m_goals->insertRow(row);
      m_goals->setItem(row, 0, new QTableWidgetItem(toQt(text)));
      checkGoalRow(row);
    }
  }
  ensureEmptyGoalRow();
  m_variables->setRowCount(0);
  for (const Variable& v : defaultVariables(m_doc)) {
    const int row = m_variables->rowCount();
    m_variables->insertRow(row);
    auto* name = new QTableWidgetItem(toQt(v.label));
    name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    name->setCheckState(Qt::Checked);
    auto* value = new QTableWidgetItem(toQt(variableValueText(v, v.start)));
    value->setFlags(Qt::ItemIsEnabled);
    m_variables->setItem(row, VarName, name);
    m_variables->setItem(row, VarValue, value);
    m_variables->setItem(row, VarMin, new QTableWidgetItem(toQt(variableValueText(v, v.min))));
    m_variables->setItem(row, VarMax, new QTableWidgetItem(toQt(variableValueText(v, v.max))));
    auto* series = new QComboBox(m_variables);
    for (const char* s : kSeriesNames)
      series->addItem(s);
    m_variables->setCellWidget(row, VarSeries, series);
  }
  m_pending.reset();
  m_cost->clear();
  m_evaluations->clear();
  m_message->clear();
}

void OptimizeWindow::checkGoalRow(int row)
{
  const QTableWidgetItem* item = m_goals->item(row, 0);
  const std::string text = item ? fromQt(item->text().trimmed()) : std::string();
  QString check;
  if (!text.empty()) {
    const GoalReading reading = parseGoal(text);
    check = reading.goal ? QString("ok") : toQt(reading.problem);
  }
  const QSignalBlocker block(m_goals);
  auto* cell = new QTableWidgetItem(check);
  cell->setFlags(Qt::ItemIsEnabled);
  if (check != "ok" && !check.isEmpty()) cell->setForeground(Qt::red);
  m_goals->setItem(row, 1, cell);
}

void OptimizeWindow::ensureEmptyGoalRow()
{
  const int last = m_goals->rowCount() - 1;
  const QTableWidgetItem* item = last >= 0 ? m_goals->item(last, 0) : nullptr;
  if (last >= 0 && (item == nullptr || item->text().trimmed().isEmpty())) return;
  const QSignalBlocker block(m_goals);
  m_goals->insertRow(last + 1);
  m_goals->setItem(last + 1, 0, new QTableWidgetItem());
}

std::optional<std::vector<Goal>> OptimizeWindow::readGoals(std::vector<std::string>& texts)
{
  std::vector<Goal> goals;
  for (int row = 0; row < m_goals->rowCount(); ++row) {
    const QTableWidgetItem* item = m_goals->item(row, 0);
    const std::string text = item ? fromQt(item->text().trimmed()) : std::string();
    if (text.empty()) continue;
    const GoalReading reading = parseGoal(text);
    if (!reading.goal) {
      m_message->setText(QString("Goal %1: %2").arg(row + 1).arg(toQt(reading.problem)));
      return std::nullopt;
    }
    goals.push_back(*reading.goal);
    texts.push_back(text);
  }
  if (goals.empty()) {
    m_message->setText("Type at least one goal.");
    return std::nullopt;
  }
  return goals;
}

std::optional<std::vector<Variable>> OptimizeWindow::readVariables()
{
  std::vector<Variable> vars;
  for (int row = 0; row < m_variables->rowCount(); ++row) {
    if (m_variables->item(row, VarName)->checkState() != Qt::Checked) continue;
    std::string name = fromQt(m_variables->item(row, VarName)->text());
    // Unnamed parts are listed as "#N" and reached by their number N.
    if (!name.empty() && name.front() == '#') name.erase(0, 1);
    std::string text = name + "=" + fromQt(m_variables->item(row, VarMin)->text().trimmed()) +
                       ".." + fromQt(m_variables->item(row, VarMax)->text().trimmed());
    const auto* series = qobject_cast<QComboBox*>(m_variables->cellWidget(row, VarSeries));
    if (series && !series->currentText().isEmpty()) text += "," + fromQt(series->currentText());
    const VariableReading reading = parseVariable(text, m_doc);
    if (!reading.variable) {
      m_message->setText(toQt(reading.problem));
      return std::nullopt;
    }
    vars.push_back(*reading.variable);
  }
  if (vars.empty()) {
    m_message->setText("Tick at least one component to vary.");
    return std::nullopt;
  }
  return vars;
}

void OptimizeWindow::start()
{
  if (running()) return;
  // A run not applied leaves the drawing at its best point: the next one starts from the
  // document's own values again.
  restoreOriginal();
  m_message->clear();
  std::vector<std::string> texts;
  const auto goals = readGoals(texts);
  if (!goals) return;
  const auto vars = readVariables();
  if (!vars) return;
  if (texts != m_doc.goals) {
    // The graph draws the goals being worked on.
    m_doc.goals = texts;
    if (m_hooks.changed) m_hooks.changed();
  }
  m_evaluator = std::make_unique<CircuitEvaluator>(m_doc, *goals, *vars);
  if (!m_evaluator->ok()) {
    m_message->setText(toQt(m_evaluator->problem()));
    m_evaluator.reset();
    return;
  }
  m_vars = *vars;
  m_types.clear();
  for (const Variable& v : m_vars)
    m_types.push_back(m_doc.drawdat.components[v.component].ctype);
  m_original.clear();
  for (const Variable& v : m_vars)
    m_original.push_back(m_doc.drawdat.components[v.component].value[v.slot].nom);
  std::vector<double> startValues;
  for (const Variable& v : m_vars)
    startValues.push_back(v.start);

  OptimizeSettings settings;
  settings.method = static_cast<OptimizeMethod>(m_method->currentIndex());
  settings.maxEvaluations = m_budget;
  m_stopFlag = false;
  m_liveEvaluations = 0;
  m_progress = {};
  m_outcome.reset();
  m_pending.reset();
  m_result->clear();
  setRunning(true);
  m_timer->start();
  CircuitEvaluator* evaluator = m_evaluator.get();
  m_worker = std::thread([this, evaluator, settings, startValues]() mutable {
    settings.stopRequested = [this, evaluator] {
      m_liveEvaluations = evaluator->evaluations();
      return m_stopFlag.load();
    };
    settings.improved = [this](const Evaluation& best, int evaluations) {
      const std::lock_guard lock(m_lock);
      m_progress.best = best;
      m_progress.evaluations = evaluations;
      m_progress.fresh = true;
    };
    OptimizeResult result = optimize(*evaluator, startValues, settings);
    {
      const std::lock_guard lock(m_lock);
      m_outcome = std::move(result);
    }
    QMetaObject::invokeMethod(this, &OptimizeWindow::finishRun, Qt::QueuedConnection);
  });
}

void OptimizeWindow::stop()
{
  m_stopFlag = true;
}

void OptimizeWindow::showProgress()
{
  std::optional<Evaluation> best;
  {
    const std::lock_guard lock(m_lock);
    if (m_progress.fresh) best = m_progress.best;
    m_progress.fresh = false;
  }
  m_evaluations->setText(QString::number(m_liveEvaluations.load()));
  if (!best) return;
  m_cost->setText(costText(best->cost));
  writeValues(best->values);
  if (m_hooks.showValues) m_hooks.showValues();
}

void OptimizeWindow::finishRun()
{
  joinWorker();
  m_timer->stop();
  std::optional<OptimizeResult> outcome;
  {
    const std::lock_guard lock(m_lock);
    outcome = std::move(m_outcome);
    m_progress.fresh = false;
  }
  setRunning(false);
  m_evaluator.reset();
  if (!outcome) return; // the window was closed: the old values are back already
  if (outcome->best.values.size() != m_vars.size()) {
    m_message->setText("The search evaluated nothing.");
    emit runFinished();
    return;
  }
  m_pending = outcome->best;
  m_cost->setText(costText(outcome->best.cost));
  m_evaluations->setText(QString::number(outcome->evaluations));
  m_message->setText(outcome->best.allMet ? "All goals are met."
                                          : "Some goals are not met; the best point is shown.");
  writeValues(outcome->best.values);
  if (m_hooks.showValues) m_hooks.showValues();
  emit runFinished();
}

void OptimizeWindow::apply()
{
  if (running() || !m_pending) return;
  if (!variablesFit()) {
    m_message->setText("The drawing changed since the run: start it again.");
    m_pending.reset();
    return;
  }
  const std::vector<double> best = m_pending->values;
  // The undo step holds the document's values from before the run.
  restoreOriginal();
  if (m_hooks.recordUndo) m_hooks.recordUndo();
  writeValues(best);
  QString list = "Applied:";
  for (std::size_t i = 0; i < m_vars.size(); ++i) {
    list += QString("\n%1: %2 -> %3")
                .arg(toQt(m_vars[i].label), toQt(variableValueText(m_vars[i], m_original[i])),
                     toQt(variableValueText(m_vars[i], best[i])));
  }
  m_result->setPlainText(list);
  m_original.clear();
  m_vars.clear();
  if (m_hooks.changed) m_hooks.changed();
  // The listed values are the document's now (the rows follow the same components).
  const std::vector<Variable> listed = defaultVariables(m_doc);
  for (int row = 0; row < m_variables->rowCount() && row < static_cast<int>(listed.size()); ++row)
    m_variables->item(row, VarValue)
        ->setText(toQt(variableValueText(listed[row], listed[row].start)));
}

void OptimizeWindow::restoreOriginal()
{
  m_pending.reset();
  if (m_original.empty()) return;
  writeValues(m_original);
  m_original.clear();
  if (m_hooks.showValues) m_hooks.showValues();
}

bool OptimizeWindow::variablesFit() const
{
  // The window is not modal: a part deleted or replaced meanwhile is not written over.
  const auto& parts = m_doc.drawdat.components;
  if (m_types.size() != m_vars.size()) return false;
  for (std::size_t i = 0; i < m_vars.size(); ++i)
    if (m_vars[i].component > parts.count() || parts[m_vars[i].component].ctype != m_types[i])
      return false;
  return true;
}

bool OptimizeWindow::writeValues(const std::vector<double>& values)
{
  if (values.size() != m_vars.size() || !variablesFit()) return false;
  applyVariables(m_doc.drawdat, m_vars, values);
  return true;
}

void OptimizeWindow::joinWorker()
{
  if (m_worker.joinable()) m_worker.join();
}

void OptimizeWindow::setRunning(bool running)
{
  m_start->setEnabled(!running);
  m_stop->setEnabled(running);
  m_apply->setEnabled(!running);
  m_goals->setEnabled(!running);
  m_variables->setEnabled(!running);
  m_method->setEnabled(!running);
}

void OptimizeWindow::reject()
{
  m_stopFlag = true;
  joinWorker();
  m_timer->stop();
  {
    const std::lock_guard lock(m_lock);
    m_outcome.reset();
    m_progress = {};
  }
  setRunning(false);
  m_evaluator.reset();
  restoreOriginal();
  QDialog::reject();
}

void OptimizeWindow::closeEvent(QCloseEvent* event)
{
  reject();
  event->accept();
}

} // namespace norvane
