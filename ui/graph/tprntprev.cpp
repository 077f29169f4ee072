#include "graph/tprntprev.h"

#include "config/environment.h"
#include "document/schema.h"
#include "editor/schematicpainter.h"
#include "graph/graphdrawingarea.h"
#include "graph/printcolours.h"
#include "graph/printpages.h"
#include "graph/tgraphwin.h"
#include "latin1text.h"
#include "platform/prompts.h"
#include "qtcanvas.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace norvane {

// The white page with its shadow, painted by the preview window.
class PreviewPage : public QWidget
{
public:
  explicit PreviewPage(TPrntPrev& owner, QWidget* parent) : QWidget(parent), m_owner(owner)
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
  TPrntPrev& m_owner;
};

namespace {

constexpr Color kShadowGrey = colors::grey;

} // namespace

TPrntPrev::TPrntPrev(Tschema& doc, TenvironmentProps& env, TGraphwin& graph, Prompts& prompts,
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
  buttons->addStretch();
  connect(m_buttons[0], &QPushButton::clicked, this, [this] { print(); });
  connect(m_buttons[1], &QPushButton::clicked, this, &TPrntPrev::reduceScale);
  connect(m_buttons[2], &QPushButton::clicked, this, &TPrntPrev::increaseScale);
  connect(m_buttons[3], &QPushButton::clicked, this, &TPrntPrev::printerSetup);

  m_page = new PreviewPage(*this, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(m_page, 1);
  resize(600, 520);
}

TPrntPrev::~TPrntPrev()
{
  // Never leave the environment with the printer colours in the screen keys.
  if (m_exchanged) exchangePrintColours(m_env);
}

QPushButton* TPrntPrev::button(int index) const
{
  return m_buttons[std::clamp(index, 0, 3)];
}

QWidget* TPrntPrev::pageArea() const
{
  return m_page;
}

void TPrntPrev::setContent(PrintContent content)
{
  m_content = content;
  m_page->update();
}

void TPrntPrev::openOn(PrintContent content)
{
  setContent(content);
  // Centred on the screen.
  if (const QScreen* screen = QApplication::primaryScreen()) {
    const QRect s = screen->availableGeometry();
    move(s.left() + (s.width() - width()) / 2, s.top() + (s.height() - height()) / 2);
  }
  exec();
}

void TPrntPrev::reduceScale()
{
  m_scale.reduce();
  m_page->update();
}

void TPrntPrev::increaseScale()
{
  m_scale.increase();
  m_page->update();
}

void TPrntPrev::printerSetup()
{
  QPageSetupDialog dialog(m_printer.get(), this);
  dialog.exec();
  m_page->update();
}

void TPrntPrev::exchangeColours(bool toPrinter)
{
  if (toPrinter == m_exchanged) return;
  exchangePrintColours(m_env);
  m_exchanged = toPrinter;
}

void TPrntPrev::showEvent(QShowEvent* event)
{
  exchangeColours(true);
  QDialog::showEvent(event);
}

void TPrntPrev::hideEvent(QHideEvent* event)
{
  QDialog::hideEvent(event);
  exchangeColours(false);
  // Both windows show their screen colours again.
  if (m_graph.links().repaintSchematic) m_graph.links().repaintSchematic();
  m_graph.repaintPlot();
}

std::string TPrntPrev::mainCaption() const
{
  if (const QWidget* main = m_graph.links().mainWindow) return fromQt(main->windowTitle());
  return "Norvane - " + m_env.filename;
}

std::string TPrntPrev::mainFontName() const
{
  if (const QWidget* main = m_graph.links().mainWindow) return fromQt(main->font().family());
  return fromQt(QApplication::font().family());
}

bool TPrntPrev::listShown() const
{
  return m_doc.plotformat == plotformat::DataList;
}

PreviewGeometry TPrntPrev::previewGeometry() const
{
  return norvane::previewGeometry(m_printer->width(), m_printer->height(), m_page->width(),
                                  m_page->height());
}

void TPrntPrev::paintPreview(QPainter& painter, int width, int height)
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
  canvas.setFont({mainFontName(), previewFontSize(s, f), colors::black, false});
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
    PaintSchematic(canvas, m_doc, m_env, PaintScale{W / 10 / s, H / 10 / s, s, f}, options);
    canvas.setFont({mainFontName(), previewFontSize(s, f), colors::black, false});
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

int TPrntPrev::print()
{
  QApplication::setOverrideCursor(Qt::WaitCursor);
  QPainter painter;
  if (!painter.begin(m_printer.get())) {
    QApplication::restoreOverrideCursor();
    m_prompts.error("The printer could not be opened");
    return 0;
  }
  int jobs = 1;
  {
    const int s = m_scale.value();
    const int W = m_printer->width();
    const int H = m_printer->height();
    QtCanvas canvas(painter, m_printer->resolution());
    canvas.setPen({colors::black, s, PenStyle::Solid, PenMode::Copy});
    canvas.setFont({mainFontName(), printerFontSize(s, logicalDpiY(), m_printer->resolution()),
                    colors::black, false});
    canvas.setBrushStyle(BrushStyle::Clear);
    if (m_content == PrintContent::Schematic) {
      SchematicPaintOptions options;
      options.fontName = mainFontName();
      options.allowGrid = false;
      const Font font = canvas.font();
      PaintSchematic(canvas, m_doc, m_env, PaintScale{W / 10 / s, H / 10 / s, s, 1}, options);
      canvas.setFont(font);
      canvas.setBrushStyle(BrushStyle::Clear);
      if (font.size >= 1) canvas.textOut(W / 20, H / 20, mainCaption());
    } else {
      GraphPageRequest r;
      r.pageWidth = W;
      r.pageHeight = H;
      const IntRect area = m_graph.plotArea()->area();
      r.boxWidth = s * area.width;
      r.boxHeight = s * area.height;
      r.caption = mainCaption();
      if (listShown()) {
        // A file cannot take a second print job without losing the first: its continuation
        // goes on a new page of the same file. A printer gets a new job as usual.
        const bool toFile = !m_printer->outputFileName().isEmpty();
        drawDataListPage(canvas, r, m_graph.core().dataListRows(), [&] {
          ++jobs;
          if (toFile) {
            m_printer->newPage();
          } else {
            painter.end();
            painter.begin(m_printer.get());
          }
        });
      } else {
        drawGraphPage(canvas, m_graph.core(), r);
      }
    }
  }
  painter.end();
  QApplication::restoreOverrideCursor();
  return jobs;
}

} // namespace norvane
