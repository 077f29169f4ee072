#pragma once
// The bipolar transistor's property dialog: a "Ball Park Model" page that estimates the whole
// model from four data-sheet figures, and an "Accurate Model" page with every parameter.

#include "dialogs/componentdialog.h"
#include "editor/bjtestimate.h"

class QLabel;
class QRadioButton;
class QTabWidget;

namespace norvane {

class BipolarDialog : public ComponentDialog
{
  Q_OBJECT

public:
  explicit BipolarDialog(QWidget* parent = nullptr);

  void loadFrom(const Component& comp, const Schematic& doc) override;
  void storeInto(Component& comp, Schematic& doc) override;
  QWidget* firstField() const override;

  QTabWidget* pages() const { return m_pages; }
  bool ballParkPageActive() const;

  // Ball-park page.
  RealEdit* ballParkGainEdit() const { return m_bpGain; }
  RealEdit* ftEdit() const { return m_ft; }
  RealEdit* icEdit() const { return m_ic; }
  RealEdit* feedbackCapEdit() const { return m_feedback; }
  QRadioButton* surfaceMountButton() const { return m_smt; }
  QRadioButton* leadedButton() const { return m_leaded; }
  // The derived texts in the order Lb, Rbb, Re, Cbe, Le, Ro, Tf.
  QLabel* derivedLabel(int i) const { return m_derived.at(static_cast<std::size_t>(i)); }

  // Accurate page, in the order of BipolarParameters.
  RealEdit* betaEdit() const { return m_beta; }
  RealEdit* rbbEdit() const { return m_rbb; }
  RealEdit* reEdit() const { return m_re; }
  RealEdit* roEdit() const { return m_ro; }
  RealEdit* ccbEdit() const { return m_ccb; }
  RealEdit* cbeEdit() const { return m_cbe; }
  RealEdit* lbEdit() const { return m_lb; }
  RealEdit* leEdit() const { return m_le; }
  RealEdit* betaCutoffEdit() const { return m_fbeta; }
  RealEdit* timeDelayEdit() const { return m_tau; }

private:
  // Runs the ball-park estimate from its page, shows the derived texts and fills the
  // accurate page with the result.
  void estimate();
  void showModel(const BipolarParameters& p);
  BipolarParameters accurateModel();

  QTabWidget* m_pages;
  RealEdit* m_bpGain;
  RealEdit* m_ft;
  RealEdit* m_ic;
  RealEdit* m_feedback;
  QRadioButton* m_smt;
  QRadioButton* m_leaded;
  std::array<QLabel*, 7> m_derived{};
  RealEdit* m_beta;
  RealEdit* m_rbb;
  RealEdit* m_re;
  RealEdit* m_ro;
  RealEdit* m_ccb;
  RealEdit* m_cbe;
  RealEdit* m_lb;
  RealEdit* m_le;
  RealEdit* m_fbeta;
  RealEdit* m_tau;
};

} // namespace norvane
