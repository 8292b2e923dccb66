// The window with the program's data and its real dialogs, walked as a user walks it: the
// paths that once crashed once a modal dialog had taken the user away from the sky.
#include "WindowFixture.h"

#include "CatalogForm.h"
#include "ObjectByName.h"
#include "ProgramFolder.h"
#include "ProjectionExports.h"
#include "QtDialogUser.h"
#include "RiseSetDialog.h"
#include "SavePictureForm.h"
#include "SaveStateForm.h"
#include "SkyHintWindow.h"
#include "StateFileStore.h"
#include "velastro.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidgetAction>
#include <array>
#include <map>

namespace velarion::ui {
namespace {

class WindowWalkTest : public veltest::TWindowFixture {
 protected:
  // A first start with the program's data: no question may hold the sky up.
  TVelarionMainForm& StartWithData() {
    LinkProgramData();
    UseRealDialogs();
    auto asked = std::make_shared<QString>();
    const QPointer<QTimer> watch = WhenModalShows([asked](QWidget& question) {
      *asked = question.windowTitle();
      QTest::keyClick(&question, Qt::Key_Escape);
    });
    TVelarionMainForm& window = Start();
    delete watch.data();
    EXPECT_EQ(*asked, QString()) << "asked at the first start";
    EXPECT_GE(window.Session().Groups().Count(), 12);
    return window;
  }

  // F8, then the group's entry of the options menu; `choose` acts in the options dialog.
  void EditOptionsFromF8(const char* groupName, std::function<void(QWidget&)> choose) {
    QTest::keyClick(window_->SkyArea().viewport(), Qt::Key_F8);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* entry = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->text() == QString::fromUtf8(groupName)) entry = action;
    }
    ASSERT_NE(entry, nullptr) << groupName;
    menu->close();
    WhenModalShows(std::move(choose));
    entry->trigger();
  }

  static void Tick(QWidget& dialog, const char* caption) {
    for (auto* button : dialog.findChildren<QAbstractButton*>()) {
      if (button->text() == QString::fromUtf8(caption)) button->click();
    }
  }

  // Waits until the window has handled what the dialog asked for and shown the sky again.
  void SkyShownAgain() {
    const int32_t composed = window_->ComposeCount();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_->ComposeCount() > composed; }));
  }
};

TEST_F(WindowWalkTest, ClickingTheSkyAfterADialogClosedPicksWhatIsThere) {
  TVelarionMainForm& window = StartWithData();
  WhenModalShows([](QWidget& about) { QTest::keyClick(&about, Qt::Key_Escape); });
  window.N3Click();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ASSERT_EQ(window.Tools().Current(), TSkyTool::kSelection);
  // The picture was given back while the dialog had the user; picking must not need it.
  const QSize size = window.SkyArea().viewport()->size();
  QTest::mouseClick(window.SkyArea().viewport(), Qt::LeftButton, {},
                    {size.width() / 2, size.height() / 2});
  QTest::mouseClick(window.SkyArea().viewport(), Qt::LeftButton, {},
                    {size.width() / 3, size.height() / 3});
  SkyShownAgain();
}

TEST_F(WindowWalkTest, PlanetSymbolsChosenInTheOptionsRecalculateThePlanets) {
  TVelarionMainForm& window = StartWithData();
  for (int body = sky::visibility::kFirstBody; body <= sky::visibility::kLastBody; ++body) {
    window.Image().SetObjectVisible(body, true);
  }
  EditOptionsFromF8("Планеты и спутники", [](QWidget& dialog) {
    Tick(dialog, "Символы");
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  SkyShownAgain();
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

TEST_F(WindowWalkTest, StarColoursChosenInTheOptionsLayTheStarsOutAgain) {
  StartWithData();
  EditOptionsFromF8("Каталог ярких звезд (Цветн.)", [](QWidget& dialog) {
    Tick(dialog, "Использовать цвета звезд");
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  SkyShownAgain();
  EXPECT_TRUE(messages_.empty()) << messages_.front();
}

// A star on the celestial equator: it rises and sets everywhere but at the poles.
void OnTheEquator(double /*mjdUt*/, double* raDeg, double* decDeg) {
  *raDeg = 90.0;
  *decDeg = 0.0;
}

TEST_F(WindowWalkTest, TheRiseSetWindowCopiesToTheClipboardAndTheConsole) {
  TVelarionMainForm& window = Start();
  UseRealDialogs();
  QApplication::clipboard()->clear();
  WhenModalShows([](QWidget& dialog) {
    Tick(dialog, "Копия");
    Tick(dialog, "В консоль");
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  ShowRiseSettDialog(-0.5666666666666667, 0.0, OnTheEquator);
  const QString copied = QApplication::clipboard()->text();
  EXPECT_TRUE(copied.startsWith(QString::fromUtf8("Восход: "))) << copied.toStdString();
  const std::vector<std::string> lines = window.Console().Lines();
  ASSERT_EQ(lines.size(), 3u);
  QString shown;
  for (const std::string& line : lines)
    shown += QString::fromStdString(velplatform::Cp1251ToUtf8(line)) + "\n";
  EXPECT_EQ(shown, copied);
}

// The zoom dialog is a pop-up above its tool button that never holds the window up: a click
// on the sky closes it and applies what was typed, Esc closes it and changes nothing.
TEST_F(WindowWalkTest, TheZoomPopUpStandsByItsButtonAndAppliesWhenTheSkyIsClicked) {
  TVelarionMainForm& window = Start();
  UseRealDialogs();
  const auto openTyping = [&](const char* zoom) -> QWidget* {
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QWidget* popup = QApplication::activePopupWidget();
    if (popup == nullptr) return nullptr;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // The field has the keyboard at once and what is typed replaces the zoom shown.
    EXPECT_EQ(QApplication::focusWidget(), popup->findChild<QLineEdit*>());
    QTest::keyClicks(QApplication::focusWidget(), zoom);
    return popup;
  };
  QWidget* popup = openTyping("250");
  ASSERT_NE(popup, nullptr);
  QToolButton* button = nullptr;
  for (auto* b : window.findChildren<QToolButton*>()) {
    if (b->toolTip() == QString::fromUtf8("Задать увеличение")) button = b;
  }
  ASSERT_NE(button, nullptr);
  const QRect buttonArea(button->mapToGlobal(QPoint(0, 0)), button->size());
  EXPECT_EQ(popup->frameGeometry().bottom() + 1, buttonArea.top());
  EXPECT_EQ(popup->frameGeometry().left(), buttonArea.left());

  // While a pop-up is open the desktop hands it every click, those elsewhere included.
  const QPoint onTheSky = window.SkyArea().viewport()->mapToGlobal(QPoint(20, 20));
  QTest::mouseClick(popup, Qt::LeftButton, {}, popup->mapFromGlobal(onTheSky));
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Image().Zoom() == 250; }));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  popup = openTyping("400");
  ASSERT_NE(popup, nullptr);
  QTest::keyClick(popup, Qt::Key_Escape);
  QTest::qWait(50);
  EXPECT_EQ(window.Image().Zoom(), 250);
  popup = openTyping("400");
  ASSERT_NE(popup, nullptr);
  QTest::keyClick(popup, Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Image().Zoom() == 400; }));
}

TEST_F(WindowWalkTest, MarsTypedIntoThePlanetSearchIsFoundAndSelected) {
  TVelarionMainForm& window = StartWithData();
  QAction* planets = nullptr;
  for (auto* menu : window.findChildren<QMenu*>()) {
    if (menu->title() != QString::fromUtf8("&Найти...")) continue;
    for (QAction* action : menu->actions()) {
      if (action->text() == QString::fromUtf8("Планеты и спутники")) planets = action;
    }
  }
  ASSERT_NE(planets, nullptr);
  QString typed;
  WhenModalShows([&typed](QWidget& search) {
    auto* field = search.findChild<QLineEdit*>();
    veltest::TypeKeys(*field, QString::fromUtf8("Марс"));
    typed = field->text();
    QTest::keyClick(&search, Qt::Key_Return);
  });
  planets->trigger();
  EXPECT_EQ(typed, QString::fromUtf8("Марс"));
  ASSERT_EQ(window.Image().Selection().size(), 1u);
  const auto& found = window.Image().Selection().front();
  EXPECT_EQ(found.group->Code, "PLAN");
  EXPECT_NE(velplatform::Cp1251ToUtf8(found.group->GetObjectName(found.index)).find("Марс"),
            std::string::npos);
}

// "Информация о ... / Марсе": Mars is selected and the information window shows its lines,
// its "Восход/Заход" button, copies them, hands the main window its keys and goes on Esc.
TEST_F(WindowWalkTest, TheInformationWindowOfMarsShowsCopiesAndCloses) {
  TVelarionMainForm& window = StartWithData();
  QAction* mars = nullptr;
  for (auto* menu : window.findChildren<QMenu*>()) {
    for (QAction* action : menu->actions()) {
      if (action->text() == QString::fromUtf8("Ма&рсе")) mars = action;
    }
  }
  ASSERT_NE(mars, nullptr);
  mars->trigger();
  TInfoForm* info = window.InfoWindow();
  ASSERT_NE(info, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(info));
  const solar::TInfoContent& content = info->Content();
  ASSERT_FALSE(content.lines.empty());
  EXPECT_TRUE(solar::IsTitleLine(content.lines.front()));
  EXPECT_NE(velplatform::Cp1251ToUtf8(content.lines.front()).find("Марс"), std::string::npos);
  ASSERT_EQ(content.commands.size(), 1u);
  EXPECT_EQ(velplatform::Cp1251ToUtf8(content.commands[0].caption), "Восход/Заход");
  QPushButton* riseSet = info->findChild<QPushButton*>(QStringLiteral("SR1"));
  ASSERT_NE(riseSet, nullptr);
  EXPECT_TRUE(riseSet->isVisible());
  EXPECT_NE(info->findChild<QLabel*>(QStringLiteral("PN1")), nullptr);
  // The lines are drawn across the whole window, whatever its size when they were built.
  info->resize(700, 400);
  QApplication::processEvents();
  const QWidget* lines = riseSet->parentWidget();
  EXPECT_GE(lines->width(), info->width() - 40);
  EXPECT_GE(lines->height(), solar::InfoScrollRange(content));

  QApplication::clipboard()->clear();
  info->CopyToClipboard();
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QString::fromUtf8("»")));

  // A key the information window does not use moves the sky's time.
  const double before = window.Image().Mjd();
  QTest::keyClick(info, Qt::Key_F, Qt::ControlModifier);
  EXPECT_GT(window.Image().Mjd(), before);
  ASSERT_NE(window.InfoWindow(), nullptr);  // refreshed with the view, not closed

  QTest::keyClick(info, Qt::Key_Escape);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.InfoWindow() == nullptr; }));
}

// The pointer resting on Polaris names it after half a second; a key hides the name.
TEST_F(WindowWalkTest, APointerRestingOnAStarNamesItInAHint) {
  TVelarionMainForm& window = StartWithData();
  SetEpoch(0.0, 1);
  int32_t x = 0;
  int32_t y = 0;
  ASSERT_TRUE(
      QuickRaDecToXY(static_cast<int32_t>(37.95 * 60), static_cast<int32_t>(89.26 * 60), &x, &y));
  QWidget* sky = window.SkyArea().viewport();
  const QPoint area = QPoint(x, y) - window.PicturePoint({0, 0});
  ASSERT_TRUE(sky->rect().contains(area));
  QTest::mouseMove(sky, area);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Hint().Shown(); }, 3000));
  ASSERT_FALSE(window.Hint().Lines().empty());
  bool named = false;
  for (const std::string& line : window.Hint().Lines()) {
    named = named || velplatform::Cp1251ToUtf8(line).find("Полярная") != std::string::npos;
  }
  EXPECT_TRUE(named);
  EXPECT_GT(window.Hint().geometry().top(), sky->mapToGlobal(area).y());  // below the pointer
  EXPECT_TRUE(window.Image().Selection().empty());                        // naming selects nothing
  QTest::keyClick(&window, Qt::Key_Shift);
  EXPECT_FALSE(window.Hint().Shown());
}

// Polaris selected, a right click on the sky offers it in the information and path menus;
// choosing it in the first opens its information window.
TEST_F(WindowWalkTest, TheRightClickMenuOffersTheSelectedObjects) {
  TVelarionMainForm& window = StartWithData();
  SetEpoch(0.0, 1);
  int32_t x = 0;
  int32_t y = 0;
  ASSERT_TRUE(
      QuickRaDecToXY(static_cast<int32_t>(37.95 * 60), static_cast<int32_t>(89.26 * 60), &x, &y));
  window.Image().PickObjects(x, y, true);
  ASSERT_FALSE(window.Image().Selection().empty());
  std::map<QString, bool> submenus;
  int informationEntries = 0;
  QTimer::singleShot(100, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QMenu* information = nullptr;
    for (QAction* action : menu->actions()) {
      if (QMenu* sub = action->menu()) {
        submenus[sub->title()] = sub->isEnabled();
        if (sub->title() == QString::fromUtf8("Информация...")) information = sub;
      }
    }
    ASSERT_NE(information, nullptr);
    QWidget* first = nullptr;
    for (QAction* action : information->actions()) {
      if (auto* entry = qobject_cast<QWidgetAction*>(action)) {
        ++informationEntries;
        if (first == nullptr) first = entry->defaultWidget();
      }
    }
    ASSERT_NE(first, nullptr);
    QTest::mouseClick(first, Qt::LeftButton);
  });
  QWidget* sky = window.SkyArea().viewport();
  QTest::mouseClick(sky, Qt::RightButton, {}, QPoint(x, y) - window.PicturePoint({0, 0}));
  EXPECT_TRUE(submenus[QString::fromUtf8("Информация...")]);
  EXPECT_TRUE(submenus[QString::fromUtf8("Траектория объекта")]);
  EXPECT_TRUE(submenus[QString::fromUtf8("Эфемериды (текущие)")]);
  EXPECT_GE(informationEntries, 2);  // the star, and all of the selection
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.InfoWindow() != nullptr; }));
  EXPECT_EQ(window.Image().Selection().size(), 1u);
}

// The information window and "velarion --info" say the same of a star, a planet, the Moon
// and a deep-sky object at one moment and place.
TEST_F(WindowWalkTest, TheInformationWindowShowsWhatInfoPrints) {
  clock_ = {[] { return MJD(11, 12, 2026, 19.0); }, [] { return 0.0; }};  // 22:00 in Moscow
  TVelarionMainForm& window = StartWithData();
  window.Image().SetTimeZoneAutomatic(false);
  window.Image().SetTimeZone(3.0);
  window.Image().SetLatitude(55.75);
  window.Image().SetLongitude(37.62);
  for (const char* name : {"Сириус", "Марс", "Луна", "M 31"}) {
    const auto object = FindObjectByName(window.Session().Groups(), name);
    ASSERT_TRUE(object) << name;
    window.ShowObjectInfo(object->group->Code, object->index);
    ASSERT_NE(window.InfoWindow(), nullptr) << name;
    QStringList shown;
    for (const std::string& line : solar::InfoPlainLines(window.InfoWindow()->Content().lines)) {
      shown << QString::fromStdString(velplatform::Cp1251ToUtf8(line));
    }
    QProcess info;
    info.start(QString::fromStdString(velplatform::ProgramFolder() + "velarion"),
               {"--info", QString::fromUtf8(name), "--time", "2026-12-11 22:00", "--location",
                "55.75,37.62,3"});
    ASSERT_TRUE(info.waitForFinished(60000)) << name;
    ASSERT_EQ(info.exitCode(), 0) << name << info.readAllStandardError().toStdString();
    const QStringList printed = QString::fromUtf8(info.readAllStandardOutput()).split(u'\n');
    ASSERT_GE(printed.size(), shown.size()) << name;
    EXPECT_EQ(printed.mid(0, shown.size()), shown) << name;
  }
}

// The ephemeris window opened for the Moon from the sky menu's request writes a table of
// four days into the console under its progress window and gives the view its moment back.
TEST_F(WindowWalkTest, TheMoonsTableOverFourDaysGoesIntoTheConsole) {
  clock_ = {[] { return MJD(11, 12, 2026, 14.0); }, [] { return 0.0; }};
  TVelarionMainForm& window = StartWithData();
  ASSERT_TRUE(window.SelectOnly({"MOON", 1}));
  const double moment = window.Image().Mjd();
  WhenModalShows([](QWidget& shown) {
    auto& wizard = dynamic_cast<velplatform::TQtDialog&>(shown);
    auto* endDay = qobject_cast<QLineEdit*>(wizard.Control(TEphemerisWizard::kEnd.day));
    ASSERT_NE(endDay, nullptr);
    ASSERT_TRUE(endDay->isVisible());  // the period page, the Moon chosen
    endDay->setText(QString::number(endDay->text().toInt() + 3));
    Tick(wizard, "Дальше >");
    Tick(wizard, "Вычислить");
    QTest::keyClick(&wizard, Qt::Key_Escape);
  });
  HandleRequest(TEphemerisRequest{0, {"MOON", 1}}, window);
  const std::vector<std::string> lines = window.Console().Lines();
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(velplatform::Cp1251ToUtf8(lines[1]), "Луна");
  int rows = 0;
  for (const std::string& line : lines) rows += line.find(".12.2026") != std::string::npos;
  EXPECT_EQ(rows, 4);
  EXPECT_DOUBLE_EQ(window.Image().Mjd(), moment);
}

// A path of the Moon over a week, made in the paths window, is a group of the second list
// that draws; deleting it takes the group away.
TEST_F(WindowWalkTest, AMoonPathIsMadeDrawnAndDeleted) {
  clock_ = {[] { return MJD(11, 12, 2026, 14.0); }, [] { return 0.0; }};
  TVelarionMainForm& window = StartWithData();
  ASSERT_TRUE(window.SelectOnly({"MOON", 1}));
  WhenModalShows([](QWidget& shown) {
    auto& form = dynamic_cast<velplatform::TQtDialog&>(shown);
    auto* endDay = qobject_cast<QLineEdit*>(form.Control(TObjectPathsForm::kEnd.day));
    ASSERT_NE(endDay, nullptr);
    endDay->setText(QString::number(endDay->text().toInt() + 7));
    Tick(form, "Применить");
    QTest::keyClick(&form, Qt::Key_Escape);
  });
  HandleRequest(TPathsRequest{false, {"MOON", 1}}, window);
  ASSERT_EQ(window.Session().Paths().Count(), 1);
  groups::TSkyObjectGroup* path = window.Session().Paths().Element(0).Group();
  EXPECT_EQ(path->Code, "OBJP");
  window.Repaint();
  groups::TObjectRect drawn{};
  EXPECT_TRUE(path->GetObjectRect(1, drawn));

  WhenModalShows([](QWidget& shown) {
    velplatform::SetMessageBoxRunner(
        [](velplatform::TWindowHandle, const velplatform::TMessageBoxRequest&) {
          return velplatform::TMessageAnswer::kYes;
        });
    Tick(shown, "Удалить");
    QTest::keyClick(&shown, Qt::Key_Escape);
  });
  window.ObjPathMIClick();
  EXPECT_EQ(window.Session().Paths().Count(), 0);
}

// F9: a group moved up in the group list window is drawn one place earlier after
// "В&ерно"; after "О&тмена" the order is as it was. (Once a modal window has closed, the
// window the tests run off screen is no longer active and takes no shortcut.)
TEST_F(WindowWalkTest, TheGroupListWindowReordersOnlyWhenConfirmed) {
  TVelarionMainForm& window = StartWithData();
  const auto order = [&window] {
    std::vector<std::string> codes;
    for (int32_t i = 0; i < window.Session().Groups().Count(); ++i) {
      codes.push_back(window.Session().Groups().Element(i).Group()->Code);
    }
    return codes;
  };
  const std::vector<std::string> before = order();
  const auto moveSecondUp = [](const char* button) {
    return [button](QWidget& shown) {
      auto& form = dynamic_cast<TCatalogForm&>(shown);
      QTreeWidget& table = form.Table();
      table.setCurrentItem(table.topLevelItem(1));
      QTest::keyClick(&table, Qt::Key_Up, Qt::ShiftModifier);
      EXPECT_EQ(table.indexOfTopLevelItem(table.currentItem()), 0);
      Tick(form, button);
    };
  };
  WhenModalShows(moveSecondUp("О&тмена"));
  QTest::keyClick(window.SkyArea().viewport(), Qt::Key_F9);
  EXPECT_EQ(order(), before);
  WhenModalShows(moveSecondUp("В&ерно"));
  window.N21Click();
  std::vector<std::string> expected = before;
  std::swap(expected[0], expected[1]);
  EXPECT_EQ(order(), expected);
}

// F2 writes the parts the user ticked into the proposed file of the state folder; the file
// reads back as the view was, and the next proposal counts on.
TEST_F(WindowWalkTest, F2SavesTheTickedPartsUnderTheProposedName) {
  TVelarionMainForm& window = StartWithData();
  window.Image().SetLatitude(48.5);
  window.Image().SetLongitude(-71.25);
  WhenModalShows([](QWidget& shown) {
    auto& form = dynamic_cast<velplatform::TQtDialog&>(shown);
    const int32_t place = TSaveStateForm::PartBox(TStatePart::kLocation);
    qobject_cast<QAbstractButton*>(form.Control(place))->setChecked(true);
    qobject_cast<QAbstractButton*>(form.Control(1))->click();  // "&Верно"
  });
  QTest::keyClick(&window, Qt::Key_F2);
  const std::string folder = window.Session().SettingsFolder();
  auto read = ReadStateFile(folder + "state0.vls");
  ASSERT_TRUE(std::holds_alternative<TStateFile>(read))
      << velplatform::Cp1251ToUtf8(std::get<std::string>(read));
  const TStateFile& state = std::get<TStateFile>(read);
  ASSERT_TRUE(state.location);
  EXPECT_NEAR(state.location->latitudeDeg, 48.5, 1e-6);
  EXPECT_NEAR(state.location->longitudeDeg, -71.25, 1e-6);
  ASSERT_TRUE(state.mjdUt);
  EXPECT_NEAR(*state.mjdUt, window.Image().Mjd(), 1e-8);
  ASSERT_TRUE(state.skyPoint);
  EXPECT_EQ(state.skyPoint->zoom, window.Image().Zoom());
  EXPECT_FALSE(state.groupVisibility);
  EXPECT_FALSE(state.autoRotation);
  const TStateParts remembered{true, true, true, false, false, false, false};
  EXPECT_EQ(window.Session().Configuration().sky.saveStateFlags, remembered);

  auto proposed = std::make_shared<QString>();
  WhenModalShows([proposed](QWidget& shown) {
    auto& form = dynamic_cast<velplatform::TQtDialog&>(shown);
    *proposed = qobject_cast<QLineEdit*>(form.Control(TSaveStateForm::kFile))->text();
    QTest::keyClick(&form, Qt::Key_Escape);
  });
  window.activateWindow();  // the closed dialog had the focus
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_F2);
  EXPECT_EQ(proposed->toStdString(), folder + "state1.vls");
}

// Ctrl+S saves the sky as a PNG of the size typed; a picture that cannot be written is
// reported with the writer's message and not counted.
TEST_F(WindowWalkTest, CtrlSSavesThePictureAndCountsOnlySavedOnes) {
  TVelarionMainForm& window = StartWithData();
  const auto saveAs = [this, &window](const std::string& file) {
    auto proposed = std::make_shared<std::string>();
    WhenModalShows([proposed, file](QWidget& shown) {
      auto& form = dynamic_cast<velplatform::TQtDialog&>(shown);
      auto* kind = qobject_cast<QComboBox*>(form.Control(TSavePictureForm::kKind));
      kind->setCurrentIndex(kind->findText(QStringLiteral("(*.png) Portable Network Graphics")));
      auto* name = qobject_cast<QLineEdit*>(form.Control(TSavePictureForm::kFile));
      *proposed = name->text().toStdString();
      if (!file.empty()) name->setText(QString::fromStdString(file));
      qobject_cast<QLineEdit*>(form.Control(TSavePictureForm::kWidth))->setText("320");
      qobject_cast<QLineEdit*>(form.Control(TSavePictureForm::kHeight))->setText("200");
      qobject_cast<QAbstractButton*>(form.Control(1))->click();  // "&Верно"
    });
    window.activateWindow();  // a closed dialog had the focus
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    return *proposed;
  };
  const std::string folder = window.Session().SettingsFolder();
  const sky::TSkyImage& image = window.Image();
  const std::array<int32_t, 3> layout{image.Radius(), image.CentreX(), image.CentreY()};
  EXPECT_EQ(saveAs(""), folder + "image0.png");
  EXPECT_EQ((std::array<int32_t, 3>{image.Radius(), image.CentreX(), image.CentreY()}), layout)
      << "the window's layout given back";
  QImage picture;
  ASSERT_TRUE(picture.load(QString::fromStdString(folder + "image0.png")));
  EXPECT_EQ(picture.size(), QSize(320, 200));
  EXPECT_TRUE(messages_.empty()) << messages_.front();

  EXPECT_EQ(saveAs(folder + "missing/sky.png"), folder + "image1.png");
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_TRUE(messages_[0].starts_with("Ошибка: ")) << messages_[0];
  EXPECT_FALSE(std::filesystem::exists(folder + "missing/sky.png"));

  EXPECT_EQ(saveAs(""), folder + "missing/image1.png") << "the failed picture was not counted";
}

}  // namespace
}  // namespace velarion::ui
