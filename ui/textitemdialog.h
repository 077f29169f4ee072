#pragma once
// "Edit text": the text of a free annotation and its size in points (6 to 30 in steps of 2).

#include "editor/editorhost.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace norvane {

class TextItemDialog : public QDialog
{
  Q_OBJECT
public:
  explicit TextItemDialog(QWidget* parent = nullptr);
  void setEntry(const TextItemEntry& entry);
  TextItemEntry entry() const;

  QLineEdit* textField() const { return m_text; }
  QComboBox* sizeList() const { return m_size; }

private:
  QLineEdit* m_text;
  QComboBox* m_size;
};

} // namespace norvane
