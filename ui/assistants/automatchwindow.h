#pragma once
// The "Auto Match" window of the graph window: the match frequency (the graph cursor's), the
// match type and each port's target resistance and topology. OK hands the request to the
// main window, which runs Auto Match (assist/automatch.h) through the graph window.

#include "sim/matchrequest.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QRadioButton;

namespace norvane {

class RealEdit;

// What the window reads on activation.
struct AutoMatchState
{
  double frequency = 0.0; // the graph cursor's, Hz
  double zo1 = 50.0;
  double zo2 = 50.0;
  bool port1Connected = false; // in the last circuit check
  bool port2Connected = false;
};

class AutoMatchWindow : public QDialog
{
  Q_OBJECT

public:
  explicit AutoMatchWindow(QWidget* parent = nullptr);

  void setStateSource(std::function<AutoMatchState()> source) { m_source = std::move(source); }
  void setRunner(std::function<void(const MatchRequest&)> run) { m_run = std::move(run); }

  // Fills the fields from the document and the graph window.
  void refill();
  // The request the fields describe.
  MatchRequest request() const;

  RealEdit* frequencyField() const { return m_frequency; }
  QRadioButton* modeButton(int matchMode) const;
  RealEdit* targetField(int port) const { return port == 1 ? m_r1 : m_r2; }
  QComboBox* topologyList(int port) const { return port == 1 ? m_top1 : m_top2; }
  QGroupBox* portGroup(int port) const { return port == 1 ? m_group1 : m_group2; }

  void accept() override;

protected:
  bool event(QEvent* event) override;

private:
  std::function<AutoMatchState()> m_source;
  std::function<void(const MatchRequest&)> m_run;
  RealEdit* m_frequency = nullptr;
  QButtonGroup* m_modes = nullptr;
  RealEdit* m_r1 = nullptr;
  RealEdit* m_r2 = nullptr;
  QComboBox* m_top1 = nullptr;
  QComboBox* m_top2 = nullptr;
  QGroupBox* m_group1 = nullptr;
  QGroupBox* m_group2 = nullptr;
};

} // namespace norvane
