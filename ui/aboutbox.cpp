#include "aboutbox.h"

#include "common/brandpicture.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace norvane {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
  setWindowTitle(tr("About Norvane"));
  setObjectName("AboutBox");
  auto* picture = new QLabel(this);
  // Drawn at the screen's own density, so a high-density screen shows it sharp.
  const qreal ratio = devicePixelRatioF();
  QImage image = brandPicture(QSize(400, 200) * ratio);
  image.setDevicePixelRatio(ratio);
  picture->setPixmap(QPixmap::fromImage(image));
  auto* text =
      new QLabel(tr("<p><b>Norvane %1</b></p>"
                    "<p>Linear small-signal analysis of RF circuits: draw the schematic, press "
                    "Simulate and read S11, S21, S12 and S22 as traces, Smith and polar charts, "
                    "tables and S-parameter files.</p>")
                     .arg(NORVANE_VERSION),
                 this);
  text->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture);
  layout->addWidget(text);
  layout->addWidget(buttons);
  setFixedWidth(sizeHint().width());
}

} // namespace norvane
