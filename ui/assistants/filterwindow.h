#pragma once
// The filter assistant ("Filter"): Butterworth and Chebyshev LC ladders, previewed above the
// inputs, centred, and scrolled by the scroll bar below the preview when it is wider than the
// preview. The preview follows the fields as they are typed.

#include "assistants/assistantpreview.h"
#include "assistants/assistantwindow.h"

#include "assist/filterdesign.h"

class QComboBox;
class QLineEdit;
class QScrollBar;

namespace norvane {

class FilterWindow : public AssistantWindow
{
  Q_OBJECT

public:
  FilterWindow(const Environment& env, Prompts& prompts, QWidget* parent = nullptr);

  QComboBox* typeList() const { return m_type; }
  QComboBox* topologyList() const { return m_topology; }
  QComboBox* firstBranchList() const { return m_first; }
  QLineEdit* centreField() const { return m_centre; }
  QLineEdit* bandwidthField() const { return m_bandwidth; }
  QLineEdit* polesField() const { return m_poles; }
  QLineEdit* rippleField() const { return m_ripple; }
  QLineEdit* impedanceField() const { return m_z0; }
  QScrollBar* scrollBar() const { return m_scroll; }
  // The design of the last successful calculation.
  const FilterInput& lastInput() const { return m_input; }

protected:
  Design design() override;
  AssistantWriteSettings writeSettings() const override { return filterWriteSettings(m_input); }
  AssistantWriteOptions writeOptions() const override { return {true, true}; }
  QString inputSnapshot() const override;
  void afterCalculation() override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  void placePreview();

  QComboBox* m_type = nullptr;
  QComboBox* m_topology = nullptr;
  QComboBox* m_first = nullptr;
  QLineEdit* m_centre = nullptr;
  QLineEdit* m_bandwidth = nullptr;
  QLineEdit* m_poles = nullptr;
  QLineEdit* m_ripple = nullptr;
  QLineEdit* m_z0 = nullptr;
  QLineEdit* m_ltol = nullptr;
  QLineEdit* m_ctol = nullptr;
  QScrollBar* m_scroll = nullptr;
  FilterInput m_input;
  AssistantPreview::Span m_span; // what the designed ladder draws, measured once per design
};

} // namespace norvane
