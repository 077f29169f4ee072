#pragma once
// Small pieces shared by the calculator windows: the read-only result panel, the rows of a
// calculator page (label, input, unit; label, result) and the text hand-over between the
// core's strings and the fields.

#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <string>
#include <string_view>

class QGridLayout;
class QWidget;

namespace norvane {

// A read-only text panel showing one result. Empty means "no valid result": the window
// clears it rather than leave a number that no longer belongs to the inputs.
class ResultPanel : public QLabel
{
  Q_OBJECT

public:
  explicit ResultPanel(QWidget* parent = nullptr);
  void setResult(const std::string& text);
};

// Writes `text` into the field only when it differs, so the cursor and the selection of an
// unchanged field stay where the user left them. A program write never counts as the user's
// own editing (QLineEdit::textEdited is not emitted).
void setFieldText(QLineEdit* field, const std::string& text);
std::string fieldText(const QLineEdit* field);
// A caption or unit of the core's tables.
QString qtText(std::string_view text);

// A page laid out as a grid of rows: column 0 the label, column 1 the field or panel,
// column 2 the unit text.
class PageGrid
{
public:
  explicit PageGrid(QWidget* page);

  QLineEdit* addInput(const QString& label, const std::string& text, const QString& unit = {});
  ResultPanel* addResult(const QString& label, const QString& unit = {});
  // A widget spanning the field and unit columns (a material list).
  void addWide(const QString& label, QWidget* widget);
  // A line of text across the page (notes).
  QLabel* addNote(const QString& text);
  // A free row: the label, then widgets placed side by side.
  void addRow(const QString& label, std::initializer_list<QWidget*> widgets);
  void addSpacing(int pixels = 8);
  // Pushes the rows to the top of the page.
  void finish();

  QGridLayout* layout() const { return m_grid; }

private:
  QGridLayout* m_grid;
  int m_row = 0;
};

} // namespace norvane
