#include "aboutbox.h"

#include "brandpicture.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace norvane {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
  setWindowTitle(tr("About Norvane"));
  setObjectName("AboutBox");
  auto* picture = new QLabel(this);
  picture->setPixmap(QPixmap::fromImage(brandPicture(QSize(400, 200))));
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
