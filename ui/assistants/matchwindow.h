#pragma once
// The matching assistant ("Match"): a resistive or reactive network matching Zin to Zout at
// one frequency, previewed above its inputs.

#include "assistants/assistantwindow.h"

#include "assist/matchingdesign.h"

class QComboBox;

namespace norvane {

class TRealEdit;

class MatchWindow : public AssistantWindow
{
  Q_OBJECT

public:
  MatchWindow(const TenvironmentProps& env, Prompts& prompts, QWidget* parent = nullptr);

  QComboBox* topologyList() const { return m_topology; }
  TRealEdit* zinField() const { return m_zin; }
  TRealEdit* zoutField() const { return m_zout; }
  TRealEdit* frequencyField() const { return m_frequency; }
  TRealEdit* bandwidthField() const { return m_bandwidth; }

protected:
  Design design() override;
  AssistantWriteSettings writeSettings() const override;
  AssistantWriteOptions writeOptions() const override { return {true, false}; }
  QString inputSnapshot() const override;
  bool event(QEvent* event) override;

private:
  void enableFields();

  QComboBox* m_topology = nullptr;
  TRealEdit* m_zin = nullptr;
  TRealEdit* m_zout = nullptr;
  TRealEdit* m_frequency = nullptr;
  TRealEdit* m_bandwidth = nullptr;
  TRealEdit* m_ltol = nullptr;
  TRealEdit* m_ctol = nullptr;
  TRealEdit* m_rtol = nullptr;
};

} // namespace norvane
