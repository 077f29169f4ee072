#pragma once
// The frame shared by the transmission line, inductor, capacitor, coupler and splitter
// calculators: a modeless window with its pages (a tabbed notebook, or one page), a
// "Calculate" and a "Close" button, and the moments it calculates on its own.
//
// Every calculation reads all pages, writes back any input the bounded reader rewrote,
// fills the result panels (empty where a result could not be computed) and then tells the
// user what went wrong, through Prompts. The window calculates on its own when the focus
// leaves certain inputs, when the focus enters the notebook, or when it is activated; such an
// automatic calculation is skipped when no input changed since the last one, so the same
// error box does not come back every time the box itself hands the focus back.

#include "assist/calcnotices.h"

#include <QDialog>
#include <QString>

#include <vector>

class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace norvane {

class Prompts;

class CalculatorWindow : public QDialog
{
  Q_OBJECT

public:
  ~CalculatorWindow() override;

  QPushButton* calculateButton() const { return m_calculate; }
  QPushButton* closeButton() const { return m_close; }
  // The notebook, or nullptr for a window with one page.
  QTabWidget* notebook() const { return m_notebook; }

  // Brings the window up (shown, raised and active).
  void showCalculator();
  // What the "Calculate" button does.
  void calculate();

protected:
  CalculatorWindow(const QString& caption, Prompts& prompts, QWidget* parent);

  // Reads every page, writes the fields and panels, and returns what to tell the user.
  virtual CalcNotices runCalculation() = 0;

  // Layout: either pages of a notebook, or one body; call finishLayout() once after.
  QWidget* addPage(const QString& caption);
  QWidget* singlePage();
  void finishLayout();

  // Inputs whose texts decide the results (compared before an automatic calculation).
  void registerInputs(const std::vector<QLineEdit*>& inputs);
  // The moments of automatic calculation.
  void calculateWhenLeft(const std::vector<QLineEdit*>& inputs);
  void calculateOnEnteringNotebook();
  void calculateOnActivation() { m_calculateOnActivation = true; }

  enum class Trigger { User, Automatic };
  void recalculate(Trigger trigger);

  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::vector<QString> inputTexts() const;
  void recalculateLater();

  Prompts& m_prompts;
  QTabWidget* m_notebook = nullptr;
  QWidget* m_single = nullptr;
  QPushButton* m_calculate = nullptr;
  QPushButton* m_close = nullptr;

  std::vector<QLineEdit*> m_inputs;
  std::vector<QString> m_lastInputs;
  bool m_calculated = false;
  bool m_busy = false;
  bool m_calculateOnActivation = false;
  // The application-wide focus watch; cut in the destructor, because the focus still moves
  // while the dialog base destroys the pages, after this object's own part is gone.
  QMetaObject::Connection m_focusWatch;
};

} // namespace norvane
