#pragma once
// Small widgets of the graph window's panels: the side panels, which place their controls
// relative to their mid-height whenever they are resized, and the framed text panels of the
// charts (impedance, admittance, equivalents, gains, the stability-circle legend).

#include <QFrame>
#include <QStringList>

#include <functional>
#include <vector>

class QLabel;

namespace norvane {

class SidePanel : public QWidget
{
  Q_OBJECT
public:
  explicit SidePanel(QWidget* parent = nullptr);
  // Called after every resize to place the children.
  void setLayouter(std::function<void()> layouter) { m_layouter = std::move(layouter); }

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  std::function<void()> m_layouter;
};

// A framed box of heading lines followed by value lines.
class TextPanel : public QFrame
{
  Q_OBJECT
public:
  TextPanel(const QStringList& headings, int valueLines, QWidget* parent = nullptr);
  void setValues(const QStringList& values);
  void setHeadings(const QStringList& headings);
  QString text() const; // all lines, one per line
  int preferredHeight() const;

private:
  std::vector<QLabel*> m_headings;
  std::vector<QLabel*> m_values;
};

// A round mark in a colour (the trace marks of the side panels and the status bar).
QPixmap roundMark(int colorValue, int diameter = 10);

} // namespace norvane
