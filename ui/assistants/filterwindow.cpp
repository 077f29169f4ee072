#include "assistants/filterwindow.h"

#include "assistants/assistantfield.h"
#include "assistants/assistantpreview.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace norvane {

namespace {

template <std::size_t N> QComboBox* choiceList(const char* const (&names)[N])
{
  auto* list = new QComboBox;
  for (const char* name : names)
    list->addItem(name);
  return list;
}

} // namespace

FilterWindow::FilterWindow(const Environment& env, Prompts& prompts, QWidget* parent)
    : AssistantWindow("Filter", env, prompts, parent)
{
  setObjectName("FilterAssistant");
  m_type = choiceList(kFilterTypeNames);
  m_topology = choiceList(kFilterTopologyNames);
  m_first = choiceList(kFilterFirstBranchNames);
  m_centre = new QLineEdit("100MHz");
  m_bandwidth = new QLineEdit("10MHz");
  m_poles = new QLineEdit("3");
  m_ripple = new QLineEdit("0.1dB");
  m_z0 = new QLineEdit("50R");
  m_ltol = new QLineEdit("5%");
  m_ctol = new QLineEdit("2%");

  auto* form = new QFormLayout;
  form->addRow("Filter Type", m_type);
  form->addRow("Topology", m_topology);
  form->addRow("First Branch", m_first);
  form->addRow("Center Frequency", m_centre);
  form->addRow("Bandwidth", m_bandwidth);
  form->addRow("Number of Poles", m_poles);
  form->addRow("Passband Ripple", m_ripple);
  form->addRow("Z in / out", m_z0);
  form->addRow("Inductor Tolerance +/-", m_ltol);
  form->addRow("Capacitor Tolerance +/-", m_ctol);

  m_scroll = new QScrollBar(Qt::Horizontal);
  m_scroll->setRange(-50, 50);
  m_scroll->setPageStep(10);
  m_scroll->setValue(0);
  m_preview->setMinimumSize(420, 170);
  auto* column = new QVBoxLayout(this);
  column->addWidget(m_preview, 1);
  column->addWidget(m_scroll);
  column->addLayout(form);
  column->addLayout(buttonRow());

  for (QComboBox* list : {m_type, m_topology, m_first})
    connect(list, &QComboBox::currentIndexChanged, this, [this] { calculate(); });
  // The scroll bar only moves the picture.
  connect(m_scroll, &QScrollBar::valueChanged, this, [this] { placePreview(); });
  // The preview follows every keystroke (the fields keep the text as typed until they are
  // left); a field left after editing is written back in its normal form.
  for (QLineEdit* f : {m_centre, m_bandwidth, m_poles, m_ripple, m_z0, m_ltol, m_ctol}) {
    connect(f, &QLineEdit::textEdited, this, [this] { previewAsTyped(); });
    connect(f, &QLineEdit::editingFinished, this, [this] { calculateIfChanged(); });
  }
  calculate();
}

AssistantWindow::Design FilterWindow::design()
{
  const bool chebyshev = m_type->currentIndex() == static_cast<int>(FilterType::Chebyshev);
  const bool bandPass = m_topology->currentIndex() == static_cast<int>(FilterTopology::BandPass);
  m_ripple->setEnabled(chebyshev);
  m_centre->setEnabled(bandPass);

  // While a field is being typed in, its text is read as it stands and left alone.
  FieldTexts fields(!readingAsTyped());
  const auto centre = fields.read(m_centre, "Center Frequency", "Hz");
  const auto bandwidth = fields.read(m_bandwidth, "Bandwidth", "Hz");
  const auto poles = fields.read(m_poles, "Number of Poles", "");
  if (poles && !readingAsTyped()) m_poles->setText(QString::number(filterPoleCount(*poles)));
  const auto ripple = fields.read(m_ripple, "Passband Ripple", "dB");
  const auto z0 = fields.read(m_z0, "Z in / out", "R");
  const auto ltol = fields.read(m_ltol, "Inductor Tolerance", "%");
  const auto ctol = fields.read(m_ctol, "Capacitor Tolerance", "%");
  if (fields.failed()) return {false, fields.error(), {}};

  FilterInput in;
  in.type = static_cast<FilterType>(m_type->currentIndex());
  in.topology = static_cast<FilterTopology>(m_topology->currentIndex());
  in.first = static_cast<FilterFirstBranch>(m_first->currentIndex());
  in.centre = *centre;
  in.bandwidth = *bandwidth;
  in.poles = filterPoleCount(*poles);
  in.rippleDb = *ripple;
  in.z0 = *z0;
  in.inductorTol = *ltol;
  in.capacitorTol = *ctol;
  FilterResult r = designFilter(in);
  if (r.built) m_input = in;
  return {r.built, r.error, std::move(r.circuit)};
}

void FilterWindow::afterCalculation()
{
  m_span = m_preview->drawnSpan();
  placePreview();
}

void FilterWindow::placePreview()
{
  // The ladder stands centred; when it is wider than the preview, the scroll bar runs over
  // exactly the part that does not fit, from its left end to its right end.
  constexpr int kEdge = 10; // paper left free beyond either end
  const int width = m_preview->width();
  const int overflow = std::max(0, m_span.width() + 2 * kEdge - width);
  {
    const QSignalBlocker quiet(m_scroll);
    m_scroll->setRange(-(overflow / 2), overflow - overflow / 2);
    m_scroll->setPageStep(std::max(1, width / 2));
    m_scroll->setSingleStep(20);
  }
  m_scroll->setEnabled(overflow > 0);
  const int centred = (width - m_span.width()) / 2 - m_span.left;
  m_preview->setShift(centred - m_scroll->value());
  m_preview->update();
}

QString FilterWindow::inputSnapshot() const
{
  QStringList texts;
  for (const QComboBox* list : {m_type, m_topology, m_first})
    texts << QString::number(list->currentIndex());
  for (const QLineEdit* f : {m_centre, m_bandwidth, m_poles, m_ripple, m_z0, m_ltol, m_ctol})
    texts << f->text();
  return texts.join('\n');
}

void FilterWindow::showEvent(QShowEvent* event)
{
  AssistantWindow::showEvent(event);
  calculateIfChanged();
  placePreview();
}

void FilterWindow::resizeEvent(QResizeEvent* event)
{
  AssistantWindow::resizeEvent(event);
  placePreview();
}

void FilterWindow::keyPressEvent(QKeyEvent* event)
{
  // Enter calculates (and is not taken as the dialog's default button).
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    calculate();
    return;
  }
  AssistantWindow::keyPressEvent(event);
}

} // namespace norvane
