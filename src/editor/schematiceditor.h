#pragma once
// The schematic editor: a state machine fed with mouse and key events in drawing units that
// turns them into changes of the document. It reaches the window through EditorHost (repaint,
// cursor, dialogs, popup menus, simulation) and the user through Prompts (messages). It holds
// the editing state the main window owns: mode, orientation, press and last points, dragging,
// the wire chain point, the modified flag, the clipboard and the undo history.
//
// Event order expected from the host (as a desktop toolkit delivers it): press, moves,
// release; for a double click: press, release, doubleClick, then the press of the second
// click (which the editor swallows), release.

#include "config/environment.h"
#include "document/schematic.h"
#include "editor/clipboard.h"
#include "editor/editorhost.h"
#include "editor/editormodes.h"
#include "editor/editoroverlay.h"
#include "editor/hittest.h"
#include "editor/undohistory.h"
#include "numbers/tunestep.h"
#include "platform/prompts.h"

#include <optional>

namespace norvane {

class SchematicEditor
{
public:
  SchematicEditor(Schematic& doc, const Environment& env, EditorHost& host, Prompts& prompts);

  // ---- Mouse and keys (drawing units, not snapped) ----
  void mousePress(MouseButton button, int x, int y);
  void mouseMove(int x, int y);
  void mouseRelease(MouseButton button, int x, int y);
  void doubleClick(int x, int y);
  // A key on the sheet runs the command the editor's command table gives it (letters and
  // digits, kKeyEscape, kKeySpace, kKeyDelete, with or without ctrl). True when the key did
  // something.
  bool keyPress(int key, bool ctrl = false);

  // ---- Modes ----
  void enterSelectMode();
  void enterWireMode();
  void enterBlockSelectMode();
  // Placing a component of a kind: the outline starts under the mouse (or off the sheet
  // when the mouse was last near its top or left edge) and follows it.
  void startPlacing(ComponentType kind);
  void enterPortMode(int portNumber);
  // The toolbar and popup "Measurement Port ": port 1 while it is not placed, else port 2.
  void enterNextPortMode();
  void enterTextMode();
  void enterLineMode();
  // The "Tune" toggle: down enters tune mode and simulates; up returns to select mode.
  void setTuneMode(bool down);

  // ---- Live tuning ----
  // The component the last click in tune mode chose (it stays selected, its label framed),
  // or 0: its main value is what the arrow keys and the wheel step.
  int tunedComponent() const;
  // The step of the tuner: an E series or a percentage.
  void setTuneStep(TuneStep step) { m_tuneStep = step; }
  TuneStep tuneStep() const { return m_tuneStep; }
  // Steps the tuned component's main value `steps` places (negative: down), repaints and
  // simulates. All steps of one component form one undo step, until another component is
  // chosen. False (and nothing changes) when nothing is tuned or the value cannot step.
  bool stepTunedValue(int steps);
  // A component toolbar button pressed: placement starts; the host then forwards the mouse
  // moves over the drawing and finishes with toolbarRelease (in drawing units).
  void beginToolbarDrag(ComponentType kind);
  void toolbarRelease(int x, int y);

  // ---- Commands ----
  // Runs a command of the editor's command table (menus, toolbar, popups, keys); false when
  // there was nothing to do.
  bool run(EditorCommand command);
  void toggleOrientation();
  void deleteSelection();
  void copySelection();
  void cutSelection();
  void paste();
  void duplicate();
  // "Edit component": the dialogs of the components, port and texts at the last mouse point.
  void editAtLastPoint();
  // Undo and redo keep tune mode (and the tuned component while it is still there) and then
  // simulate, so the graph follows the drawing; in any other mode they return to select.
  bool undo();
  bool redo();
  bool canUndo() const { return m_history.canUndo(); }
  bool canRedo() const { return m_history.canRedo(); }
  // Records the current drawing as an undo step before a change made outside the editor
  // (a design assistant writing its circuit, the automatic matcher).
  void recordUndoPoint();
  // Selects every component, wire, port, text and line; the next press drags them all.
  void selectAll();
  // Forgets every undo and redo step (a design assistant replaced the whole document: its
  // data sets were emptied, so the older steps cannot be restored faithfully).
  void clearUndoHistory();

  // New and Open: select mode, orientation 1, all transient state and the undo history
  // cleared, document unmodified. The clipboard is kept (it may be pasted into the new one).
  void resetForNewDocument();

  // Set by every change to the drawing (not by clicks that change nothing); cleared by New,
  // Open and Save.
  bool modified() const { return m_modified; }
  void setModified(bool modified);

  // ---- State for painting and for the host ----
  int mode() const { return m_mode; }
  int orientation() const { return m_orientation; }
  bool dragging() const { return m_dragging; }
  bool moving() const { return m_moving; }
  bool keepSelection() const { return m_keepSelection; }
  std::optional<Point> chainPoint() const;
  Point pressPoint() const { return m_p0; }
  Point lastPoint() const { return m_p1; }
  const EditorClipboard& clipboard() const { return m_clipboard; }
  const PopupMenu& lastPopup() const { return m_lastPopup; }
  // What to draw over the schematic: placement outline, rubber line or band, moving texts.
  EditorOverlay overlay() const;

private:
  void switchToDrawingMode(int mode, EditorCursor cursor);
  void press(Point snapped, Point raw);
  void releaseWire(Point r);
  void releasePlacing(Point r);
  void releaseLine(Point r);
  void releaseText(Point raw);
  void releasePort(Point r);
  void releaseSelect(Point r);
  void releaseBlockSelect(Point r);
  void releaseTune(Point r);
  void rightPress(Point snapped, Point raw);
  void editAt(Point snapped, Point raw);
  bool editPortImpedance(int portNumber, int decimals);
  void softSelectMode();
  void finishPlacement();
  void commit(DrawingSnapshot before);
  // Marks the document modified and tells the host the drawing changed.
  void markChanged();
  // After an undo or redo; `tuned` is the component being tuned before it (0 for none).
  void afterRestore(const std::optional<Component>& tuned);
  std::optional<Component> tunedBeforeRestore() const;
  bool selectAt(Point p);
  TextMeasure textMeasure();

  Schematic& m_doc;
  const Environment& m_env;
  EditorHost& m_host;
  Prompts& m_prompts;

  int m_mode = emSelect;
  int m_orientation = 1;
  Point m_p0{};
  Point m_p1{};
  Point m_rawLast{};
  bool m_dragging = false;
  bool m_moving = false;
  bool m_keepSelection = false;
  Point m_chain = kNoPoint;
  bool m_ignoreNextPress = false;
  bool m_modified = false;
  std::optional<Point> m_outline;              // where the placement outline is shown
  std::optional<DrawingSnapshot> m_dragBefore; // state at the press that may start a drag
  EditorClipboard m_clipboard;
  UndoHistory m_history;
  PopupMenu m_lastPopup;
  int m_tuned = 0;       // component chosen for live tuning
  int m_tuneUndoFor = 0; // component whose steps the newest undo step already covers
  TuneStep m_tuneStep = TuneStep::E12;
};

} // namespace norvane
