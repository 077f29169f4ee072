#pragma once
// A value field of the graph window: one number with a unit and a fixed number of decimals
// (the trace limits, the sweep start and stop, the point count). The text rules are those of
// every numeric entry field (RealEditLogic); this widget reports the value when the user
// presses Enter or leaves a field whose text they changed, which is when the window stores
// the value in the document and simulates again.

#include "numbers/realeditlogic.h"

#include <QLineEdit>

#include <string>

namespace norvane {

class GraphValueField : public QLineEdit
{
  Q_OBJECT
public:
  explicit GraphValueField(QWidget* parent = nullptr);

  void setFormat(const std::string& units, int decimals);
  void setLimits(double minvalue, double maxvalue);
  // Shows x in the field's format (no signal).
  void showValue(double x);
  // The value the text stands for, after re-formatting it.
  double value();
  const std::string& units() const { return m_logic.Units; }

signals:
  // Enter, or leaving the field after typing: the re-formatted value.
  void committed(double value);

protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void commit();
  RealEditLogic m_logic;
};

} // namespace norvane
