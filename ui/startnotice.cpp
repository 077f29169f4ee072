#include "startnotice.h"

#include "common/brandpicture.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace norvane {

StartNotice::StartNotice(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
  setObjectName("StartNotice");
  setAttribute(Qt::WA_DeleteOnClose, false);
  const QSize size(420, 220);
  resize(size);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
  }
}

void StartNotice::requestClose()
{
  if (m_closeRequested) {
    return;
  }
  m_closeRequested = true;
  QTimer::singleShot(kCloseDelayMs, this, &QWidget::close);
}

void StartNotice::paintEvent(QPaintEvent*)
{
  QPainter p(this);
  // Drawn at the screen's own density, so a high-density screen shows it sharp.
  const qreal ratio = devicePixelRatioF();
  QImage picture = brandPicture(size() * ratio);
  picture.setDevicePixelRatio(ratio);
  p.drawImage(0, 0, picture);
  p.setPen(QColor(90, 120, 170));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace norvane
