#pragma once
// The drawing area of the main window: a 1500 x 1000 unit sheet (one unit one pixel) moved by
// two scroll bars. Both bars start at -25, so the sheet begins with a small margin, page by
// 100, and end where the sheet's far edge meets the window's (0 when the window is larger).
//
// The view turns mouse and key events into drawing units and hands them on through the
// SchematicViewClient; painting is done by the client on a canvas already shifted by the
// scroll position. The view itself knows nothing of the document or the editor.

#include <QAbstractScrollArea>
#include <QPoint>

class QPainter;

namespace norvane {

class SchematicViewClient
{
public:
  virtual ~SchematicViewClient() = default;
  // Draws the sheet; the painter is already translated so that drawing units map to pixels.
  virtual void paintSheet(QPainter& painter, const QRect& visibleUnits) = 0;
  virtual void sheetMousePress(QPoint units, Qt::MouseButton button) = 0;
  virtual void sheetMouseMove(QPoint units) = 0;
  virtual void sheetMouseRelease(QPoint units, Qt::MouseButton button) = 0;
  virtual void sheetDoubleClick(QPoint units) = 0;
};

class SchematicView : public QAbstractScrollArea
{
  Q_OBJECT
public:
  static constexpr int kSheetWidth = 1500;
  static constexpr int kSheetHeight = 1000;
  static constexpr int kScrollStart = -25;
  static constexpr int kPageStep = 100;

  explicit SchematicView(QWidget* parent = nullptr);
  void setClient(SchematicViewClient* client) { m_client = client; }

  // Drawing units <-> viewport pixels at the current scroll position.
  QPoint toUnits(QPoint viewportPixel) const;
  QPoint toViewport(QPoint units) const;
  QPoint scrollOffset() const;

  void setPaperColor(const QColor& color);
  QColor paperColor() const { return m_paper; }

  // Redraws the whole visible sheet (the painters always draw everything).
  void repaintSheet();

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
  void updateScrollRanges();
  SchematicViewClient* m_client = nullptr;
  QColor m_paper = Qt::white;
};

} // namespace norvane
