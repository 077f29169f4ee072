#pragma once
// The attenuator assistant ("Attenuator"): Tee, Pi or bridged-Tee pads, previewed to the
// right of the inputs.

#include "assistants/assistantwindow.h"

#include "assist/attenuatordesign.h"

class QComboBox;
class QLineEdit;

namespace norvane {

class AttenuatorWindow : public AssistantWindow
{
  Q_OBJECT

public:
  AttenuatorWindow(const Environment& env, Prompts& prompts, QWidget* parent = nullptr);

  QComboBox* topologyList() const { return m_topology; }
  QLineEdit* inputField() const { return m_zin; }
  QLineEdit* outputField() const { return m_zout; }
  QLineEdit* attenuationField() const { return m_attenuation; }
  QLineEdit* toleranceField() const { return m_tolerance; }

protected:
  Design design() override;
  AssistantWriteSettings writeSettings() const override { return attenuatorWriteSettings(); }
  AssistantWriteOptions writeOptions() const override { return {false, false}; }
  QString inputSnapshot() const override;

private:
  void topologyChanged();

  QComboBox* m_topology = nullptr;
  QLineEdit* m_zin = nullptr;
  QLineEdit* m_zout = nullptr;
  QLineEdit* m_attenuation = nullptr;
  QLineEdit* m_tolerance = nullptr;
};

} // namespace norvane
