#pragma once
// The graph markers by mouse and keyboard: Shift+click in the plot adds a marker at the
// point the click means, a left drag that starts on a marker's sign moves that marker (a
// click on it selects it, as a right click does before the context menu opens), and Delete
// removes the selected marker. Everything else goes on
// to the cursor's handling (GraphCursorMouse), so a plain click or drag still moves the cursor.
// Installed after the cursor's filter, so that it sees the events first.

#include <QObject>

class QWidget;

namespace norvane {

class GraphWindowCore;

class GraphMarkerMouse : public QObject
{
  Q_OBJECT
public:
  // Delete works wherever the plot, the cursor bar or the marker table has the keyboard; a
  // click on a marker gives it to the cursor bar, as a click in the plot does.
  GraphMarkerMouse(QWidget* plot, QWidget* cursorBar, QWidget* table, GraphWindowCore& core,
                   QObject* parent);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QWidget* m_plot;
  QWidget* m_bar;
  GraphWindowCore& m_core;
  int m_dragged = 0; // the marker being dragged, 0 when none
};

} // namespace norvane
