#pragma once
// Tools -> Yield: random boards of the schematic checked against its goals, run in a worker
// thread so the window stays live. Shows the yield with its 95 % interval, the failures per
// goal, the values failing follows most and a histogram of each goal's worst value.

#include "document/schematic.h"
#include "optimize/goal.h"
#include "yield/yieldengine.h"

#include <QWidget>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QVBoxLayout;

namespace norvane {

class YieldHistogram;

class YieldWindow : public QWidget
{
public:
  // `doc` is the program's document; a run takes a copy of it when it starts.
  explicit YieldWindow(const Schematic& doc, QWidget* parent = nullptr);
  ~YieldWindow() override;

  // Reads the document's goals again (shown when the window opens).
  void refreshGoals();
  void start();
  void stop();
  bool running() const { return m_worker.joinable(); }

  QSpinBox* runsBox() const { return m_runs; }
  QSpinBox* seedBox() const { return m_seed; }
  QSpinBox* threadsBox() const { return m_threads; }
  QPushButton* startButton() const { return m_start; }
  QPushButton* stopButton() const { return m_stop; }
  QProgressBar* progressBar() const { return m_progress; }
  QLabel* figureLabel() const { return m_figure; }
  QLabel* goalsLabel() const { return m_goalsText; }
  QTableWidget* failuresTable() const { return m_failures; }
  QTableWidget* rankingTable() const { return m_ranking; }
  const std::vector<YieldHistogram*>& histograms() const { return m_histograms; }
  long runsDone() const { return static_cast<long>(m_records.size()); }

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void onProgress(long done, long total);
  void onFinished(std::shared_ptr<YieldOutcome> outcome);
  void showResults();

  const Schematic& m_doc;
  std::vector<Goal> m_goals;
  std::vector<std::string> m_valueNames;
  std::vector<YieldRunRecord> m_records;
  std::thread m_worker;
  std::atomic<bool> m_cancel{false};

  QSpinBox* m_runs = nullptr;
  QSpinBox* m_seed = nullptr;
  QSpinBox* m_threads = nullptr;
  QPushButton* m_start = nullptr;
  QPushButton* m_stop = nullptr;
  QProgressBar* m_progress = nullptr;
  QLabel* m_goalsText = nullptr;
  QLabel* m_figure = nullptr;
  QTableWidget* m_failures = nullptr;
  QTableWidget* m_ranking = nullptr;
  QVBoxLayout* m_histogramBox = nullptr;
  std::vector<YieldHistogram*> m_histograms;
};

} // namespace norvane
