#pragma once
// The two modeless preference windows over the environment record: "Schematic Editor
// Preferences" (editor options, schematic colours on screen and paper) and "Graph Output
// Preferences" (graph colours, and the defaults new schematics receive). Every change goes
// into the record at once; the windows that show the colours are told through signals.

#include "config/environment.h"
#include "dialogs/colourswatch.h"

#include <QWidget>
#include <utility>
#include <vector>

class QCheckBox;
class QGridLayout;

namespace norvane {

class RealEdit;

// A field of the environment record that holds a colour.
using ColourField = int Environment::*;

class SchematicPreferencesWindow : public QWidget
{
  Q_OBJECT

public:
  explicit SchematicPreferencesWindow(Environment& env, QWidget* parent = nullptr);

  void setColourChooser(ColourChooser chooser) { m_chooser = std::move(chooser); }

  // Sets every check box and swatch from the record (done on every showing).
  void loadFromRecord();

  QCheckBox* autoOpenBox() const { return m_autoOpen; }
  QCheckBox* showGridBox() const { return m_showGrid; }
  QCheckBox* rememberBox() const { return m_remember; }
  QCheckBox* chainBox() const { return m_chain; }
  // The swatch of a colour field, nullptr if the window has none for it.
  ColourSwatch* swatch(ColourField field) const;

signals:
  // The schematic must be repainted with the record's colours and options.
  void schematicChanged();
  // The grid tile must be rebuilt from papercolor and griddotscolor (and shown or hidden
  // as gridon says).
  void gridTileChanged();
  // The main window's and drawing area's background becomes this colour.
  void paperColourChanged(int colour);

protected:
  void showEvent(QShowEvent* event) override;

private:
  void addSwatch(QGridLayout* grid, int row, int column, ColourField field);
  void swatchClicked(ColourField field);

  Environment& m_env;
  ColourChooser m_chooser;
  QCheckBox* m_autoOpen;
  QCheckBox* m_showGrid;
  QCheckBox* m_remember;
  QCheckBox* m_chain;
  std::vector<std::pair<ColourField, ColourSwatch*>> m_swatches;
};

class GraphPreferencesWindow : public QWidget
{
  Q_OBJECT

public:
  explicit GraphPreferencesWindow(Environment& env, QWidget* parent = nullptr);

  void setColourChooser(ColourChooser chooser) { m_chooser = std::move(chooser); }

  // Loads every swatch and the five default fields from the record (each activation).
  void loadFromRecord();
  // Parses the five default fields into the record (when the window closes or the user
  // turns to another window, so that nothing typed is lost to the next activation).
  void storeDefaults();

  ColourSwatch* swatch(ColourField field) const;
  // The printing column's "Background" swatch: shows the printer paper colour only.
  ColourSwatch* printerBackgroundSwatch() const { return m_printerBackground; }
  RealEdit* dBLowEdit() const { return m_dBLow; }
  RealEdit* dBHighEdit() const { return m_dBHigh; }
  RealEdit* freqLowEdit() const { return m_freqLow; }
  RealEdit* freqHighEdit() const { return m_freqHigh; }
  RealEdit* pointsEdit() const { return m_points; }

signals:
  // The graph must be repainted with the record's display colours.
  void graphChanged();
  // The graph window's and its drawing area's background becomes this colour.
  void graphBackgroundChanged(int colour);
  // The status-bar mark of trace 1 or 2 takes this colour.
  void traceColourChanged(int trace, int colour);

protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void addSwatch(QGridLayout* grid, int row, int column, ColourField field);
  void swatchClicked(ColourField field);

  Environment& m_env;
  ColourChooser m_chooser;
  std::vector<std::pair<ColourField, ColourSwatch*>> m_swatches;
  ColourSwatch* m_printerBackground;
  RealEdit* m_dBLow;
  RealEdit* m_dBHigh;
  RealEdit* m_freqLow;
  RealEdit* m_freqHigh;
  RealEdit* m_points;
};

} // namespace norvane
