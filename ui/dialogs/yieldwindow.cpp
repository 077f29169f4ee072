#include "dialogs/yieldwindow.h"

#include "dialogs/yieldhistogram.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace norvane {

namespace {

constexpr int kHistogramBins = 20;

QTableWidget* makeTable(const QStringList& headers, QWidget* parent)
{
  auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
  table->setHorizontalHeaderLabels(headers);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return table;
}

void setRow(QTableWidget* table, int row, const QString& first, const QString& second)
{
  table->setItem(row, 0, new QTableWidgetItem(first));
  table->setItem(row, 1, new QTableWidgetItem(second));
}

} // namespace

YieldWindow::YieldWindow(const Schematic& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
  setWindowTitle("Yield");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  m_runs = new QSpinBox(this);
  m_runs->setRange(1, 100000000);
  m_runs->setValue(1000);
  m_seed = new QSpinBox(this);
  m_seed->setRange(0, 2147483647);
  m_seed->setValue(1);
  m_threads = new QSpinBox(this);
  m_threads->setRange(1, 256);
  m_threads->setValue(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
  form->addRow("Runs", m_runs);
  form->addRow("Seed", m_seed);
  form->addRow("Threads", m_threads);
  layout->addLayout(form);

  auto* buttons = new QHBoxLayout;
  m_start = new QPushButton("Start", this);
  m_stop = new QPushButton("Stop", this);
  m_stop->setEnabled(false);
  buttons->addWidget(m_start);
  buttons->addWidget(m_stop);
  buttons->addStretch();
  layout->addLayout(buttons);
  m_progress = new QProgressBar(this);
  layout->addWidget(m_progress);

  m_goalsText = new QLabel(this);
  m_goalsText->setWordWrap(true);
  layout->addWidget(m_goalsText);
  m_figure = new QLabel(this);
  QFont bold = m_figure->font();
  bold.setBold(true);
  m_figure->setFont(bold);
  layout->addWidget(m_figure);

  auto* tables = new QHBoxLayout;
  m_failures = makeTable({"Goal", "Failures"}, this);
  m_ranking = makeTable({"Value", "Correlation"}, this);
  tables->addWidget(m_failures);
  tables->addWidget(m_ranking);
  layout->addLayout(tables);

  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  auto* inner = new QWidget(scroll);
  m_histogramBox = new QVBoxLayout(inner);
  scroll->setWidget(inner);
  layout->addWidget(scroll, 1);

  connect(m_start, &QPushButton::clicked, this, &YieldWindow::start);
  connect(m_stop, &QPushButton::clicked, this, &YieldWindow::stop);
  resize(560, 640);
  refreshGoals();
}

YieldWindow::~YieldWindow()
{
  m_cancel = true;
  if (m_worker.joinable()) {
    m_worker.join();
  }
}

void YieldWindow::refreshGoals()
{
  if (running()) {
    return;
  }
  m_goals.clear();
  QStringList skipped;
  for (const std::string& text : m_doc.goals) {
    const GoalReading r = parseGoal(text);
    if (r.goal) {
      m_goals.push_back(*r.goal);
    } else {
      skipped << QString::fromStdString("goal \"" + text + "\" skipped: " + r.problem);
    }
  }
  if (m_goals.empty()) {
    m_goalsText->setText("The schematic has no goals. Add goals with Tools -> Optimize, or "
                         "with norvane-cli optimize --goal, then save and run the yield.");
  } else {
    QStringList lines;
    for (const Goal& g : m_goals) {
      lines << QString::fromStdString(formatGoal(g));
    }
    lines << skipped;
    m_goalsText->setText("Goals:\n" + lines.join('\n'));
  }
  m_start->setEnabled(!m_goals.empty());
}

void YieldWindow::start()
{
  if (running() || m_goals.empty()) {
    return;
  }
  m_cancel = false;
  m_records.clear();
  m_valueNames = yieldValueNames(m_doc);
  m_figure->setText("Running ...");
  m_progress->setRange(0, m_runs->value());
  m_progress->setValue(0);
  m_start->setEnabled(false);
  m_stop->setEnabled(true);
  m_runs->setEnabled(false);
  m_seed->setEnabled(false);
  m_threads->setEnabled(false);

  YieldSettings settings;
  settings.seed = static_cast<std::uint64_t>(m_seed->value());
  settings.runs = m_runs->value();
  settings.threads = m_threads->value();
  // The run works on copies; the window hears of it only through queued calls on its own thread.
  auto doc = std::make_shared<Schematic>(m_doc);
  m_worker = std::thread([this, doc, goals = m_goals, settings] {
    auto outcome = std::make_shared<YieldOutcome>(runYield(
        *doc, goals, settings,
        [this](long done, long total) {
          // About two hundred steps in all, so a long run does not flood the event queue.
          const long step = std::max(1L, total / 200);
          if (done % step != 0 && done != total) {
            return;
          }
          QMetaObject::invokeMethod(
              this, [this, done, total] { onProgress(done, total); }, Qt::QueuedConnection);
        },
        &m_cancel));
    QMetaObject::invokeMethod(
        this, [this, outcome] { onFinished(outcome); }, Qt::QueuedConnection);
  });
}

void YieldWindow::stop()
{
  m_cancel = true;
}

void YieldWindow::onProgress(long done, long total)
{
  m_progress->setMaximum(static_cast<int>(total));
  m_progress->setValue(static_cast<int>(done));
}

void YieldWindow::onFinished(std::shared_ptr<YieldOutcome> outcome)
{
  if (m_worker.joinable()) {
    m_worker.join();
  }
  m_start->setEnabled(!m_goals.empty());
  m_stop->setEnabled(false);
  m_runs->setEnabled(true);
  m_seed->setEnabled(true);
  m_threads->setEnabled(true);
  if (!outcome->ok) {
    m_figure->setText(QString::fromStdString(outcome->problem));
    return;
  }
  m_records = std::move(outcome->records);
  m_progress->setValue(static_cast<int>(m_records.size()));
  showResults();
}

void YieldWindow::showResults()
{
  const long done = static_cast<long>(m_records.size());
  const long passed = static_cast<long>(
      std::count_if(m_records.begin(), m_records.end(), [](const auto& r) { return r.passed; }));
  const PercentInterval ci = wilsonInterval95(passed, done);
  const double percent =
      done > 0 ? 100.0 * static_cast<double>(passed) / static_cast<double>(done) : 0.0;
  m_figure->setText(QString("Yield %1 % (%2 .. %3 %), %4 of %5 passed")
                        .arg(percent, 0, 'f', 1)
                        .arg(ci.low, 0, 'f', 1)
                        .arg(ci.high, 0, 'f', 1)
                        .arg(passed)
                        .arg(done));

  m_failures->setRowCount(static_cast<int>(m_goals.size()));
  for (std::size_t g = 0; g < m_goals.size(); ++g) {
    const long failed = std::count_if(m_records.begin(), m_records.end(), [g](const auto& r) {
      return g < r.goalMet.size() && !r.goalMet[g];
    });
    setRow(m_failures, static_cast<int>(g), QString::fromStdString(formatGoal(m_goals[g])),
           QString::number(failed));
  }

  // The values failing follows most come first.
  const std::vector<double> corr = failureCorrelations(m_records, m_valueNames.size());
  std::vector<std::size_t> order(corr.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&corr](std::size_t a, std::size_t b) {
    return std::abs(corr[a]) > std::abs(corr[b]);
  });
  m_ranking->setRowCount(static_cast<int>(order.size()));
  for (std::size_t i = 0; i < order.size(); ++i) {
    setRow(m_ranking, static_cast<int>(i), QString::fromStdString(m_valueNames[order[i]]),
           QString::number(corr[order[i]], 'f', 3));
  }

  for (YieldHistogram* h : m_histograms) {
    delete h;
  }
  m_histograms.clear();
  for (std::size_t g = 0; g < m_goals.size(); ++g) {
    auto* h = new YieldHistogram(m_histogramBox->parentWidget());
    h->setData("Worst value: " + QString::fromStdString(goalMeasureText(m_goals[g])),
               worstValueHistogram(m_records, g, kHistogramBins), m_goals[g].target);
    m_histogramBox->addWidget(h);
    m_histograms.push_back(h);
  }
}

void YieldWindow::showEvent(QShowEvent* event)
{
  refreshGoals();
  QWidget::showEvent(event);
}

void YieldWindow::closeEvent(QCloseEvent* event)
{
  stop();
  QWidget::closeEvent(event);
}

} // namespace norvane
