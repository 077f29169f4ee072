#pragma once
// The "Print Preview" window: a reduced image of the printer page with the
// schematic or the graph window's display (graph, chart or data list), the print scale, the
// printer setup, and printing. While it is open the screen colours are the printer colours.

#include "editor/paintscale.h"
#include "graph/printgeometry.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <string>

class QPagedPaintDevice;
class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QRect;

namespace norvane {

struct Schematic;
struct Environment;
class GraphWindow;
class PreviewPage;
class Prompts;

enum class PrintContent { Schematic, Graph };

// The file dialog filter of PDF output.
inline constexpr const char* kPdfFileFilter = "PDF files (*.pdf)|*.pdf|All files (*.*)|*.*";

class PrintPreview : public QDialog
{
  Q_OBJECT
public:
  PrintPreview(Schematic& doc, Environment& env, GraphWindow& graph, Prompts& prompts,
               QWidget* parent = nullptr);
  ~PrintPreview() override;

  void setContent(PrintContent content);
  // Sets the print scale at which the content fills the page (done on every opening).
  void fitToPage();
  PrintContent content() const { return m_content; }
  // Opens the window modally on the content; returns when it is closed.
  void openOn(PrintContent content);

  // ---- The four buttons --------------------------------------------------------------------
  // Prints one page (the data list may need several print jobs); returns the number of print
  // jobs (pages of a file) made, 0 when the printer could not be opened.
  int print();
  // The same pages as a PDF file at `path` (on the printer's paper), without a printer;
  // false, after a message, when it could not be written (a previous file is then kept).
  bool exportPdf(const std::string& path);
  void reduceScale();
  void increaseScale();
  void printerSetup();

  QPrinter& printer() { return *m_printer; }
  int printScale() const { return m_scale.value(); }
  // The preview geometry of the current page area size and printer page.
  PreviewGeometry previewGeometry() const;
  bool coloursExchanged() const { return m_exchanged; }
  QPushButton* button(int index) const; // 0 Print .. 3 Printer Setup
  // "Print scale: s dots per screen pixel (p % of screen size)", beside the buttons.
  QString scaleText() const;
  QWidget* pageArea() const;

  // What goes on a page: the main window's caption and font name.
  std::string mainCaption() const;
  std::string mainFontName() const;
  // Paints the preview of the current content into a window area of the given size.
  void paintPreview(QPainter& painter, int width, int height);

protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  void exchangeColours(bool toPrinter);
  void showScale();
  // Where the schematic goes on a page of W × H printer pixels: its drawing (not the empty
  // sheet around it) at the print scale, from the page's margins.
  static QRect schematicRoom(int W, int H);
  PaintScale schematicPlacement(int W, int H) const;
  // Draws the content's pages on a started painter; returns the number of print jobs (or
  // pages of a file).
  int printPages(QPainter& painter, QPagedPaintDevice& device, int resolution, bool toFile);
  bool listShown() const;

  Schematic& m_doc;
  Environment& m_env;
  GraphWindow& m_graph;
  Prompts& m_prompts;
  std::unique_ptr<QPrinter> m_printer;
  PrintScale m_scale;
  PrintContent m_content = PrintContent::Schematic;
  bool m_exchanged = false;
  int m_lastPageCount = 0;
  PreviewPage* m_page = nullptr;
  QPushButton* m_buttons[4] = {};
  QLabel* m_scaleLabel = nullptr;
};

} // namespace norvane
