#pragma once
// A colour swatch of the preference windows: a small filled rectangle that shows one colour
// of the environment record; any mouse button on it asks for a new colour.

#include <QFrame>
#include <functional>
#include <optional>

namespace norvane {

// Asks the user for a colour, preset to `current` (colour integers, red in the low byte);
// nothing when cancelled. The desktop uses the platform's colour chooser; tests put their
// own answer here.
using ColourChooser = std::function<std::optional<int>(int current, QWidget* parent)>;
std::optional<int> chooseColourWithQt(int current, QWidget* parent);

class ColourSwatch : public QFrame
{
  Q_OBJECT

public:
  explicit ColourSwatch(QWidget* parent = nullptr);

  int colour() const { return m_colour; }
  void setColour(int colour);

signals:
  void clicked();

protected:
  void mousePressEvent(QMouseEvent* event) override;

private:
  int m_colour = 0;
};

} // namespace norvane
