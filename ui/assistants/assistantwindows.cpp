#include "assistants/assistantwindows.h"

#include "assistants/attenuatorwindow.h"
#include "assistants/automatchwindow.h"
#include "assistants/filterwindow.h"
#include "assistants/matchwindow.h"

namespace norvane {

AssistantWindows::AssistantWindows(QWidget* mainWindow, const Environment& env, Prompts& prompts,
                                   const AssistantLinks& links)
    : m_match(new MatchWindow(env, prompts, mainWindow)),
      m_attenuator(new AttenuatorWindow(env, prompts, mainWindow)),
      m_filter(new FilterWindow(env, prompts, mainWindow)),
      m_autoMatch(new AutoMatchWindow(mainWindow))
{
  for (AssistantWindow* w : {static_cast<AssistantWindow*>(m_match.data()),
                             static_cast<AssistantWindow*>(m_attenuator.data()),
                             static_cast<AssistantWindow*>(m_filter.data())})
    w->setLinks(links);
}

MatchWindow* AssistantWindows::match() const
{
  return m_match;
}

AttenuatorWindow* AssistantWindows::attenuator() const
{
  return m_attenuator;
}

FilterWindow* AssistantWindows::filter() const
{
  return m_filter;
}

AutoMatchWindow* AssistantWindows::autoMatch() const
{
  return m_autoMatch;
}

void AssistantWindows::showMatch()
{
  if (m_match) m_match->showAssistant();
}

void AssistantWindows::showAttenuator()
{
  if (m_attenuator) m_attenuator->showAssistant();
}

void AssistantWindows::showFilter()
{
  if (m_filter) m_filter->showAssistant();
}

void AssistantWindows::showAutoMatch()
{
  if (!m_autoMatch) return;
  if (m_autoMatch->isVisible()) m_autoMatch->refill();
  m_autoMatch->show();
  m_autoMatch->raise();
  m_autoMatch->activateWindow();
}

} // namespace norvane
