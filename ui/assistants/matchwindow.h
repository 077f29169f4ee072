#pragma once
// The matching assistant ("Match"): a resistive or reactive network matching Zin to Zout at
// one frequency, previewed above its inputs.

#include "assistants/assistantwindow.h"

#include "assist/matchingdesign.h"

class QComboBox;

namespace norvane {

class RealEdit;

class MatchWindow : public AssistantWindow
{
  Q_OBJECT

public:
  MatchWindow(const Environment& env, Prompts& prompts, QWidget* parent = nullptr);

  QComboBox* topologyList() const { return m_topology; }
  RealEdit* zinField() const { return m_zin; }
  RealEdit* zoutField() const { return m_zout; }
  RealEdit* frequencyField() const { return m_frequency; }
  RealEdit* bandwidthField() const { return m_bandwidth; }

protected:
  Design design() override;
  AssistantWriteSettings writeSettings() const override;
  AssistantWriteOptions writeOptions() const override { return {true, false}; }
  QString inputSnapshot() const override;
  bool event(QEvent* event) override;

private:
  void enableFields();

  QComboBox* m_topology = nullptr;
  RealEdit* m_zin = nullptr;
  RealEdit* m_zout = nullptr;
  RealEdit* m_frequency = nullptr;
  RealEdit* m_bandwidth = nullptr;
  RealEdit* m_ltol = nullptr;
  RealEdit* m_ctol = nullptr;
  RealEdit* m_rtol = nullptr;
};

} // namespace norvane
