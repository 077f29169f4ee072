#pragma once
// A window for tracing during development: four labels, a list of lines and a Clear button.
// It is created with the other windows at start-up; no command shows it, but code that is
// being investigated can write to it and show it.

#include <QWidget>

#include <array>

class QLabel;
class QListWidget;
class QPushButton;

namespace norvane {

class DebugWindow : public QWidget
{
  Q_OBJECT
public:
  explicit DebugWindow(QWidget* parent = nullptr);

  void setLabel(int index, const QString& text); // index 0..3; others are ignored
  void addLine(const QString& text);

  QListWidget* list() const { return m_list; }
  QPushButton* clearButton() const { return m_clear; }
  QLabel* label(int index) const;

private:
  std::array<QLabel*, 4> m_labels{};
  QListWidget* m_list;
  QPushButton* m_clear;
};

} // namespace norvane
