#pragma once
// A material list beside a permittivity (or permeability) field. Choosing an item writes its
// value into the field; typing into the field by hand shows "custom" in the list. The rule
// itself is MaterialChoice's; this widget forwards the user's choices and typing to it and
// shows its selection.

#include "assist/materials.h"

#include <QComboBox>

#include <span>
#include <string>

class QLineEdit;

namespace norvane {

class MaterialList : public QComboBox
{
  Q_OBJECT

public:
  // Selects item `selected` without touching the field (the field keeps its own default).
  MaterialList(std::span<const MaterialItem> items, int selected, QLineEdit* field,
               QWidget* parent = nullptr);

  const MaterialChoice& choice() const { return m_choice; }
  // The text the list shows: the selected item, or "custom".
  std::string shownText() const;

signals:
  // The user chose an item and its value is in the field.
  void chosen();

private:
  void showChoice();

  MaterialChoice m_choice;
  QLineEdit* m_field;
};

} // namespace norvane
