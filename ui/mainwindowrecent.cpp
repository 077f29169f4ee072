// The main window's habits kept between runs: the File menu's recent files and the tuner's
// step, both in the environment record and so in Norvane.cfg.
#include "mainwindow.h"

#include "common/latin1text.h"
#include "editorconnection.h"
#include "tunerbar.h"

#include "config/environment.h"
#include "platform/prompts.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

#include <filesystem>
#include <system_error>

namespace norvane {

void MainWindow::showRecentFiles()
{
  const auto& files = m_env.recentfiles;
  int shown = 0;
  for (std::size_t i = 0; i < kRecentFileCount; ++i) {
    QAction* entry = action(static_cast<Command>(static_cast<int>(Command::RecentFile1) + i));
    const std::string& path = files[i];
    entry->setVisible(!path.empty());
    if (path.empty()) continue;
    // "&1 /home/me/filter.cct": the digit is the access key; an "&" of the path is literal.
    entry->setText(QString("&%1 %2").arg(++shown).arg(pathToQt(path).replace("&", "&&")));
    entry->setToolTip(pathToQt(path));
  }
  if (m_recentMenu != nullptr) m_recentMenu->setEnabled(shown > 0);
}

void MainWindow::rememberRecentFile(const std::string& path)
{
  // A name given on the command line may be relative to where the program was started; the
  // list must still find the file from wherever the next start happens.
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(path, ec);
  norvane::rememberRecentFile(m_env, ec ? path : full.lexically_normal().string());
  showRecentFiles();
}

bool MainWindow::openRecentFile(int index)
{
  if (index < 0 || index >= static_cast<int>(kRecentFileCount)) return false;
  const std::string path = m_env.recentfiles[static_cast<std::size_t>(index)];
  if (path.empty()) return false;
  if (!confirmDiscard()) return false;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    // Moved or deleted since: say so, and offer it no more.
    m_prompts.error("File not found: " + path);
    forgetRecentFile(m_env, path);
    showRecentFiles();
    return false;
  }
  return openFile(path);
}

void MainWindow::applyRememberedTuneStep()
{
  const std::optional<TuneStep> step = tuneStepFromKey(m_env.tunestep);
  if (!step) return;
  QComboBox* list = m_tuner->stepList();
  const int index = list->findData(static_cast<int>(*step));
  if (index >= 0) list->setCurrentIndex(index); // its signal tells the editor
}

} // namespace norvane
