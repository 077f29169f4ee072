#pragma once
// The graph cursor by mouse: a click (or a drag) in the plot moves the cursor to the point it
// means, the wheel steps it point by point. Everything goes through the cursor scroll bar, so
// the markers and readouts follow exactly as when the bar itself is moved; the bar then takes
// the focus, where Left/Right step a point and Home/End go to the ends.

#include <QObject>

class QScrollBar;
class QWidget;

namespace norvane {

class GraphWindowCore;

class GraphCursorMouse : public QObject
{
  Q_OBJECT
public:
  GraphCursorMouse(QWidget* plot, QScrollBar* cursorBar, const GraphWindowCore& core,
                   QObject* parent);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void moveToPixel(QPoint pixel);
  // Left/Right a point, Home/End to the ends; false for other keys.
  bool cursorKey(int key);

  QWidget* m_plot;
  QScrollBar* m_bar;
  const GraphWindowCore& m_core;
  int m_wheelRest = 0; // eighths of a degree not yet turned into a step
};

} // namespace norvane
