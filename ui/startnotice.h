#pragma once
// The start notice: a borderless picture in the middle of the screen while the program loads
// its configuration and the last file. When asked to close it stays a little longer (0.864 s
// after the request) so that it never merely flickers, without blocking the program.

#include <QElapsedTimer>
#include <QWidget>

namespace norvane {

class StartNotice : public QWidget
{
  Q_OBJECT
public:
  // One hundred-thousandth of a day, the classic splash delay.
  static constexpr int kCloseDelayMs = 864;

  explicit StartNotice(QWidget* parent = nullptr);
  // Closes the notice kCloseDelayMs after this call; the event loop keeps running meanwhile.
  void requestClose();
  bool closeRequested() const { return m_closeRequested; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  bool m_closeRequested = false;
};

} // namespace norvane
