#pragma once
// The about box: the program's picture, its version and a line on what it is for.

#include <QDialog>

namespace norvane {

class AboutBox : public QDialog
{
  Q_OBJECT
public:
  explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace norvane
