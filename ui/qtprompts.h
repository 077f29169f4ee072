#pragma once
// Prompts shown as real Qt dialogs: message boxes, Yes/No/Cancel questions and the file
// dialogs. Qt's own (non-native) file dialog is used so the program looks and behaves the same
// with or without a desktop theme.

#include "platform/prompts.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

namespace norvane {

// "Circuit files (*.cct)|*.cct|All files (*.*)|*.*" -> "Circuit files (*.cct);;All files (*)".
// The pattern after each "|" decides what the dialog shows; "*.*" becomes "*" so that files
// without an extension are listed too, as the description promises.
QString qtFileFilter(const std::string& pipeFilter);

// The extension of the first pattern of a filter ("*.cct" -> "cct"), or "" for "*" / "*.*".
QString defaultSuffix(const std::string& pipeFilter);

// A message's text for a message box: carriage returns become line breaks.
QString messageText(const std::string& text);

class QtPrompts : public Prompts
{
public:
  explicit QtPrompts(QWidget* parent = nullptr) : m_parent(parent) {}
  void setParent(QWidget* parent) { m_parent = parent; }
  // The path of the open document. The file dialogs start in the folder of the file last
  // chosen in one of them, or else in the document's folder, not wherever the program was
  // started from.
  void setDocumentPath(std::function<std::string()> path) { m_documentPath = std::move(path); }
  QString startFolder() const;
  // The window the dialogs belong to: the active program window, else the parent given.
  QWidget* owner() const;

  void error(const std::string& text) override;
  void warning(const std::string& text) override;
  void information(const std::string& text) override;
  Answer question(const std::string& text, bool withCancel = false) override;
  bool confirm(const std::string& text) override;
  std::optional<std::string> openFileName(const std::string& title,
                                          const std::string& filter) override;
  std::optional<std::string> saveFileName(const std::string& title, const std::string& filter,
                                          const std::string& suggested) override;
  void beep() override;
  // The "S parameter File Error" dialog.
  SParameterFormatChoice sParameterFormat() override;

private:
  void remember(const QString& chosen);

  QPointer<QWidget> m_parent;
  std::function<std::string()> m_documentPath;
  QString m_lastFolder;
};

} // namespace norvane
