#include "graph/printpreview.h"

#include "common/latin1text.h"
#include "common/qtcanvas.h"
#include "config/environment.h"
#include "document/atomicwrite.h"
#include "document/schematic.h"
#include "editor/drawingbounds.h"
#include "editor/schematicpainter.h"
#include "graph/graphdrawingarea.h"
#include "graph/graphwindow.h"
#include "graph/printcolours.h"
#include "graph/printpages.h"
#include "platform/prompts.h"

#include <QApplication>
#include <QBuffer>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <filesystem>
#include <optional>

namespace norvane {

// The white page with its shadow, painted by the preview window.
class PreviewPage : public QWidget
{
public:
  explicit PreviewPage(PrintPreview& owner, QWidget* parent) : QWidget(parent), m_owner(owner)
  {
    setMinimumSize(200, 200);
  }

protected:
  void paintEvent(QPaintEvent*) override
  {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    m_owner.paintPreview(p, width(), height());
  }

private:
  PrintPreview& m_owner;
};

namespace {

constexpr Color kShadowGrey = colors::grey;

// Where the schematic lies on its sheet, in drawing units, with texts measured as the screen
// draws them in the font the page is printed with; empty for an empty sheet. The sheet is
// mostly empty: printing the whole of it would squeeze a small circuit into a corner of the
// page.
QRect drawnBounds(const Schematic& doc, const Environment& env, const std::string& fontName,
                  int screenDpi)
{
  QImage scratch(1, 1, QImage::Format_RGB32);
  QPainter painter(&scratch);
  QtCanvas canvas(painter, screenDpi);
  const FontTextMeasure measure = [&canvas](const Font& font, const std::string& text) {
    canvas.setFont(font);
    return canvas.textExtent(text);
  };
  const std::optional<DrawingBox> box = drawingBounds(doc, env, PaintScale{}, measure, fontName);
  if (!box) return {};
  return QRect(box->left, box->top, std::max(1, box->width()), std::max(1, box->height()));
}

} // namespace

PrintPreview::PrintPreview(Schematic& doc, Environment& env, GraphWindow& graph, Prompts& prompts,
                           QWidget* parent)
    : QDialog(parent), m_doc(doc), m_env(env), m_graph(graph), m_prompts(prompts),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
  setWindowTitle("Print Preview");
  setModal(true);
  auto* panel = new QWidget(this);
  auto* buttons = new QHBoxLayout(panel);
  buttons->setContentsMargins(4, 4, 4, 4);
  const char* const captions[4] = {"Print", "Reduce Print Scale", "Increase Print Scale",
                                   "Printer Setup"};
  for (int i = 0; i < 4; ++i) {
    m_buttons[i] = new QPushButton(captions[i], panel);
    m_buttons[i]->setAutoDefault(false);
    buttons->addWidget(m_buttons[i]);
  }
  // The scale in figures: the buttons double and halve it, the page shows what it means.
  m_scaleLabel = new QLabel(panel);
  buttons->addWidget(m_scaleLabel);
  buttons->addStretch();
  connect(m_buttons[0], &QPushButton::clicked, this, [this] { print(); });
  connect(m_buttons[1], &QPushButton::clicked, this, &PrintPreview::reduceScale);
  connect(m_buttons[2], &QPushButton::clicked, this, &PrintPreview::increaseScale);
  connect(m_buttons[3], &QPushButton::clicked, this, &PrintPreview::printerSetup);

  m_page = new PreviewPage(*this, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(m_page, 1);
  resize(600, 520);
  showScale();
}

PrintPreview::~PrintPreview()
{
  // Never leave the environment with the printer colours in the screen keys.
  if (m_exchanged) exchangePrintColours(m_env);
}

QPushButton* PrintPreview::button(int index) const
{
  return m_buttons[std::clamp(index, 0, 3)];
}

QString PrintPreview::scaleText() const
{
  return m_scaleLabel->text();
}

QWidget* PrintPreview::pageArea() const
{
  return m_page;
}

void PrintPreview::setContent(PrintContent content)
{
  m_content = content;
  showScale();
}

void PrintPreview::showScale()
{
  // The number is printer dots per screen pixel; the percentage says what that makes of the
  // picture on paper (100 % is the size it has on the monitor).
  m_scaleLabel->setText(
      QString("Print scale: %1 dots per screen pixel (%2 % of screen size)")
          .arg(m_scale.value())
          .arg(printScalePercent(m_scale.value(), logicalDpiY(), m_printer->resolution())));
  m_page->update();
}

QRect PrintPreview::schematicRoom(int W, int H)
{
  // A twentieth of the page free at the sides and the foot; the caption stands at a twentieth
  // from the top, the drawing starts a tenth down.
  return QRect(W / 20, H / 10, W - 2 * (W / 20), H - H / 10 - H / 20);
}

PaintScale PrintPreview::schematicPlacement(int W, int H) const
{
  // The drawing, not the sheet's origin, goes to the page's margin; centred across the
  // page when its height is what limits the scale.
  const int s = m_scale.value();
  const QRect room = schematicRoom(W, H);
  const QRect drawn = drawnBounds(m_doc, m_env, mainFontName(), logicalDpiY());
  if (drawn.isEmpty()) return PaintScale{W / 10 / s, H / 10 / s, s, 1};
  const int spare = std::max(0, room.width() - s * drawn.width());
  return PaintScale{(room.left() + spare / 2) / s - drawn.left(), room.top() / s - drawn.top(), s,
                    1};
}

void PrintPreview::fitToPage()
{
  // The print scale at which the content fills the page (within its margins), so the
  // preview opens on a page that shows it at a useful size.
  const int W = m_printer->width();
  const int H = m_printer->height();
  if (m_content == PrintContent::Schematic) {
    const QRect drawn = drawnBounds(m_doc, m_env, mainFontName(), logicalDpiY());
    const QRect room = schematicRoom(W, H);
    m_scale.set(drawn.isEmpty() ? 1
                                : fittingPrintScale(drawn.width(), drawn.height(), room.width(),
                                                    room.height()));
  } else if (listShown()) {
    // Life size: the list's 8-point font, whose nine columns fit across the page.
    const int screenDpi = std::max(1, logicalDpiY());
    m_scale.set((m_printer->resolution() + screenDpi - 1) / screenDpi);
  } else {
    // The graph box across the page's width; the page layout cuts it to the room its texts
    // leave beside and below it.
    m_scale.set(fillingGraphScale(m_graph.plotArea()->area().width, W));
  }
  showScale();
}

void PrintPreview::openOn(PrintContent content)
{
  setContent(content);
  fitToPage();
  // Centred on the screen, and tall enough for a page that can be read: the reduction is a
  // power of two, so a small window shows the page at a fraction of its size.
  if (const QScreen* screen = QApplication::primaryScreen()) {
    const QRect s = screen->availableGeometry();
    const int tall = std::max(520, s.height() * 17 / 20);
    resize(std::min(std::max(600, tall * 3 / 4), s.width()), std::min(tall, s.height()));
    move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 2);
  }
  exec();
}

void PrintPreview::reduceScale()
{
  m_scale.reduce();
  showScale();
}

void PrintPreview::increaseScale()
{
  m_scale.increase();
  showScale();
}

void PrintPreview::printerSetup()
{
  QPageSetupDialog dialog(m_printer.get(), this);
  dialog.exec();
  m_page->update();
}

void PrintPreview::exchangeColours(bool toPrinter)
{
  if (toPrinter == m_exchanged) return;
  exchangePrintColours(m_env);
  m_exchanged = toPrinter;
}

void PrintPreview::showEvent(QShowEvent* event)
{
  exchangeColours(true);
  QDialog::showEvent(event);
}

void PrintPreview::hideEvent(QHideEvent* event)
{
  QDialog::hideEvent(event);
  exchangeColours(false);
  // Both windows show their screen colours again.
  if (m_graph.links().repaintSchematic) m_graph.links().repaintSchematic();
  m_graph.repaintPlot();
}

std::string PrintPreview::mainCaption() const
{
  // Without the placeholder where the window shows its modified state.
  if (const QWidget* main = m_graph.links().mainWindow)
    return fromQt(QString(main->windowTitle()).remove("[*]"));
  return "Norvane - " + m_env.filename;
}

std::string PrintPreview::mainFontName() const
{
  if (const QWidget* main = m_graph.links().mainWindow) return fromQt(main->font().family());
  return fromQt(QApplication::font().family());
}

bool PrintPreview::listShown() const
{
  return m_doc.plotformat == plotformat::DataList;
}

PreviewGeometry PrintPreview::previewGeometry() const
{
  return norvane::previewGeometry(m_printer->width(), m_printer->height(), m_page->width(),
                                  m_page->height());
}

void PrintPreview::paintPreview(QPainter& painter, int width, int height)
{
  const int W = m_printer->width();
  const int H = m_printer->height();
  const PreviewGeometry g = norvane::previewGeometry(W, H, width, height);
  const int f = g.reduction;
  const int s = m_scale.value();
  const IntRect page = g.page;

  QtCanvas canvas(painter, logicalDpiY());
  canvas.setBrush({kShadowGrey, BrushStyle::Solid});
  canvas.fillRect(g.shadowRight.left, g.shadowRight.top, g.shadowRight.right(),
                  g.shadowRight.bottom());
  canvas.fillRect(g.shadowBottom.left, g.shadowBottom.top, g.shadowBottom.right(),
                  g.shadowBottom.bottom());
  canvas.setBrush({colors::white, BrushStyle::Solid});
  canvas.fillRect(page.left, page.top, page.right(), page.bottom());
  const int fontPoints = previewPageFontPoints(s, f, logicalDpiY(), m_printer->resolution());
  canvas.setFont({mainFontName(), fontPoints, colors::black, false});
  canvas.setPen({colors::black, s, PenStyle::Solid, PenMode::Copy});
  canvas.setBrushStyle(BrushStyle::Clear);

  // Nothing may spill over the page edge into the shadow or the window.
  painter.save();
  painter.setClipRect(page.left, page.top, page.width, page.height);
  if (m_content == PrintContent::Schematic) {
    // The printed layout, every length divided by f.
    painter.translate(page.left, page.top);
    SchematicPaintOptions options;
    options.fontName = mainFontName();
    options.allowGrid = false;
    PaintScale placement = schematicPlacement(W, H);
    placement.den = f;
    paintSchematic(canvas, m_doc, m_env, placement, options);
    canvas.setFont({mainFontName(), fontPoints, colors::black, false});
    canvas.setBrushStyle(BrushStyle::Clear);
    if (canvas.font().size >= 1) canvas.textOut(page.width / 20, page.height / 20, mainCaption());
  } else {
    GraphPageRequest r;
    r.pageWidth = page.width;
    r.pageHeight = page.height;
    const IntRect area = m_graph.plotArea()->area();
    r.boxWidth = previewBoxLength(area.width, page.width, s, W);
    r.boxHeight = previewBoxLength(area.height, page.height, s, H);
    r.originX = page.left;
    r.originY = page.top;
    r.caption = mainCaption();
    if (listShown())
      drawDataListPage(canvas, r, m_graph.core().dataListRows(), nullptr);
    else
      drawGraphPage(canvas, m_graph.core(), r);
  }
  painter.restore();
}

int PrintPreview::print()
{
  if (m_printer->outputFormat() == QPrinter::PdfFormat && m_printer->outputFileName().isEmpty()) {
    // No printer is installed (Qt then offers only its PDF writer): print to a file instead
    // of failing to open a printer that is not there.
    const auto name = m_prompts.saveFileName("Print to File", kPdfFileFilter, "*.pdf");
    if (!name || name->empty()) return 0;
    std::string path = *name;
    if (std::filesystem::path(path).extension().empty()) path += ".pdf";
    return exportPdf(path) ? m_lastPageCount : 0;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QPainter painter;
  if (!painter.begin(m_printer.get())) {
    QApplication::restoreOverrideCursor();
    m_prompts.error("The printer could not be opened");
    return 0;
  }
  // A file cannot take a second print job without losing the first: its continuation goes
  // on a new page of the same file. A printer gets a new job as usual.
  const bool toFile = !m_printer->outputFileName().isEmpty();
  const int jobs = printPages(painter, *m_printer, m_printer->resolution(), toFile);
  painter.end();
  QApplication::restoreOverrideCursor();
  return jobs;
}

bool PrintPreview::exportPdf(const std::string& path)
{
  QApplication::setOverrideCursor(Qt::WaitCursor);
  // The pages the printer would get, on the printer's paper and resolution, made in memory
  // and then written in one piece: a failed write leaves any previous file as it was.
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  int pages = 0;
  // In the printer colours, as the preview shows them.
  const bool wasExchanged = m_exchanged;
  exchangeColours(true);
  {
    QPdfWriter writer(&pdf);
    writer.setPageLayout(m_printer->pageLayout());
    writer.setResolution(m_printer->resolution());
    writer.setCreator("Norvane");
    writer.setTitle(toQt(mainCaption()));
    QPainter painter;
    if (painter.begin(&writer)) {
      pages = printPages(painter, writer, writer.resolution(), true);
      painter.end();
    }
  }
  exchangeColours(wasExchanged);
  m_lastPageCount = pages;
  QApplication::restoreOverrideCursor();
  if (pages == 0 || pdf.data().isEmpty()) {
    m_prompts.error("The PDF file could not be made");
    return false;
  }
  const FileResult written =
      writeFileAtomically(path, std::string_view(pdf.data().constData(), pdf.data().size()));
  if (!written) {
    m_prompts.error(written.error);
    return false;
  }
  return true;
}

int PrintPreview::printPages(QPainter& painter, QPagedPaintDevice& device, int resolution,
                             bool toFile)
{
  int jobs = 1;
  const int s = m_scale.value();
  const int W = device.width();
  const int H = device.height();
  QtCanvas canvas(painter, resolution);
  canvas.setPen({colors::black, s, PenStyle::Solid, PenMode::Copy});
  canvas.setFont(
      {mainFontName(), pageFontPoints(s, logicalDpiY(), resolution), colors::black, false});
  canvas.setBrushStyle(BrushStyle::Clear);
  if (m_content == PrintContent::Schematic) {
    SchematicPaintOptions options;
    options.fontName = mainFontName();
    options.allowGrid = false;
    const Font font = canvas.font();
    paintSchematic(canvas, m_doc, m_env, schematicPlacement(W, H), options);
    canvas.setFont(font);
    canvas.setBrushStyle(BrushStyle::Clear);
    if (font.size >= 1) canvas.textOut(W / 20, H / 20, mainCaption());
    return jobs;
  }
  GraphPageRequest r;
  r.pageWidth = W;
  r.pageHeight = H;
  const IntRect area = m_graph.plotArea()->area();
  r.boxWidth = s * area.width;
  r.boxHeight = s * area.height;
  r.caption = mainCaption();
  if (listShown()) {
    drawDataListPage(canvas, r, m_graph.core().dataListRows(), [&] {
      ++jobs;
      if (toFile) {
        device.newPage();
      } else {
        painter.end();
        painter.begin(&device);
      }
    });
  } else {
    drawGraphPage(canvas, m_graph.core(), r);
  }
  return jobs;
}

} // namespace norvane
