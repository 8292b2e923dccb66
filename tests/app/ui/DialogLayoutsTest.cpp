// Every dialog of the program, built by the Qt runner off screen in several fonts and
// checked by geometry: no two controls on one surface overlap (a group box holds controls
// clear of its frame and title), every control lies inside its dialog or page, and every
// text has the room it needs. With VELARION_DIALOG_PICTURES set, each dialog's picture (one
// per page) is written to that folder for a person to look at.
#include "AboutForm.h"
#include "CityList.h"
#include "ColorParam.h"
#include "ColorSchemesSelect.h"
#include "CommInfoForm.h"
#include "ConNamesOptions.h"
#include "ConsoleParamForm.h"
#include "Cp1251.h"
#include "DeepFindForm.h"
#include "EditCity.h"
#include "EditDms.h"
#include "EphemerisWizard.h"
#include "EquatorialGrid.h"
#include "FindForm.h"
#include "GridSetupForm.h"
#include "GroupModesDialog.h"
#include "InstallForm.h"
#include "ObjectPathsForm.h"
#include "ParSet.h"
#include "PlanetOptionsDialog.h"
#include "QtDialogs.h"
#include "RiseSetDialog.h"
#include "SavePictureForm.h"
#include "SaveStateForm.h"
#include "SetAutoRParams.h"
#include "SetAzimuthAngle.h"
#include "SetDateTimeForm.h"
#include "SetEquPoint.h"
#include "SetHorPoint.h"
#include "SetRotAngleForm.h"
#include "SetZoomForm.h"
#include "SkyObj.h"
#include "SolarForm.h"
#include "StarOptionsDialog.h"
#include "StarSearchDialog.h"
#include "StdGroup.h"
#include "ViewCity.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace velarion {
namespace {

using velplatform::Cp1251;
using velplatform::TDialogLayout;
using velplatform::TDialogLogic;
using velplatform::TWindowHandle;

// Each dialog opened the way the program opens it, with values a user meets.
struct TDialogCase {
  std::string name;
  std::function<void()> open;
};

void PrintTo(const TDialogCase& dialog, std::ostream* out) { *out << dialog.name; }

std::filesystem::path CityFile() {
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() / "velarion-dialog-layouts-city.dat";
  ui::TCityList({{Cp1251("Петропавловск-Камчатский"), 158.65, 53.0167, 12.0}}).Save(file);
  return file;
}

void OpenParameters() {
  sky::TSkyImage image;
  ui::TConfiguration configuration;
  ui::ShowParamForm(0, image, configuration,
                    {{"DejaVu Sans", "DejaVu Math TeX Gyre"}, {"DejaVu Serif", "Symbol"}},
                    "city.dat");  // read only when the city list is asked for
}

void OpenColourSchemes() {
  sky::TColorSchemes schemes;
  schemes.screen = {std::make_shared<sky::TColorScheme>(Cp1251("Ночная"), false)};
  schemes.printer = {std::make_shared<sky::TColorScheme>(Cp1251("Чёрно-белая"), true)};
  sky::TSkyImage image;
  image.SetColorSchemes(schemes.screen[0], schemes.printer[0]);
  ui::ShowColorSchemesSelect(0, schemes, image);
}

void OpenSaveState() {
  const ui::TSaveStateSetup setup{"/home/user/.velarion/state0.vls",
                                  "/home/user/.velarion/default.vls",
                                  {false, true, true, false, false, false, true},
                                  60310.5,
                                  3.0};
  ui::TSaveStateForm form(0, setup, [](const ui::TSaveStateChoice&) { return true; });
  velplatform::RunDialog(0, ui::TSaveStateForm::Layout(), form);
}

void OpenSavePicture() {
  ui::TSavePictureForm form(0, {"/home/user/.velarion/", 0, 1280, 720});
  velplatform::RunDialog(0, ui::TSavePictureForm::Layout(), form);
}

void OpenGroupModes() {
  groups::TStdGroup group(kit::MakeGroup<catalogues::TEquatorialGrid>());
  groups::TGroupListElement element(false);
  element.SetGroup(group);
  ui::ChooseGroupModes(0, element);
}

// The ephemeris and path windows with one object listed, as they show for a planet.
class TLayoutHosts final : public ui::TEphemerisHost, public ui::TPathsHost {
 public:
  std::vector<ui::TMenuObject> SelectedObjects() override { return {Mars()}; }
  std::vector<ui::TMenuObject> ChooseSelected() override { return {}; }
  double ViewLocalMjd() const override { return 60310.5; }
  double TimeZoneHours() const override { return 3.0; }
  bool WriteGroupTable(const std::vector<ui::TMenuObject>&,
                       const ephemeris::TColumnChoice&) override {
    return true;
  }
  bool WritePeriodTable(const ui::TMenuObject&, const ephemeris::TPeriod&,
                        const ephemeris::TColumnChoice&) override {
    return true;
  }
  bool ComputePath(const ui::TPathEntry&, const paths::TTimeSpan&) override { return true; }
  void RemovePath(const ui::TPathEntry&) override {}
  bool PathsFirst() const override { return false; }
  void SetPathsFirst(bool) override {}
  static ui::TMenuObject Mars() { return {{nullptr, 4}, Cp1251("Марс"), true}; }
};

void OpenEphemerides() {
  TLayoutHosts host;
  std::vector<ui::TMenuObject> listed{TLayoutHosts::Mars()};
  ui::TEphemerisWizard wizard(host, listed, ui::TEphemerisPage::kKind);
  velplatform::RunDialog(0, ui::TEphemerisWizard::Layout(), wizard);
}

void OpenObjectPaths() {
  TLayoutHosts host;
  std::vector<ui::TPathEntry> entries{ui::NewPathEntry(TLayoutHosts::Mars(), 60310.5)};
  ui::TObjectPathsForm form(host, entries);
  velplatform::RunDialog(0, ui::TObjectPathsForm::Layout(), form);
}

void OpenDeepSkySearch() {
  auto file = catalogues::TDeepSkyFile::FromPath(VELARION_DATA_DIR "/DEEPSKY.DAT");
  ASSERT_TRUE(file);
  catalogues::TDeepFindForm form(file.Value());
  velplatform::RunDialog(0, catalogues::TDeepFindForm::Layout(), form);
}

void OpenInstaller() {
  ui::TInstallForm form({"/opt/velarion", "/home/user/.local/share/velarion",
                         install::TXdgPlaces{"/home/user/.local/share"}});
  velplatform::RunDialog(0, ui::TInstallForm::Layout(), form);
}

std::vector<TDialogCase> Dialogs() {
  return {
      {"About", [] { ui::ShowAboutForm(0); }},
      {"CommonInformation",
       [] {
         ui::ShowCommInfo(0, {61020.75, 3.0, 69.2 / 86400.0, 21.5, -122.42, 37.77});
       }},
      {"ColourScheme",
       [] {
         sky::TColorScheme scheme(Cp1251("Ночная"), false);
         ui::ShowColorParam(0, scheme);
       }},
      {"ColourSchemes", OpenColourSchemes},
      {"CityEditor",
       [] {
         ui::ShowEditCityData(0, ui::TCityEntry{Cp1251("Москва"), 37.6156, 55.7522, 3.0});
       }},
      {"Degrees", [] { ui::EditDMS(0, -23.4392, 0, 1); }},
      {"Hours", [] { ui::EditDMS(0, 17.7611, 1, 2); }},
      {"Moment", [] { ui::EditDMS(0, 60310.5, 3, 5); }},
      {"Grids",
       [] {
         sky::TSkyImage sky;
         ui::ShowGridSetupForm(0, sky);
       }},
      {"Parameters", OpenParameters},
      {"AutoRotation", [] { ui::ShowSetAutoRParams(0, {}, ui::TAutoRotation{}, {}); }},
      {"Rotation",
       [] {
         sky::TSkyImage sky;
         ui::ShowSetAzimuthAngle(0, {}, sky, {});
       }},
      {"DateTime",
       [] {
         sky::TSkyImage sky;
         ui::ShowSetDateTimeForm(0, {}, sky, {});
       }},
      {"EquatorialPoint",
       [] {
         ui::ShowSetEquPoint(0, 60310.5, ui::TEquatorialPoint{83.8221, -5.3911}, 0.0);
       }},
      {"HorizontalPoint",
       [] {
         ui::ShowSetHorPoint(0, ui::THorizontalPoint{187.25, 41.5});
       }},
      {"TimeStep", [] { ui::ShowSetRotAngleForm(0, {}, 0.997269566 * 3, {}); }},
      {"Zoom", [] { ui::ShowSetZoomForm(0, {}, 250, {}); }},
      {"SolarSystem",
       [] {
         sky::TSkyImage sky;
         ui::ShowSolarForm(0, sky);
       }},
      {"CityList", [] { ui::ShowViewCityList(0, CityFile(), 158.65, 53.0167); }},
      {"CitySearch",
       [] {
         ui::TFindCityText find;
         velplatform::RunDialog(0, ui::TFindCityText::Layout(), find);
       }},
      {"ConsoleSettings",
       [] {
         ui::ShowConsoleParamForm(0, {}, {"DejaVu Sans Mono", "Courier New", "Liberation Mono"});
       }},
      {"GroupModes", OpenGroupModes},
      {"RiseSet",
       [] {
         solar::ShowRiseSetTimes(0,
                                 {5.25, 21.75, 13.5, 1.5, solar::kRisesToday | solar::kSetsToday});
       }},
      {"PlanetOptions", [] { solar::EditPlanetSettings(0, solar::TPlanetSettings{}); }},
      {"StarOptions", [] { catalogues::AskStarColours(0, true); }},
      {"StarSearch", [] { catalogues::AskStarQuery(0); }},
      {"ConstellationNames", [] { catalogues::EditNameType(0, catalogues::TNameType::kRussian); }},
      {"NameSearch",
       [] {
         catalogues::TFindForm form(Cp1251("Поиск звезды по имени"));
         for (const char* name : {"Альдебаран", "Бетельгейзе", "Фомальгаут"}) {
           form.AddName(Cp1251(name));
         }
         form.Run(0);
       }},
      {"DeepSkySearch", OpenDeepSkySearch},
      {"Ephemerides", OpenEphemerides},
      {"ObjectPaths", OpenObjectPaths},
      {"Installer", OpenInstaller},
      {"SaveState", OpenSaveState},
      {"SavePicture", OpenSavePicture},
  };
}

// The fonts the dialogs are checked in: the application's own, and fonts whose letters are
// wider or taller against their average character, which sets the dialog unit.
struct TFontCase {
  std::string name;
  QFont font;
};

std::vector<TFontCase> Fonts() {
  QFont bold("DejaVu Sans", 10);
  bold.setBold(true);
  return {{"application", QApplication::font()},
          {"serif12", QFont("DejaVu Serif", 12)},
          {"bold10", bold},
          {"sans7", QFont("DejaVu Sans", 7)}};
}

std::string Describe(const QWidget& widget) {
  std::string text;
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) text = label->text().toStdString();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    text = button->text().toStdString();
  }
  if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) text = box->title().toStdString();
  const QRect r = widget.geometry();
  return std::string(widget.metaObject()->className()) + " \"" + text + "\" at " +
         std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
         "x" + std::to_string(r.height());
}

QSize TextSize(const QWidget& widget, const QString& text) {
  return widget.fontMetrics().size(Qt::TextShowMnemonic, text);
}

void ExpectHolds(const QRect& room, QSize text, const QWidget& widget) {
  EXPECT_GE(room.width(), text.width()) << Describe(widget);
  EXPECT_GE(room.height(), text.height()) << Describe(widget);
}

QRect ButtonContents(const QAbstractButton& button, QStyle::SubElement element) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  return button.style()->subElementRect(element, &option, &button);
}

QRect ComboTextField(const QComboBox& combo) {
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.frame = true;
  option.subControls = QStyle::SC_All;
  return combo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                       &combo);
}

QRect GroupBoxTitle(const QGroupBox& box) {
  QStyleOptionGroupBox option;
  option.initFrom(&box);
  option.text = box.title();
  option.lineWidth = 1;
  option.textAlignment = box.alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  return box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
}

// The text, measured in the widget's font, fits where the style draws it.
void ExpectRoomForText(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    ExpectHolds(label->contentsRect(), TextSize(widget, label->text()), widget);
  } else if (const auto* check = qobject_cast<const QCheckBox*>(&widget)) {
    ExpectHolds(ButtonContents(*check, QStyle::SE_CheckBoxContents),
                TextSize(widget, check->text()), widget);
  } else if (const auto* radio = qobject_cast<const QRadioButton*>(&widget)) {
    ExpectHolds(ButtonContents(*radio, QStyle::SE_RadioButtonContents),
                TextSize(widget, radio->text()), widget);
  } else if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
    ExpectHolds(ButtonContents(*button, QStyle::SE_PushButtonContents),
                TextSize(widget, button->text()), widget);
  } else if (const auto* combo = qobject_cast<const QComboBox*>(&widget)) {
    for (int i = 0; i < combo->count(); ++i) {
      ExpectHolds(ComboTextField(*combo), TextSize(widget, combo->itemText(i)), widget);
    }
  } else if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
    EXPECT_TRUE(box->rect().contains(GroupBoxTitle(*box))) << Describe(widget);
  } else if (qobject_cast<const QLineEdit*>(&widget) != nullptr ||
             qobject_cast<const QSlider*>(&widget) != nullptr) {
    EXPECT_GE(widget.height(), widget.sizeHint().height()) << Describe(widget);
  } else if (const auto* pages = qobject_cast<const QTabWidget*>(&widget);
             pages != nullptr && !pages->tabBar()->isHidden()) {
    // Every tab in one row, none behind scroll arrows.
    EXPECT_GE(pages->tabBar()->width(), pages->tabBar()->sizeHint().width()) << Describe(widget);
  }
}

// Two controls are apart, or one is a group box holding the other inside its frame.
void ExpectApart(const QWidget& a, const QWidget& b) {
  if (!a.geometry().intersects(b.geometry())) return;
  for (const auto& [outer, inner] : {std::pair(&a, &b), std::pair(&b, &a)}) {
    if (qobject_cast<const QGroupBox*>(outer) != nullptr &&
        outer->contentsRect().translated(outer->pos()).contains(inner->geometry())) {
      return;
    }
  }
  ADD_FAILURE() << Describe(a) << " overlaps " << Describe(b);
}

void ExpectSurfaceLaidOut(const QWidget& surface) {
  const QList<QWidget*> controls = surface.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (qsizetype i = 0; i < controls.size(); ++i) {
    EXPECT_TRUE(surface.rect().contains(controls[i]->geometry()))
        << Describe(*controls[i]) << " outside " << surface.width() << "x" << surface.height();
    ExpectRoomForText(*controls[i]);
    for (qsizetype j = i + 1; j < controls.size(); ++j) ExpectApart(*controls[i], *controls[j]);
  }
}

void SavePicture(QWidget& dialog, const std::string& name) {
  const char* folder = std::getenv("VELARION_DIALOG_PICTURES");
  if (folder == nullptr || *folder == '\0') return;
  std::filesystem::create_directories(folder);
  const std::string file = (std::filesystem::path(folder) / (name + ".png")).string();
  EXPECT_TRUE(dialog.grab().save(QString::fromStdString(file))) << file;
}

// Shows the dialog as the program's runner builds it and checks the dialog and every page
// of its page control.
void InspectDialog(const TDialogLayout& layout, TDialogLogic& logic, const std::string& name) {
  velplatform::TQtDialog dialog(nullptr, layout, logic);
  dialog.show();
  QApplication::processEvents();
  ExpectSurfaceLaidOut(dialog);
  auto* pages = dialog.findChild<QTabWidget*>(QString(), Qt::FindDirectChildrenOnly);
  if (pages == nullptr) {
    SavePicture(dialog, name);
    return;
  }
  for (int page = 0; page < pages->count(); ++page) {
    SCOPED_TRACE("page " + std::to_string(page + 1));
    pages->setCurrentIndex(page);
    QApplication::processEvents();
    ExpectSurfaceLaidOut(*pages->widget(page));
    SavePicture(dialog, name + "-page" + std::to_string(page + 1));
  }
}

class DialogLayouts : public testing::TestWithParam<TDialogCase> {
 protected:
  void TearDown() override {
    velplatform::SetDialogRunner({});
    QApplication::setFont(applicationFont_);
  }

  const QFont applicationFont_ = QApplication::font();
};

TEST_P(DialogLayouts, EveryControlHasTheRoomItsTextNeedsInEveryFont) {
  for (const TFontCase& font : Fonts()) {
    SCOPED_TRACE(font.name);
    QApplication::setFont(font.font);
    int shown = 0;
    velplatform::SetDialogRunner(
        [&](TWindowHandle, const TDialogLayout& layout, TDialogLogic& logic) {
          ++shown;
          InspectDialog(layout, logic, GetParam().name + "-" + font.name);
          return false;  // cancelled: nothing the dialog would store
        });
    GetParam().open();
    EXPECT_EQ(shown, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Program, DialogLayouts, testing::ValuesIn(Dialogs()),
                         [](const testing::TestParamInfo<TDialogCase>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace velarion
