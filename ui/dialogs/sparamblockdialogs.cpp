#include "dialogs/sparamblockdialogs.h"

#include "common/latin1text.h"
#include "dialogs/realedit.h"
#include "editor/propertymapping_sparam.h"
#include "platform/prompts.h"
#include "sim/blockdatafile.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace norvane {

const char* const kTwoPortFileFilter =
    "2 port S Parameter Files (*.S2P)|*.S2P|HP Network Analyzer, CITIFILE format "
    "(*.d2)|*.d2|All S files(*.s1p;*.s2p;*.d1;*.d2)|*.s1p;*.s2p;*.d1;*.d2|All Files (*.*)|*.*";
const char* const kOnePortFileFilter =
    "1 port S parameter files (*.s1p)|*.s1p|HP Network Analyzer, CITIFILE format "
    "(*.d1)|*.d1|All S files (*.s1p,*.s2p,*.d1,*.d2)|*.s1p;*.s2p;*.d1;*.d2|All Files (*.*)|*.*";

SParamBlockDialog::SParamBlockDialog(ComponentType ctype, const QString& caption, Prompts& prompts,
                                     QWidget* parent)
    : ComponentDialog(caption, parent), m_ctype(ctype), m_prompts(prompts),
      m_name(new QLineEdit(this)), m_note(new QLabel(this)), m_noise(new QLabel(this)),
      m_load(new QPushButton(tr("Load File"), this)), m_grid(new QTableWidget(this)),
      m_enabled(new QCheckBox(tr("Enabled"), this)),
      m_mag(makeParameterEdit(ComponentType::SParam2, "magnitudeTolerance", "5%", this)),
      m_ang(makeParameterEdit(ComponentType::SParam2, "angleTolerance", "5%", this))
{
  auto* top = new QGridLayout;
  addFieldRow(top, tr("Name"), m_name);
  top->addWidget(m_load, 0, 2);
  body()->addLayout(top);
  m_note->setVisible(false);
  body()->addWidget(m_note);
  // A 1-port file has no noise parameters to hold.
  m_noise->setVisible(dataBlockOf(ctype) == DataBlock::TwoPort);
  body()->addWidget(m_noise);

  const std::vector<std::string> headings = blockGridHeadings(ctype);
  m_grid->setColumnCount(static_cast<int>(headings.size()));
  QStringList labels;
  for (const std::string& h : headings)
    labels << toQt(h);
  m_grid->setHorizontalHeaderLabels(labels);
  m_grid->verticalHeader()->setVisible(false);
  m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grid->setMinimumSize(dataBlockOf(ctype) == DataBlock::TwoPort ? 720 : 320, 240);
  body()->addWidget(m_grid);

  auto* tolerances = new QGroupBox(tr("Tolerances"), this);
  auto* tolLayout = new QGridLayout(tolerances);
  tolLayout->addWidget(m_enabled, 0, 0, 1, 2);
  addFieldRow(tolLayout, tr("Mag"), m_mag);
  addFieldRow(tolLayout, tr("Ang"), m_ang);
  body()->addWidget(tolerances);

  m_enabled->setChecked(true);
  m_load->setAutoDefault(false);
  connect(m_load, &QPushButton::clicked, this, &SParamBlockDialog::loadFile);
  connect(m_enabled, &QCheckBox::toggled, m_mag, &QWidget::setEnabled);
  connect(m_enabled, &QCheckBox::toggled, m_ang, &QWidget::setEnabled);
}

void SParamBlockDialog::showBuffer()
{
  m_name->setText(toQt(m_buffer.name));
  // The note travels with the data: it shows whenever these data do.
  m_note->setText(toQt(m_buffer.note));
  m_note->setVisible(!m_buffer.note.empty());
  m_noise->setText(m_buffer.noise.empty() ? tr("Noise data: none")
                                          : tr("Noise data: %1 points").arg(m_buffer.noise.size()));
  const int columns = m_grid->columnCount();
  m_grid->setRowCount(m_buffer.numpoints());
  int row = 0;
  for (const TwoPortPoint& point : m_buffer.points) {
    const std::vector<std::string> cells = blockGridRow(point, columns);
    for (int col = 0; col < columns; ++col) {
      auto* item = new QTableWidgetItem(toQt(cells[static_cast<std::size_t>(col)]));
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      m_grid->setItem(row, col, item);
    }
    ++row;
  }
  m_grid->resizeColumnsToContents();
}

void SParamBlockDialog::loadFrom(const Component& comp, const Schematic& doc)
{
  m_index = blockDataSetIndex(comp);
  m_buffer = blockBufferFromDataSet(doc, m_ctype, m_index);
  const SParamBlockForm form = readSParamBlockForm(comp);
  m_mag->Setvalue(form.magTolerance);
  m_ang->Setvalue(form.angTolerance);
  m_enabled->setChecked(form.enabled);
  m_mag->setEnabled(form.enabled);
  m_ang->setEnabled(form.enabled);
  showBuffer();
}

void SParamBlockDialog::loadFile()
{
  const std::optional<std::string> path = m_prompts.openFileName(
      fromQt(tr("Load File")),
      dataBlockOf(m_ctype) == DataBlock::TwoPort ? kTwoPortFileFilter : kOnePortFileFilter);
  if (!path) return;
  const SParamReadResult read = loadBlockDataFile(m_ctype, *path, m_buffer, m_prompts);
  if (!read) {
    m_prompts.error(read.error);
    return;
  }
  showBuffer();
  if (!read.warning.empty()) m_prompts.warning(read.warning);
}

void SParamBlockDialog::storeInto(Component& comp, Schematic& doc)
{
  const SParamBlockForm form{m_mag->Getvalue(), m_ang->Getvalue(), m_enabled->isChecked()};
  storeSParamBlockForm(form, comp);
  storeBlockDataSet(doc, m_ctype, m_index, m_buffer, fromQt(m_name->text()));
}

QWidget* SParamBlockDialog::firstField() const
{
  return m_name;
}

TwoPortBlockDialog::TwoPortBlockDialog(Prompts& prompts, QWidget* parent)
    : SParamBlockDialog(ComponentType::SParam2, tr("2 port properties"), prompts, parent)
{
}

OnePortBlockDialog::OnePortBlockDialog(Prompts& prompts, QWidget* parent)
    : SParamBlockDialog(ComponentType::SParam1, tr("S parameter 1 port properties"), prompts,
                        parent)
{
}

} // namespace norvane
