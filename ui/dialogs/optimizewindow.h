#pragma once
// Tools -> Optimize: the goals (one text per row, each checked as it is typed), the components
// to vary with their ranges and series, the method, Start and Stop. The search runs on a
// worker thread over its own copy of the circuit; every 0.3 s the window shows the best point
// so far in the drawing and the graph. Stop keeps that point; Apply makes it the document's
// values as one undo step and lists the old and new values; closing without Apply puts the
// old values back.

#include "document/schematic.h"
#include "optimize/optimizer.h"

#include <QDialog>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace norvane {

class OptimizeWindow : public QDialog
{
  Q_OBJECT
public:
  struct Hooks
  {
    std::function<void()> recordUndo; // before Apply writes the values
    std::function<void()> changed;    // the document changed for good (modified, redraw)
    std::function<void()> showValues; // the drawing holds other values: redraw and simulate
  };

  OptimizeWindow(Schematic& doc, QWidget* parent = nullptr);
  ~OptimizeWindow() override;

  void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }
  // Fills the goals from the document's and lists every component that can vary.
  void reload();
  // Kept short for tests: the most evaluations one Start may spend.
  void setEvaluationBudget(int evaluations) { m_budget = evaluations; }

  void start();
  void stop();
  void apply();
  bool running() const { return m_worker.joinable(); }

  QTableWidget* goalsTable() const { return m_goals; }
  QTableWidget* variablesTable() const { return m_variables; }
  QComboBox* methodBox() const { return m_method; }
  QPushButton* startButton() const { return m_start; }
  QPushButton* stopButton() const { return m_stop; }
  QPushButton* applyButton() const { return m_apply; }
  QLabel* costLabel() const { return m_cost; }
  QLabel* evaluationsLabel() const { return m_evaluations; }
  QLabel* messageLabel() const { return m_message; }
  QPlainTextEdit* resultText() const { return m_result; }

signals:
  void runFinished();

protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

private:
  // What the worker shares with the window, under m_lock.
  struct Progress
  {
    std::optional<Evaluation> best;
    int evaluations = 0;
    bool fresh = false; // a best point not shown yet
  };

  void checkGoalRow(int row);
  void ensureEmptyGoalRow();
  std::optional<std::vector<Goal>> readGoals(std::vector<std::string>& texts);
  std::optional<std::vector<Variable>> readVariables();
  void showProgress();
  void finishRun();
  void joinWorker();
  // Writes values into the run's components; false where the drawing no longer has them.
  bool writeValues(const std::vector<double>& values);
  bool variablesFit() const;
  // Puts the values the document had before the run back (a run not applied).
  void restoreOriginal();
  void setRunning(bool running);

  Schematic& m_doc;
  Hooks m_hooks;
  int m_budget = 20000;

  QTableWidget* m_goals = nullptr;
  QTableWidget* m_variables = nullptr;
  QComboBox* m_method = nullptr;
  QPushButton* m_start = nullptr;
  QPushButton* m_stop = nullptr;
  QPushButton* m_apply = nullptr;
  QLabel* m_cost = nullptr;
  QLabel* m_evaluations = nullptr;
  QLabel* m_message = nullptr;
  QPlainTextEdit* m_result = nullptr;
  QTimer* m_timer = nullptr;

  std::unique_ptr<CircuitEvaluator> m_evaluator;
  std::vector<Variable> m_vars;        // of the current or last run
  std::vector<ComponentType> m_types;  // their components' kinds, to see they are still there
  std::vector<double> m_original;      // their values before it
  std::optional<Evaluation> m_pending; // the run's best point, not applied yet
  std::vector<std::string> m_goalTexts;

  std::thread m_worker;
  std::atomic<bool> m_stopFlag{false};
  std::atomic<int> m_liveEvaluations{0};
  std::mutex m_lock;
  Progress m_progress;
  std::optional<OptimizeResult> m_outcome;
};

} // namespace norvane
