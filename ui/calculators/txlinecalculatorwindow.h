#pragma once
// "Transmission Line": impedance and phase velocity of a microstrip, a stripline, a coaxial
// cable (with its copper loss) and a parallel two-wire line, all four calculated at once by
// calculateTxLines. The window calculates on "Calculate", on activation, when the focus
// leaves a microstrip input or the cable's diameters and permittivity, and after a material
// is chosen.

#include "assist/txlinesynthesis.h"
#include "calculators/calculatorwindow.h"
#include "calculators/synthesisrow.h"

#include <array>

class QLineEdit;

namespace norvane {

class MaterialList;
class PageGrid;
class ResultPanel;

class TxLineCalculatorWindow : public CalculatorWindow
{
  Q_OBJECT

public:
  TxLineCalculatorWindow(Prompts& prompts, QWidget* parent = nullptr);

  struct Microstrip
  {
    QLineEdit* width;
    QLineEdit* thickness;
    QLineEdit* height;
    QLineEdit* permittivity;
    MaterialList* dielectric;
    ResultPanel* impedance;
    ResultPanel* velocity;
  };
  struct Stripline
  {
    QLineEdit* width;
    QLineEdit* thickness;
    QLineEdit* separation;
    QLineEdit* permittivity;
    MaterialList* dielectric;
    ResultPanel* impedance;
    ResultPanel* velocity;
  };
  struct Coax
  {
    QLineEdit* shieldDiameter;
    QLineEdit* conductorDiameter;
    QLineEdit* permittivity;
    QLineEdit* frequencyMHz;
    MaterialList* dielectric;
    ResultPanel* impedance;
    ResultPanel* loss;
    ResultPanel* velocity;
  };
  struct FlatTwin
  {
    QLineEdit* separation;
    QLineEdit* conductorDiameter;
    QLineEdit* permeability;
    QLineEdit* permittivity;
    MaterialList* magnetic;
    MaterialList* dielectric;
    ResultPanel* impedance;
  };

  const Microstrip& microstrip() const { return m_microstrip; }
  const Stripline& stripline() const { return m_stripline; }
  const Coax& coax() const { return m_coax; }
  const FlatTwin& flatTwin() const { return m_flatTwin; }

  // "Synthesize" on a page: its free dimension for the "Wanted Zo", then Calculate.
  const SynthesisRow& synthesisRow(TxLinePage page) const
  {
    return m_synthesis[static_cast<size_t>(page)];
  }
  void synthesize(TxLinePage page);

protected:
  CalcNotices runCalculation() override;

private:
  void buildMicrostrip();
  void buildStripline();
  void buildCoax();
  void buildFlatTwin();
  void addSynthesis(PageGrid& grid, TxLinePage page);
  TxLineFields fieldsShown() const;
  void showFields(const TxLineFields& fields);

  Microstrip m_microstrip{};
  Stripline m_stripline{};
  Coax m_coax{};
  FlatTwin m_flatTwin{};
  std::array<SynthesisRow, 4> m_synthesis{};
  Prompts& m_prompts;
};

} // namespace norvane
