#include "calculators/materiallist.h"

#include "calculators/calcwidgets.h"
#include "common/latin1text.h"

#include <QLineEdit>

namespace norvane {

MaterialList::MaterialList(std::span<const MaterialItem> items, int selected, QLineEdit* field,
                           QWidget* parent)
    : QComboBox(parent), m_choice(items, selected), m_field(field)
{
  for (const MaterialItem& item : items)
    addItem(toQt(std::string(item.name)));
  setPlaceholderText(toQt(std::string(kCustomMaterialText)));
  setSizeAdjustPolicy(QComboBox::AdjustToContents);
  showChoice();

  // activated: the user's own choice (also of the item already shown), never a program one.
  connect(this, &QComboBox::activated, this, [this](int index) {
    if (const auto text = m_choice.choose(index)) setFieldText(m_field, *text);
    showChoice();
    emit chosen();
  });
  connect(m_field, &QLineEdit::textEdited, this, [this] {
    m_choice.fieldEditedByHand();
    showChoice();
  });
}

std::string MaterialList::shownText() const
{
  return m_choice.listText();
}

void MaterialList::showChoice()
{
  // Index -1 shows the placeholder, "custom".
  setCurrentIndex(m_choice.selected().value_or(-1));
}

} // namespace norvane
