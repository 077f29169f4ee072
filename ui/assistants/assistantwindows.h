#pragma once
// The design assistants of the program, created once with the other windows and shown on
// request: "Match", "Attenuator" and "Filter" (Tools, Design and their tool buttons) and
// "Auto Match" (the graph window's button and menu item). They are children of the main
// window and close with it.

#include <QPointer>

class QWidget;

namespace norvane {

struct AssistantLinks;
struct Environment;
class Prompts;
class MatchWindow;
class AttenuatorWindow;
class FilterWindow;
class AutoMatchWindow;

class AssistantWindows
{
public:
  AssistantWindows(QWidget* mainWindow, const Environment& env, Prompts& prompts,
                   const AssistantLinks& links);

  void showMatch();
  void showAttenuator();
  void showFilter();
  void showAutoMatch();

  MatchWindow* match() const;
  AttenuatorWindow* attenuator() const;
  FilterWindow* filter() const;
  AutoMatchWindow* autoMatch() const;

private:
  QPointer<MatchWindow> m_match;
  QPointer<AttenuatorWindow> m_attenuator;
  QPointer<FilterWindow> m_filter;
  QPointer<AutoMatchWindow> m_autoMatch;
};

} // namespace norvane
