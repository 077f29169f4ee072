#include "assistants/assistantpreview.h"

#include "common/qtcanvas.h"

#include "config/environment.h"
#include "editor/previewpainter.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace norvane {

AssistantPreview::AssistantPreview(const AssistantCircuit& circuit, const Environment& env,
                                   QWidget* parent)
    : QWidget(parent), m_circuit(circuit), m_env(env)
{
  setObjectName("Preview");
}

void AssistantPreview::setShift(int x)
{
  if (x != m_shift) {
    m_shift = x;
    update();
  }
}

void AssistantPreview::paintEvent(QPaintEvent*)
{
  QPainter painter(this);
  painter.fillRect(rect(), toQColor(m_env.papercolor));
  paintCircuit(painter, m_shift, logicalDpiY());
}

void AssistantPreview::paintCircuit(QPainter& painter, int shift, int dpi) const
{
  QtCanvas canvas(painter, dpi);
  PreviewCircuitView view;
  view.components = {m_circuit.components.begin(), m_circuit.components.end()};
  view.wires = {m_circuit.wires.begin(), m_circuit.wires.end()};
  if (!m_circuit.components.empty()) { // nothing designed yet: no ports either
    view.P1 = &m_circuit.P1;
    view.P2 = &m_circuit.P2;
  }
  paintPreviewCircuit(canvas, view, shift, 0, m_env, QApplication::font().family().toStdString());
}

AssistantPreview::Span AssistantPreview::drawnSpan() const
{
  if (m_circuit.components.empty()) return {};
  // Painted once off the screen, wide enough for the longest ladder, and searched for ink: the
  // labels' real widths count, which no table of symbol sizes would know.
  int right = 0;
  for (const Component& c : m_circuit.components)
    right = std::max(right, c.position.x);
  right = std::max({right, m_circuit.P1.pos.x, m_circuit.P2.pos.x});
  constexpr int kMargin = 200; // room left of x = 0 and right of the last part for labels
  const int height = std::max(1, this->height());
  QImage picture(std::clamp(right + 2 * kMargin, 1, 20000), height, QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    paintCircuit(painter, kMargin, logicalDpiY());
  }
  Span span{picture.width(), -1};
  for (int y = 0; y < picture.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == 0xFFFFFF) continue;
      span.left = std::min(span.left, x);
      span.right = std::max(span.right, x);
    }
  }
  if (span.right < 0) return {};
  return {span.left - kMargin, span.right - kMargin};
}

} // namespace norvane
