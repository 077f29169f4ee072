#pragma once
// The circuit picture of a design assistant: its private circuit drawn with the schematic's
// symbols at 1/1 on the schematic background colour, shifted right by an offset (the filter
// centres its ladder and scrolls it).

#include "assist/assistantcircuit.h"

#include <QWidget>

namespace norvane {

struct Environment;

class AssistantPreview : public QWidget
{
  Q_OBJECT

public:
  AssistantPreview(const AssistantCircuit& circuit, const Environment& env,
                   QWidget* parent = nullptr);

  void setShift(int x);
  int shift() const { return m_shift; }
  // The left and right ends of what the circuit draws (symbols, wires and labels), in preview
  // pixels without the shift; an empty range when nothing is designed.
  struct Span
  {
    int left = 0;
    int right = -1;
    int width() const { return right - left + 1; }
  };
  Span drawnSpan() const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  void paintCircuit(QPainter& painter, int shift, int dpi) const;

  const AssistantCircuit& m_circuit;
  const Environment& m_env;
  int m_shift = 0;
};

} // namespace norvane
