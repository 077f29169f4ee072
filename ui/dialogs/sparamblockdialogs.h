#pragma once
// Property dialogs of the 2-port and 1-port S-parameter data blocks: the data set's name,
// "Load File" to read measured data into the dialog's buffer, a grid of the buffer's points,
// and the magnitude and angle tolerances of the block. The document's data set changes only
// on OK; Cancel discards a loaded file with the buffer.

#include "dialogs/componentdialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace norvane {

class Prompts;

class SParamBlockDialog : public ComponentDialog
{
  Q_OBJECT

public:
  SParamBlockDialog(ComponentType ctype, const QString& caption, Prompts& prompts, QWidget* parent);

  void loadFrom(const Component& comp, const Schematic& doc) override;
  void storeInto(Component& comp, Schematic& doc) override;
  QWidget* firstField() const override;

  // "Load File": asks for a file name and reads it into the buffer. The reader asks through
  // the prompts for a format the file does not give; an unreadable file, or one with data of
  // the other port count, is reported and leaves the buffer as it was; data cut at the set's
  // capacity are loaded with a warning. Data converted to 50 ohm on reading say so in the
  // note under the name, whenever the dialog shows them.
  void loadFile();

  const TwoPortDataSet& buffer() const { return m_buffer; }
  QLineEdit* nameEdit() const { return m_name; }
  QLabel* noteLabel() const { return m_note; }
  // 2-port blocks: whether the file held noise parameters ("Noise data: 9 points", "none").
  QLabel* noiseLabel() const { return m_noise; }
  QPushButton* loadButton() const { return m_load; }
  QTableWidget* grid() const { return m_grid; }
  QCheckBox* enabledBox() const { return m_enabled; }
  RealEdit* magEdit() const { return m_mag; }
  RealEdit* angEdit() const { return m_ang; }

private:
  // Shows the buffer: its name in "Name", its note, and its points in the grid.
  void showBuffer();

  ComponentType m_ctype;
  Prompts& m_prompts;
  int m_index = 0; // data set of the block being edited, 0 for none
  TwoPortDataSet m_buffer;
  QLineEdit* m_name;
  QLabel* m_note;
  QLabel* m_noise;
  QPushButton* m_load;
  QTableWidget* m_grid;
  QCheckBox* m_enabled;
  RealEdit* m_mag;
  RealEdit* m_ang;
};

class TwoPortBlockDialog : public SParamBlockDialog
{
  Q_OBJECT

public:
  explicit TwoPortBlockDialog(Prompts& prompts, QWidget* parent = nullptr);
};

class OnePortBlockDialog : public SParamBlockDialog
{
  Q_OBJECT

public:
  explicit OnePortBlockDialog(Prompts& prompts, QWidget* parent = nullptr);
};

// The file dialogs' filters of the two block kinds.
extern const char* const kTwoPortFileFilter;
extern const char* const kOnePortFileFilter;

} // namespace norvane
