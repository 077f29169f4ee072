// The S-parameter block dialogs load Touchstone files written by the test, show their points,
// and hand them to the document's data set only on OK; the format question dialog.
#include "config/environment.h"
#include "dialogs/componentdialogs.h"
#include "dialogs/realedit.h"
#include "dialogs/sparamblockdialogs.h"
#include "dialogs/sparamfileerrordialog.h"
#include "dialogs_support.h"
#include "document/clearschematic.h"
#include "document/placement.h"
#include "support/scriptedprompts.h"
#include "support/testfolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace norvane {
namespace {

class BlockDialogTest : public ::testing::Test
{
protected:
  BlockDialogTest()
  {
    clearSchematic(*doc, env);
    dialogs.setModalRunner([this](QDialog& dialog) {
      dialog.show();
      auto* block = dynamic_cast<SParamBlockDialog*>(&dialog);
      EXPECT_NE(block, nullptr);
      const bool ok = block != nullptr && script(*block);
      dialog.hide();
      return ok ? QDialog::Accepted : QDialog::Rejected;
    });
  }

  std::string writeFile(const char* name, const char* content)
  {
    const std::string path = scratch.file(name);
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
  }

  static QString cell(const QTableWidget* grid, int row, int col)
  {
    const QTableWidgetItem* item = grid->item(row, col);
    return item ? item->text() : QString();
  }

  Environment env;
  std::unique_ptr<Schematic> doc = std::make_unique<Schematic>();
  ScriptedPrompts prompts;
  ComponentDialogs dialogs{*doc, prompts, nullptr};
  std::function<bool(SParamBlockDialog&)> script;
  testing::TestFolder scratch{"block_dialog"};
};

constexpr const char* kAmplifier = "! a two-port amplifier\n"
                                   "# GHZ S MA R 50\n"
                                   "1 0.5 -90 2.0 45 0.1 10 0.3 -30\n"
                                   "2 0.4 -100 1.8 40 0.1 12 0.35 -35\n";

TEST_F(BlockDialogTest, TwoPortLoadsAFileAndShowsItsGrid)
{
  const int b = placeComponent(*doc, ComponentType::SParam2, 1, {100, 100}).index;
  ASSERT_EQ(doc->drawdat.components[b].value[1].nom, 1);
  prompts.fileNames.push_back(writeFile("amp.s2p", kAmplifier));
  script = [this](SParamBlockDialog& d) {
    EXPECT_EQ(d.windowTitle(), "2 port properties");
    EXPECT_EQ(d.grid()->columnCount(), 9);
    EXPECT_EQ(d.grid()->horizontalHeaderItem(0)->text(), "Freq(Hz)");
    EXPECT_EQ(d.grid()->horizontalHeaderItem(8)->text(), "S22Ang");
    EXPECT_EQ(d.grid()->rowCount(), 0);
    EXPECT_TRUE(d.enabledBox()->isChecked() == doc->drawdat.components[1].value[2].TolEn);
    d.loadButton()->click();
    EXPECT_EQ(d.nameEdit()->text(), "amp.s2p");
    EXPECT_EQ(d.grid()->rowCount(), 2);
    EXPECT_EQ(cell(d.grid(), 0, 0), "1GHz");
    EXPECT_EQ(cell(d.grid(), 0, 1), "0.500");
    EXPECT_EQ(cell(d.grid(), 0, 2), QString::fromUtf8("-90.000°"));
    EXPECT_EQ(cell(d.grid(), 0, 3), "2.000");
    EXPECT_EQ(cell(d.grid(), 0, 4), QString::fromUtf8("45.000°"));
    EXPECT_EQ(cell(d.grid(), 1, 0), "2GHz");
    EXPECT_EQ(cell(d.grid(), 1, 8), QString::fromUtf8("-35.000°"));
    d.nameEdit()->setText("LNA stage");
    if (!d.enabledBox()->isChecked()) d.enabledBox()->click();
    d.magEdit()->selectAll();
    QTest::keyClicks(d.magEdit(), "10");
    d.angEdit()->selectAll();
    QTest::keyClicks(d.angEdit(), "250"); // at most 100 %
    return true;
  };
  ASSERT_TRUE(dialogs.EditComponent(b));
  EXPECT_TRUE(prompts.fileNames.empty());
  const TwoPortDataSet& set = doc->datasets.twoPort[1];
  EXPECT_EQ(set.name, "LNA stage");
  ASSERT_EQ(set.numpoints(), 2);
  EXPECT_EQ(set.points[1].freq, 1e9);
  EXPECT_EQ(set.points[1].s11.mag, 0.5);
  EXPECT_DOUBLE_EQ(set.points[1].s11.ang, -M_PI / 2); // degrees converted exactly
  EXPECT_EQ(set.points[2].s22.mag, 0.35);
  const Component& block = doc->drawdat.components[b];
  EXPECT_EQ(block.value[2].mintol, -10);
  EXPECT_EQ(block.value[2].maxtol, 10);
  EXPECT_EQ(block.value[2].nom, 1);
  EXPECT_TRUE(block.value[2].TolEn);
  EXPECT_TRUE(block.value[2].TolPercent);
  EXPECT_EQ(block.value[3].maxtol, 100);
  EXPECT_TRUE(block.value[3].TolEn);

  // Reopened, the dialog shows the stored set; a file loaded and then cancelled is dropped.
  prompts.fileNames.push_back(
      writeFile("other.s2p", "# MHZ S DB\n100 -6.0206 0 -6.0206 0 -6.0206 0 -6.0206 0\n"));
  script = [this](SParamBlockDialog& d) {
    EXPECT_EQ(d.nameEdit()->text(), "LNA stage");
    EXPECT_EQ(d.grid()->rowCount(), 2);
    EXPECT_EQ(d.magEdit()->text(), "10%");
    d.loadButton()->click();
    EXPECT_EQ(d.grid()->rowCount(), 1);
    EXPECT_EQ(cell(d.grid(), 0, 0), "100MHz");
    EXPECT_EQ(cell(d.grid(), 0, 1), "0.500");
    return false;
  };
  const auto before = std::make_unique<Schematic>(*doc);
  EXPECT_FALSE(dialogs.EditComponent(b));
  EXPECT_TRUE(*doc == *before);
}

TEST_F(BlockDialogTest, TwoPortSaysWhetherItsFileHeldNoiseData)
{
  const int b = placeComponent(*doc, ComponentType::SParam2, 1, {100, 100}).index;
  prompts.fileNames.push_back(writeFile("amp.s2p", kAmplifier));
  prompts.fileNames.push_back(std::string(NORVANE_SOURCE_DIR) + "/examples/nv-lna1.s2p");
  script = [](SParamBlockDialog& d) {
    EXPECT_FALSE(d.noiseLabel()->isHidden());
    EXPECT_EQ(d.noiseLabel()->text(), "Noise data: none");
    d.loadButton()->click();
    EXPECT_EQ(d.noiseLabel()->text(), "Noise data: none");
    d.loadButton()->click();
    EXPECT_EQ(d.noiseLabel()->text(), "Noise data: 9 points");
    return true;
  };
  ASSERT_TRUE(dialogs.EditComponent(b));
  EXPECT_EQ(doc->datasets.twoPort[1].noise.size(), 9u);
}

TEST_F(BlockDialogTest, OnePortKeepsTheFirstParameter)
{
  const int b = placeComponent(*doc, ComponentType::SParam1, 1, {100, 100}).index;
  const int index = static_cast<int>(doc->drawdat.components[b].value[1].nom);
  // No option line: the format question is asked once, here answered with GHz, real/imag.
  prompts.sParameterFormats.push_back({"GHz", false});
  prompts.fileNames.push_back(writeFile("ant.s1p", "1.5 0 1\n2.5 0.5 0\n"));
  script = [](SParamBlockDialog& d) {
    EXPECT_EQ(d.windowTitle(), "S parameter 1 port properties");
    EXPECT_EQ(d.grid()->columnCount(), 3);
    d.loadButton()->click();
    EXPECT_EQ(d.grid()->rowCount(), 2);
    EXPECT_EQ(cell(d.grid(), 0, 0), "1.5GHz");
    EXPECT_EQ(cell(d.grid(), 0, 1), "1.000");
    EXPECT_EQ(cell(d.grid(), 0, 2), QString::fromUtf8("90.000°"));
    d.enabledBox()->setChecked(false);
    EXPECT_FALSE(d.magEdit()->isEnabled());
    return true;
  };
  ASSERT_TRUE(dialogs.EditComponent(b));
  EXPECT_TRUE(prompts.sParameterFormats.empty());
  const OnePortDataSet& set = doc->datasets.onePort[index];
  EXPECT_EQ(set.name, "ant.s1p");
  ASSERT_EQ(set.numpoints(), 2);
  EXPECT_EQ(set.points[1].freq, 1.5e9);
  EXPECT_NEAR(set.points[1].s11.ang, M_PI / 2, 1e-12);
  EXPECT_EQ(set.points[2].s11.mag, 0.5);
  EXPECT_FALSE(doc->drawdat.components[b].value[2].TolEn);
  EXPECT_FALSE(doc->drawdat.components[b].value[3].TolEn);
}

TEST_F(BlockDialogTest, FileDialogFiltersAndUnreadableFiles)
{
  const int b = placeComponent(*doc, ComponentType::SParam2, 1, {100, 100}).index;
  prompts.fileNames.push_back(writeFile("amp.s2p", kAmplifier));
  prompts.fileNames.push_back(scratch.file("missing.s2p"));
  prompts.fileNames.push_back(std::nullopt); // the file dialog cancelled
  script = [](SParamBlockDialog& d) {
    d.loadButton()->click();
    d.loadButton()->click(); // cannot be read: reported, the buffer stays
    EXPECT_EQ(d.grid()->rowCount(), 2);
    EXPECT_EQ(d.nameEdit()->text(), "amp.s2p");
    d.loadButton()->click();
    EXPECT_EQ(d.grid()->rowCount(), 2);
    return true;
  };
  ASSERT_TRUE(dialogs.EditComponent(b));
  EXPECT_EQ(prompts.lastText(), "File not found");
  EXPECT_EQ(doc->datasets.twoPort[1].numpoints(), 2);

  // A block whose index names no data set still edits its tolerances.
  doc->drawdat.components[b].value[1].nom = 77;
  prompts.fileNames.push_back(writeFile("amp.s2p", kAmplifier));
  script = [](SParamBlockDialog& d) {
    EXPECT_EQ(d.grid()->rowCount(), 0);
    d.loadButton()->click();
    return true;
  };
  const auto sets = doc->datasets;
  ASSERT_TRUE(dialogs.EditComponent(b));
  EXPECT_TRUE(doc->datasets == sets);

  EXPECT_NE(std::string(kTwoPortFileFilter).find("All S files(*.s1p;*.s2p;*.d1;*.d2)"),
            std::string::npos);
  EXPECT_NE(std::string(kOnePortFileFilter).find("1 port S parameter files (*.s1p)|*.s1p"),
            std::string::npos);
}

TEST_F(BlockDialogTest, BrokenFilesAreRefusedAndConversionsNoted)
{
  const int b = placeComponent(*doc, ComponentType::SParam2, 1, {100, 100}).index;
  prompts.fileNames.push_back(writeFile("amp.s2p", kAmplifier));
  prompts.fileNames.push_back(writeFile("cut.s2p", "# GHZ S MA R 50\n1 0.5 -90 2.0 45\n"));
  // 25 ohm in series measured between 75 ohm ports (S11 = 1/7, S21 = 6/7) is S11 = 0.2,
  // S21 = 0.8 between 50 ohm ports.
  prompts.fileNames.push_back(
      writeFile("r75.s2p", "# MHZ S RI R 75\n100 0.14285714285714285 0 0.8571428571428571 0 "
                           "0.8571428571428571 0 0.14285714285714285 0\n"));
  script = [this](SParamBlockDialog& d) {
    d.loadButton()->click();
    EXPECT_TRUE(d.noteLabel()->isHidden());
    d.loadButton()->click(); // a data line cut short: refused, the grid keeps the amplifier
    EXPECT_EQ(prompts.lastText(),
              "Line 2: a data line holds 3 numbers (1-port) or 9 (2-port), this one 5; the file "
              "was not read.");
    EXPECT_EQ(d.grid()->rowCount(), 2);
    EXPECT_EQ(d.nameEdit()->text(), "amp.s2p");
    d.loadButton()->click();
    EXPECT_FALSE(d.noteLabel()->isHidden());
    EXPECT_EQ(d.noteLabel()->text(), "Converted from 75 ohm to 50 ohm");
    EXPECT_EQ(d.grid()->rowCount(), 1);
    EXPECT_EQ(cell(d.grid(), 0, 1), "0.200");
    EXPECT_EQ(cell(d.grid(), 0, 3), "0.800");
    return true;
  };
  ASSERT_TRUE(dialogs.EditComponent(b));
  EXPECT_NEAR(doc->datasets.twoPort[1].points[1].s21.mag, 0.8, 1e-15);
  // Opened again, the dialog shows the data with their note: they are still converted.
  script = [](SParamBlockDialog& d) {
    EXPECT_FALSE(d.noteLabel()->isHidden());
    EXPECT_EQ(d.noteLabel()->text(), "Converted from 75 ohm to 50 ohm");
    return false;
  };
  EXPECT_FALSE(dialogs.EditComponent(b));
}

TEST_F(BlockDialogTest, PortCountsMustAgreeAndCutDataAreWarned)
{
  const int two = placeComponent(*doc, ComponentType::SParam2, 1, {100, 100}).index;
  const int one = placeComponent(*doc, ComponentType::SParam1, 1, {300, 100}).index;
  const std::string s1p = writeFile("ant.s1p", "# MHZ S MA R 50\n1 0.5 0\n2 0.4 0\n");
  const std::string d2 = writeFile("amp.d2", "CITIFILE A.01.00\nDATA S[1,1] RI\nDATA S[2,1] RI\n"
                                             "SEG 1E6 2E6 2\nBEGIN\n0.1,0\n0.1,0\nEND\n"
                                             "BEGIN\n2,0\n2,0\nEND\n");
  std::string many = "# HZ S MA R 50\n";
  for (int i = 1; i <= 2001; ++i)
    many += std::to_string(i) + " 0.5 0\n";
  const std::string cut = writeFile("many.s1p", many.c_str());

  // A 1-port file into the 2-port block: refused with the port counts, the grid stays empty.
  prompts.fileNames.push_back(s1p);
  script = [&](SParamBlockDialog& d) {
    d.loadButton()->click();
    EXPECT_EQ(prompts.lastText(), "The file holds 1-port data; a 2-port block needs 2-port data.");
    EXPECT_EQ(d.grid()->rowCount(), 0);
    return true;
  };
  ASSERT_TRUE(dialogs.EditComponent(two));
  EXPECT_FALSE(doc->datasets.twoPort[1].inUse());

  // A 2-port CITIFILE into the 1-port block likewise; a 1-port file of 2001 points is loaded
  // with a warning naming where the data were cut.
  prompts.fileNames.push_back(d2);
  prompts.fileNames.push_back(cut);
  script = [&](SParamBlockDialog& d) {
    d.loadButton()->click();
    EXPECT_EQ(prompts.lastText(), "The file holds 2-port data; a 1-port block needs 1-port data.");
    EXPECT_EQ(d.grid()->rowCount(), 0);
    d.loadButton()->click();
    EXPECT_EQ(prompts.messages.back().kind, ScriptedPrompts::Kind::Warning);
    EXPECT_EQ(prompts.lastText(), "The file holds more than 1999 points; only the first 1999 "
                                  "were read: the data were cut at 1.999kHz.");
    EXPECT_EQ(d.grid()->rowCount(), 1999);
    return true;
  };
  ASSERT_TRUE(dialogs.EditComponent(one));
  const int set = static_cast<int>(doc->drawdat.components[one].value[1].nom);
  EXPECT_EQ(doc->datasets.onePort[set].numpoints(), 1999);
}

TEST(SParameterFormatDialog, PresetAndChoice)
{
  SParamFileErrorDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), "S parameter File Error");
  ASSERT_EQ(dialog.unitsBox()->count(), 5);
  EXPECT_EQ(dialog.unitsBox()->itemText(0), "Hz");
  EXPECT_EQ(dialog.unitsBox()->itemText(4), "THz");
  EXPECT_EQ(dialog.unitsBox()->currentText(), "MHz");
  EXPECT_TRUE(dialog.magnitudeAngleButton()->isChecked());
  EXPECT_EQ(dialog.choice().units, "MHz");
  EXPECT_TRUE(dialog.choice().magnitudeAngle);

  dialog.unitsBox()->setCurrentText("kHz");
  dialog.realImaginaryButton()->click();
  EXPECT_EQ(dialog.choice().units, "kHz");
  EXPECT_FALSE(dialog.choice().magnitudeAngle);

  dialog.preset({"nonsense", true});
  EXPECT_EQ(dialog.choice().units, "MHz");
  EXPECT_TRUE(dialog.choice().magnitudeAngle);

  // Shown modally by the desktop prompts: OK returns the choice.
  QTimer::singleShot(0, [] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* d = qobject_cast<SParamFileErrorDialog*>(w); d && d->isVisible()) {
        d->unitsBox()->setCurrentText("GHz");
        d->accept();
      }
    }
  });
  const SParameterFormatChoice chosen = askSParameterFormat(nullptr);
  EXPECT_EQ(chosen.units, "GHz");
  EXPECT_TRUE(chosen.magnitudeAngle);
}

} // namespace
} // namespace norvane
