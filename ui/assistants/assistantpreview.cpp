#include "assistants/assistantpreview.h"

#include "qtcanvas.h"

#include "config/environment.h"
#include "editor/previewpainter.h"

#include <QApplication>
#include <QPainter>

namespace norvane {

AssistantPreview::AssistantPreview(const AssistantCircuit& circuit, const TenvironmentProps& env,
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
  QtCanvas canvas(painter, logicalDpiY());
  PreviewCircuitView view;
  view.components = {m_circuit.components.begin(), m_circuit.components.end()};
  view.wires = {m_circuit.wires.begin(), m_circuit.wires.end()};
  if (!m_circuit.components.empty()) { // nothing designed yet: no ports either
    view.P1 = &m_circuit.P1;
    view.P2 = &m_circuit.P2;
  }
  PaintPreviewCircuit(canvas, view, m_shift, 0, m_env, QApplication::font().family().toStdString());
}

} // namespace norvane
