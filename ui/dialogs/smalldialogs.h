#pragma once
// The measurement port's impedance dialog and the free text's "Edit text" dialog. The
// editor decides what they show and what a confirmed entry means (a zero impedance, the
// text's length); the dialogs only show and take the texts.

#include "editor/editorhost.h"

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;

namespace norvane {

class PortDialog : public QDialog
{
  Q_OBJECT

public:
  explicit PortDialog(QWidget* parent = nullptr);

  // The impedance as text ("50R"), selected so that typing replaces it.
  void setImpedanceText(const std::string& text);
  std::string impedanceText() const;

  QLineEdit* zoEdit() const { return m_zo; }

  // OK: closes only when the text reads as an impedance ("75", "75R", "1 k").
  void accept() override;

private:
  QLineEdit* m_zo;
};

class TextDialog : public QDialog
{
  Q_OBJECT

public:
  explicit TextDialog(QWidget* parent = nullptr);

  // The text (the field takes at most 64 characters) and its size from "6", "8", ... "30".
  void loadFrom(const TextItemEntry& entry);
  TextItemEntry entry() const;

  QLineEdit* textEdit() const { return m_text; }
  QComboBox* sizeBox() const { return m_size; }

private:
  QLineEdit* m_text;
  QComboBox* m_size;
};

} // namespace norvane
