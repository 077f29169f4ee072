#pragma once
// The synthesis row of a line calculator page: "Wanted Zo" with its field and a "Synthesize"
// button, which finds the page's free dimension (width, inner diameter or separation) for
// the impedance typed there.

#include <QString>

class QLineEdit;
class QPushButton;

namespace norvane {

class PageGrid;

struct SynthesisRow
{
  QLineEdit* target = nullptr;
  QPushButton* button = nullptr;
};

// Adds the row to the page; `solvedFor` names the field the button fills in (its tooltip).
SynthesisRow addSynthesisRow(PageGrid& grid, const QString& solvedFor);

} // namespace norvane
