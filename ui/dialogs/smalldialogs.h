#pragma once
// The measurement port's impedance dialog and the free text's "Edit text" dialog.

#include "document/schema.h"

#include <QDialog>
#include <string>

class QComboBox;
class QLineEdit;

namespace norvane {

class Tporteditdlg : public QDialog
{
  Q_OBJECT

public:
  explicit Tporteditdlg(QWidget* parent = nullptr);

  // Shows Zo in engineering notation with `digits` decimals and "R"; the caller sets the
  // caption ("Test Port 1 Zo").
  void loadFrom(const Tport& port, int digits);
  // Stores the entered impedance; an exact zero becomes 1e-6 ohm.
  void storeInto(Tport& port) const;

  QLineEdit* zoEdit() const { return m_zo; }

private:
  QLineEdit* m_zo;
};

class TEditTextDlg : public QDialog
{
  Q_OBJECT

public:
  explicit TEditTextDlg(QWidget* parent = nullptr);

  // Shows a text item; a new text starts empty with size "8".
  void loadFrom(const Ttextitem& item);
  // Stores the text (at most 64 characters) and the size (at most 2 characters).
  void storeInto(Ttextitem& item) const;

  QLineEdit* textEdit() const { return m_text; }
  QComboBox* sizeBox() const { return m_size; }

private:
  QLineEdit* m_text;
  QComboBox* m_size;
};

} // namespace norvane
