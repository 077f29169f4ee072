#include "qtprompts.h"

#include "common/latin1text.h"
#include "dialogs/sparamfileerrordialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace norvane {

namespace {

// Splits "A|pa|B|pb" into (description, pattern) pairs; a trailing lone description gets "*".
std::vector<std::pair<QString, QString>> filterPairs(const std::string& pipeFilter)
{
  std::vector<std::pair<QString, QString>> pairs;
  if (pipeFilter.empty()) {
    return pairs;
  }
  const QStringList parts = toQt(pipeFilter).split('|');
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    QString pattern = i + 1 < parts.size() ? parts[i + 1].trimmed() : QString("*");
    if (description.isEmpty() && pattern.isEmpty()) {
      continue;
    }
    pairs.emplace_back(description, pattern);
  }
  return pairs;
}

QString dialogPatterns(const QString& pattern)
{
  QStringList out;
  for (const QString& p : pattern.split(';', Qt::SkipEmptyParts)) {
    const QString t = p.trimmed();
    out << (t == "*.*" ? QString("*") : t);
  }
  return out.isEmpty() ? QString("*") : out.join(' ');
}

} // namespace

QString qtFileFilter(const std::string& pipeFilter)
{
  QStringList filters;
  static const QRegularExpression bracket(R"(\s*\([^)]*\)\s*$)");
  for (const auto& [description, pattern] : filterPairs(pipeFilter)) {
    QString text = description;
    text.remove(bracket);
    if (text.isEmpty()) {
      text = pattern;
    }
    filters << QString("%1 (%2)").arg(text, dialogPatterns(pattern));
  }
  return filters.join(";;");
}

QString defaultSuffix(const std::string& pipeFilter)
{
  const auto pairs = filterPairs(pipeFilter);
  if (pairs.empty()) {
    return {};
  }
  const QString first = pairs.front().second.split(';').front().trimmed();
  if (!first.startsWith("*.") || first == "*.*") {
    return {};
  }
  return first.mid(2);
}

QString messageText(const std::string& text)
{
  // The program's messages break their lines with carriage returns; a message box shows
  // line feeds.
  QString shown = toQt(text);
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

QWidget* QtPrompts::owner() const
{
  // A box belongs to the window in use (the graph window, a calculator, the print preview):
  // parented to the main window, it would pull that window up over the one the user works in.
  QWidget* active = QApplication::activeWindow();
  if (active != nullptr && active->isVisible() &&
      (active->windowType() == Qt::Window || active->windowType() == Qt::Dialog)) {
    return active;
  }
  return m_parent;
}

void QtPrompts::error(const std::string& text)
{
  QMessageBox::critical(owner(), QObject::tr("Error"), messageText(text));
}

void QtPrompts::warning(const std::string& text)
{
  QMessageBox::warning(owner(), QObject::tr("Warning"), messageText(text));
}

void QtPrompts::information(const std::string& text)
{
  QMessageBox::information(owner(), QObject::tr("Information"), messageText(text));
}

Answer QtPrompts::question(const std::string& text, bool withCancel)
{
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) {
    buttons |= QMessageBox::Cancel;
  }
  const auto pressed = QMessageBox::question(owner(), QObject::tr("Confirm"), messageText(text),
                                             buttons, QMessageBox::Yes);
  switch (pressed) {
  case QMessageBox::Yes:
    return Answer::Yes;
  case QMessageBox::No:
    return Answer::No;
  default:
    // Closing the box with Escape or the title bar counts as the safest answer.
    return withCancel ? Answer::Cancel : Answer::No;
  }
}

bool QtPrompts::confirm(const std::string& text)
{
  return QMessageBox::warning(owner(), QObject::tr("Warning"), messageText(text),
                              QMessageBox::Ok | QMessageBox::Cancel,
                              QMessageBox::Ok) == QMessageBox::Ok;
}

QString QtPrompts::startFolder() const
{
  if (!m_lastFolder.isEmpty() && QFileInfo(m_lastFolder).isDir()) {
    return m_lastFolder;
  }
  if (m_documentPath) {
    // "unnamed.cct" has no folder of its own; its folder is then the current one.
    const QFileInfo document(pathToQt(m_documentPath()));
    if (document.isAbsolute() && document.dir().exists()) {
      return document.absolutePath();
    }
  }
  return QString();
}

void QtPrompts::remember(const QString& chosen)
{
  m_lastFolder = QFileInfo(chosen).absolutePath();
}

std::optional<std::string> QtPrompts::openFileName(const std::string& title,
                                                   const std::string& filter)
{
  QFileDialog dialog(owner(), toQt(title), startFolder(), qtFileFilter(filter));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(defaultSuffix(filter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  remember(dialog.selectedFiles().front());
  return pathFromQt(dialog.selectedFiles().front());
}

std::optional<std::string> QtPrompts::saveFileName(const std::string& title,
                                                   const std::string& filter,
                                                   const std::string& suggested)
{
  QFileDialog dialog(owner(), toQt(title), startFolder(), qtFileFilter(filter));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultSuffix(filter));
  // A suggestion such as "*.bmp" is a pattern, not a name: only real names are preselected.
  if (!suggested.empty() && suggested.find('*') == std::string::npos) {
    dialog.selectFile(pathToQt(suggested));
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  remember(dialog.selectedFiles().front());
  return pathFromQt(dialog.selectedFiles().front());
}

void QtPrompts::beep()
{
  QApplication::beep();
}

SParameterFormatChoice QtPrompts::sParameterFormat()
{
  return askSParameterFormat(owner());
}

} // namespace norvane
