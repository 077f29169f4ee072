#include "dialogs/smalldialogs.h"

#include "common/latin1text.h"
#include "document/schematic.h"
#include "editor/propertymapping.h"
#include "numbers/valuetext.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QToolTip>
#include <QVBoxLayout>

namespace norvane {
namespace {

QDialogButtonBox* okCancel(QDialog* dialog)
{
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

} // namespace

PortDialog::PortDialog(QWidget* parent) : QDialog(parent), m_zo(new QLineEdit(this))
{
  setModal(true);
  setWindowTitle(tr("Test Port 1 Zo"));
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(tr("Zo"), m_zo);
  layout->addLayout(form);
  layout->addWidget(okCancel(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PortDialog::setImpedanceText(const std::string& text)
{
  m_zo->setText(toQt(text));
  m_zo->selectAll();
  m_zo->setFocus();
}

std::string PortDialog::impedanceText() const
{
  return fromQt(m_zo->text());
}

void PortDialog::accept()
{
  // Text that is not an impedance is refused here, with the reason, rather than taken as 0.
  const NumberReading zo = readNumber(impedanceText(), NumberRules::Entry("R"));
  if (!zo.ok) {
    const QString problem = QString("\"%1\" is %2").arg(m_zo->text().trimmed(), zo.problem);
    QApplication::beep();
    m_zo->setToolTip(problem);
    QToolTip::showText(m_zo->mapToGlobal(QPoint(0, m_zo->height())), problem, m_zo);
    m_zo->setFocus();
    m_zo->selectAll();
    return;
  }
  m_zo->setToolTip({});
  QDialog::accept();
}

TextDialog::TextDialog(QWidget* parent)
    : QDialog(parent), m_text(new QLineEdit(this)), m_size(new QComboBox(this))
{
  setModal(true);
  setWindowTitle(tr("Edit text"));
  m_text->setMaxLength(kMaxTextLength);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  form->addRow(tr("Text"), m_text);
  form->addRow(tr("Size"), m_size);
  layout->addLayout(form);
  layout->addWidget(okCancel(this));
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TextDialog::loadFrom(const TextItemEntry& entry)
{
  m_text->setText(toQt(entry.text));
  m_size->clear();
  for (const std::string& choice : textSizeChoices())
    m_size->addItem(toQt(choice));
  const QString size = entry.size.empty() ? QStringLiteral("8") : toQt(entry.size);
  int index = m_size->findText(size);
  if (index < 0) {
    // A size read from a file that the list does not offer stays selectable as it is, so
    // confirming the dialog does not change it behind the user's back.
    m_size->addItem(size);
    index = m_size->count() - 1;
  }
  m_size->setCurrentIndex(index);
  m_text->selectAll();
  m_text->setFocus();
}

TextItemEntry TextDialog::entry() const
{
  return {fromQt(m_text->text()), fromQt(m_size->currentText())};
}

} // namespace norvane
