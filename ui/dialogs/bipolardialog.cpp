#include "dialogs/bipolardialog.h"

#include "common/latin1text.h"
#include "dialogs/realedit.h"
#include "editor/propertymapping_bipolar.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace norvane {
namespace {

RealEdit* accurateField(std::string_view name, QWidget* parent)
{
  return makeParameterEdit(ComponentType::Bipolar, name, "", parent);
}

} // namespace

BipolarDialog::BipolarDialog(QWidget* parent)
    : ComponentDialog(tr("Bipolar transistor properties"), parent), m_pages(new QTabWidget(this)),
      m_bpGain(makeRealEdit("", 3, 0.001, 1e6, "100", this)),
      m_ft(makeParameterEdit(ComponentType::Bipolar, "ft", "1GHz", this)),
      m_ic(makeParameterEdit(ComponentType::Bipolar, "ic", "10mA", this)),
      m_feedback(makeRealEdit("F", 3, 1e-20, 1e20, "1pF", this)),
      m_smt(new QRadioButton(tr("Surface mount"), this)),
      m_leaded(new QRadioButton(tr("Leaded"), this)), m_beta(accurateField("beta", this)),
      m_rbb(accurateField("rbb", this)), m_re(accurateField("re", this)),
      m_ro(accurateField("ro", this)), m_ccb(accurateField("ccb", this)),
      m_cbe(accurateField("cbe", this)), m_lb(accurateField("lb", this)),
      m_le(accurateField("le", this)), m_fbeta(accurateField("betaCutoff", this)),
      m_tau(accurateField("delay", this))
{
  // Ball-park page.
  auto* ballPark = new QWidget;
  auto* bpLayout = new QHBoxLayout(ballPark);
  auto* bpLeft = new QVBoxLayout;
  auto* bpGrid = new QGridLayout;
  addFieldRow(bpGrid, tr("DC current gain"), m_bpGain);
  addFieldRow(bpGrid, tr("Transition Freq (Ft)"), m_ft);
  addFieldRow(bpGrid, tr("Operating Point (Ic)"), m_ic);
  addFieldRow(bpGrid, tr("Feedback cap(Ccb)"), m_feedback);
  bpLeft->addLayout(bpGrid);
  auto* package = new QHBoxLayout;
  package->addWidget(m_smt);
  package->addWidget(m_leaded);
  bpLeft->addLayout(package);
  bpLayout->addLayout(bpLeft);
  auto* derived = new QVBoxLayout;
  for (QLabel*& label : m_derived) {
    label = new QLabel(ballPark);
    derived->addWidget(label);
  }
  derived->addStretch();
  bpLayout->addLayout(derived);
  m_pages->addTab(ballPark, tr("Ball Park Model"));

  // Accurate page.
  auto* accurate = new QWidget;
  auto* accLayout = new QVBoxLayout(accurate);
  auto* params = new QGroupBox(tr("Parameters"), accurate);
  auto* grid = new QGridLayout(params);
  addFieldRow(grid, tr("DC current gain"), m_beta);
  addFieldRow(grid, tr("Rbb"), m_rbb);
  addFieldRow(grid, tr("Re"), m_re);
  addFieldRow(grid, tr("Ro"), m_ro);
  addFieldRow(grid, tr("Ccb"), m_ccb);
  addFieldRow(grid, tr("Cbe"), m_cbe);
  addFieldRow(grid, tr("Lb"), m_lb);
  addFieldRow(grid, tr("Le"), m_le);
  addFieldRow(grid, tr("3dB point for current gain"), m_fbeta);
  addFieldRow(grid, tr("Time delay for current gain"), m_tau);
  accLayout->addWidget(params);
  m_pages->addTab(accurate, tr("Accurate Model"));

  body()->addWidget(m_pages);

  // The derived texts follow every confirmed ball-park entry.
  for (RealEdit* field : {m_bpGain, m_ft, m_ic, m_feedback}) {
    connect(field, &QLineEdit::editingFinished, this, &BipolarDialog::estimate);
  }
  connect(m_smt, &QRadioButton::toggled, this, &BipolarDialog::estimate);
}

bool BipolarDialog::ballParkPageActive() const
{
  return m_pages->currentIndex() == 0;
}

void BipolarDialog::showModel(const BipolarParameters& p)
{
  m_beta->Setvalue(p.beta);
  m_rbb->Setvalue(p.rbb);
  m_re->Setvalue(p.re);
  m_ro->Setvalue(p.ro);
  m_ccb->Setvalue(p.ccb);
  m_cbe->Setvalue(p.cbe);
  m_lb->Setvalue(p.lb);
  m_le->Setvalue(p.le);
  m_fbeta->Setvalue(p.betaCutoff);
  m_tau->Setvalue(p.timeDelay);
}

BipolarParameters BipolarDialog::accurateModel()
{
  BipolarParameters p;
  p.beta = m_beta->Getvalue();
  p.rbb = m_rbb->Getvalue();
  p.re = m_re->Getvalue();
  p.ro = m_ro->Getvalue();
  p.ccb = m_ccb->Getvalue();
  p.cbe = m_cbe->Getvalue();
  p.lb = m_lb->Getvalue();
  p.le = m_le->Getvalue();
  p.betaCutoff = m_fbeta->Getvalue();
  p.timeDelay = m_tau->Getvalue();
  return p;
}

void BipolarDialog::estimate()
{
  const BipolarParameters p =
      ballParkEstimate({m_bpGain->Getvalue(), m_ft->Getvalue(), m_ic->Getvalue(),
                        m_feedback->Getvalue(), m_smt->isChecked()});
  showModel(p);
  const BallParkTexts texts = ballParkTexts(p);
  const std::array<const std::string*, 7> lines{&texts.lb, &texts.rbb, &texts.re, &texts.cbe,
                                                &texts.le, &texts.ro,  &texts.tf};
  for (std::size_t i = 0; i < lines.size(); ++i)
    m_derived[i]->setText(toQt(*lines[i]));
}

void BipolarDialog::loadFrom(const Component& comp, const Schematic&)
{
  const BipolarForm form = readBipolarForm(comp);
  // Fill everything silently first, then pick the page and package.
  const QSignalBlocker blockSmt(m_smt);
  showModel(form.model);
  m_bpGain->Setvalue(form.model.beta);
  m_ft->Setvalue(form.ft);
  m_ic->Setvalue(form.ic);
  m_feedback->Setvalue(form.model.ccb);
  (form.surfaceMount ? m_smt : m_leaded)->setChecked(true);
  m_pages->setCurrentIndex(form.ballPark ? 0 : 1);
  for (QLabel* label : m_derived)
    label->clear();
  if (form.ballPark) estimate();
}

void BipolarDialog::storeInto(Component& comp, Schematic&)
{
  if (ballParkPageActive()) estimate();
  BipolarForm form;
  form.model = accurateModel();
  form.ic = m_ic->Getvalue();
  form.ft = m_ft->Getvalue();
  form.surfaceMount = m_smt->isChecked();
  form.ballPark = ballParkPageActive();
  storeBipolarForm(form, comp);
}

QWidget* BipolarDialog::firstField() const
{
  return ballParkPageActive() ? static_cast<QWidget*>(m_bpGain) : m_beta;
}

} // namespace norvane
