#pragma once
// The bipolar transistor's property dialog: a "Ball Park Model" page that estimates the whole
// model from four data-sheet figures, and an "Accurate Model" page with every parameter.

#include "dialogs/componentdialog.h"
#include "editor/bjtestimate.h"

class QLabel;
class QRadioButton;
class QTabWidget;

namespace norvane {

class Teditbipolardlg : public TComponentDialog
{
  Q_OBJECT

public:
  explicit Teditbipolardlg(QWidget* parent = nullptr);

  void loadFrom(const Tcomponent& comp, const Tschema& doc) override;
  void storeInto(Tcomponent& comp, Tschema& doc) override;
  QWidget* firstField() const override;

  QTabWidget* pages() const { return m_pages; }
  bool ballParkPageActive() const;

  // Ball-park page.
  TRealEdit* ballParkGainEdit() const { return m_bpGain; }
  TRealEdit* ftEdit() const { return m_ft; }
  TRealEdit* icEdit() const { return m_ic; }
  TRealEdit* feedbackCapEdit() const { return m_feedback; }
  QRadioButton* surfaceMountButton() const { return m_smt; }
  QRadioButton* leadedButton() const { return m_leaded; }
  // The derived texts in the order Lb, Rbb, Re, Cbe, Le, Ro, Tf.
  QLabel* derivedLabel(int i) const { return m_derived.at(static_cast<std::size_t>(i)); }

  // Accurate page, in the order of BipolarParameters.
  TRealEdit* betaEdit() const { return m_beta; }
  TRealEdit* rbbEdit() const { return m_rbb; }
  TRealEdit* reEdit() const { return m_re; }
  TRealEdit* roEdit() const { return m_ro; }
  TRealEdit* ccbEdit() const { return m_ccb; }
  TRealEdit* cbeEdit() const { return m_cbe; }
  TRealEdit* lbEdit() const { return m_lb; }
  TRealEdit* leEdit() const { return m_le; }
  TRealEdit* betaCutoffEdit() const { return m_fbeta; }
  TRealEdit* timeDelayEdit() const { return m_tau; }

private:
  // Runs the ball-park estimate from its page, shows the derived texts and fills the
  // accurate page with the result.
  void estimate();
  void showModel(const BipolarParameters& p);
  BipolarParameters accurateModel();

  QTabWidget* m_pages;
  TRealEdit* m_bpGain;
  TRealEdit* m_ft;
  TRealEdit* m_ic;
  TRealEdit* m_feedback;
  QRadioButton* m_smt;
  QRadioButton* m_leaded;
  std::array<QLabel*, 7> m_derived{};
  TRealEdit* m_beta;
  TRealEdit* m_rbb;
  TRealEdit* m_re;
  TRealEdit* m_ro;
  TRealEdit* m_ccb;
  TRealEdit* m_cbe;
  TRealEdit* m_lb;
  TRealEdit* m_le;
  TRealEdit* m_fbeta;
  TRealEdit* m_tau;
};

} // namespace norvane
