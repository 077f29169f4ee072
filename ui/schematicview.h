#pragma once
// The drawing area of the main window: a 1500 x 1000 unit sheet (one unit one pixel at zoom 1)
// moved by two scroll bars. Both bars start at -25, so the sheet begins with a small margin,
// page by 100, and end where the sheet's far edge meets the window's (0 when the window is
// larger).
//
// The view can zoom (Ctrl+wheel about the mouse, zoom in and out by steps, fit the sheet to
// the window). Zoom is a matter of the screen only: the scroll bars count screen pixels, every
// mouse position is turned back into drawing units before the editor sees it, and printing
// and the files never see the zoom.
//
// The view turns mouse and key events into drawing units and hands them on through the
// SchematicViewClient; painting is done by the client on a canvas already shifted by the
// scroll position and scaled by the zoom. The view itself knows nothing of the document or
// the editor.

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
  // The wheel turned over the sheet without Ctrl (notches, positive away from the user), and
  // keys pressed in the view; true when the client used them (otherwise the view scrolls).
  virtual bool sheetWheel(int /*notches*/) { return false; }
  virtual bool sheetKey(int /*key*/, bool /*autoRepeat*/) { return false; }
};

class SchematicView : public QAbstractScrollArea
{
  Q_OBJECT
public:
  static constexpr int kSheetWidth = 1500;
  static constexpr int kSheetHeight = 1000;
  static constexpr int kScrollStart = -25;
  static constexpr int kPageStep = 100;
  static constexpr double kMinZoom = 0.25;
  static constexpr double kMaxZoom = 8.0;

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

  // Screen pixels per drawing unit; 1 at start.
  double zoom() const { return m_zoom; }
  // Sets the zoom (held to kMinZoom..kMaxZoom) keeping the drawing point under the viewport
  // pixel `anchor` where it is.
  void setZoom(double zoom, QPoint anchor);
  void setZoom(double zoom);
  // The next step up or down the zoom ladder (1, 1.5, 2, 3, 4, ... and back), about the
  // centre of the view or the given pixel.
  void zoomIn();
  void zoomOut();
  void zoomStep(int steps, QPoint anchor);
  // The whole sheet in the window.
  void fitToWindow();
  // Zooms so that the rectangle (drawing units) with `margin` units around it fills the
  // window, and centres it.
  void fitUnits(const QRect& units, int margin);
  // Scrolls, at the present zoom, so that the drawing point is in the middle of the window
  // (past the sheet's edges when the point lies near one).
  void centreOn(QPointF units);
  // Both bars back at their start position (the sheet's corner with the start margin).
  void scrollToStart();
  // Whether the rectangle (drawing units) lies entirely in the window.
  bool showsWhole(const QRect& units) const;

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void updateScrollRanges();
  SchematicViewClient* m_client = nullptr;
  QColor m_paper = Qt::white;
  double m_zoom = 1.0;
  int m_wheelRest = 0; // eighths of a degree not yet turned into a notch
};

} // namespace norvane
