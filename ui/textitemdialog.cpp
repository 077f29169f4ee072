#include "textitemdialog.h"

#include "latin1text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

namespace norvane {

TextItemDialog::TextItemDialog(QWidget* parent) : QDialog(parent)
{
  setWindowTitle("Edit text");
  setObjectName("TextItemDialog");
  m_text = new QLineEdit(this);
  m_text->setMaxLength(64); // the document keeps 64 characters of a text
  m_size = new QComboBox(this);
  for (int size = 6; size <= 30; size += 2) {
    m_size->addItem(QString::number(size));
  }
  m_size->setCurrentText("8");
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout(this);
  form->addRow("Text", m_text);
  form->addRow("Size", m_size);
  form->addRow(buttons);
  setMinimumWidth(320);
}

void TextItemDialog::setEntry(const TextItemEntry& entry)
{
  m_text->setText(toQt(entry.text));
  const int index = m_size->findText(toQt(entry.size));
  m_size->setCurrentIndex(index >= 0 ? index : m_size->findText("8"));
}

TextItemEntry TextItemDialog::entry() const
{
  return {fromQt(m_text->text()), fromQt(m_size->currentText())};
}

} // namespace norvane
