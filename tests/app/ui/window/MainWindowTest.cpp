#include "WindowFixture.h"

#include "Cp1251.h"
#include "Dialogs.h"
#include "FakeDialogs.h"
#include "ProjectionExports.h"
#include "RefreshExport.h"
#include "SetZoomForm.h"
#include "velastro.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QWidgetAction>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

#include <unistd.h>

namespace velarion::ui {
namespace {

namespace fs = std::filesystem;

class MainWindowTest : public veltest::TWindowFixture {
 protected:
  // The sky point (frame of the date) under a point of the sky area.
  std::optional<std::pair<double, double>> SkyPointUnder(QPoint area) {
    const QPoint p = window_->PicturePoint(area);
    SetEpoch(0.0, 2);
    double ra = 0.0;
    double dec = 0.0;
    if (!XYToRaDec(p.x(), p.y(), &ra, &dec)) return std::nullopt;
    return std::pair{ra, dec};
  }

  void Wheel(QPoint area, int delta) {  // returns once the zoomed sky is shown
    QWidget* viewport = window_->SkyArea().viewport();
    QWheelEvent event(QPointF(area), QPointF(viewport->mapToGlobal(area)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window_->Image().ViewChanged(); }));
    QApplication::processEvents();
  }
};

// Every command where the user looks for it: the menus with their captions, shortcuts and
// switches, and the tool buttons with their hints, in the order they stand.
TEST_F(MainWindowTest, MenusAndToolButtonsOfferEveryCommandWithItsTextsAndKeys) {
  TVelarionMainForm& window = Start();
  const auto describe = [](const QAction& action, const QString& text, bool withShortcut) {
    QString line = text;
    if (withShortcut && !action.shortcut().isEmpty()) {
      line += " " + action.shortcut().toString(QKeySequence::PortableText);
    }
    if (action.isCheckable()) line += " (switch)";
    if (!action.isEnabled()) line += " (off)";
    return line.toStdString();
  };
  std::vector<std::string> menus;
  const std::function<void(const QString&, const QList<QAction*>&)> walk =
      [&](const QString& path, const QList<QAction*>& actions) {
        for (const QAction* action : actions) {
          if (action->isSeparator()) {
            menus.push_back((path + "-").toStdString());
          } else if (action->menu() != nullptr) {
            walk(path + action->text() + "/", action->menu()->actions());
          } else {
            menus.push_back(describe(*action, path + action->text(), true));
          }
        }
      };
  walk(QString(), window.menuBar()->actions());
  const std::vector<std::string> expectedMenus = {
      "П&росмотр/В&ращать вперед Ctrl+F",
      "П&росмотр/Вр&ащать назад Ctrl+B",
      "П&росмотр/Т&екущее время Ctrl+N",
      "П&росмотр/&Сохранить состояние F2",
      "П&росмотр/&Восстановить состояние F3",
      "П&росмотр/-",
      "П&росмотр/Режим автовра&щения Ctrl+G (switch)",
      "П&росмотр/Ре&жим отслеживания объектов Ctrl+L (switch)",
      "П&росмотр/Со&хранить как файл Ctrl+S",
      "П&росмотр/-",
      "П&росмотр/Тест скорости Ctrl+Shift+F1",
      "П&росмотр/В&ыход",
      "Опера&ции/&Найти.../Солнце",  // the groups that need no catalogue file
      "Опера&ции/&Найти.../Луна",
      "Опера&ции/&Найти.../Планеты и спутники",
      "Опера&ции/Найти &точку.../по &экват. координатам",
      "Опера&ции/Найти &точку.../по &горизонт. координатам",
      "Опера&ции/&Эфемериды",
      "Опера&ции/Траектории объектов",
      "Опера&ции/&Информация о .../&Солнце",
      "Опера&ции/&Информация о .../&Луне",
      "Опера&ции/&Информация о .../&Меркурии",
      "Опера&ции/&Информация о .../&Венере",
      "Опера&ции/&Информация о .../Ма&рсе",
      "Опера&ции/&Информация о .../&Юпитере",
      "Опера&ции/&Информация о .../Са&турне",
      "Опера&ции/&Информация о .../&Уране",
      "Опера&ции/&Информация о .../&Нептуне",
      "Опера&ции/&Информация о .../&Плутоне",
      "Опера&ции/&Информация о .../-",
      "Опера&ции/&Информация о .../в&ыделенных объектах Ctrl+I (off)",
      "Опера&ции/&Общая информация",
      "П&араметры/К&аталоги и группы объектов F9",
      "П&араметры/&Дата и время Ctrl+D",
      "П&араметры/&Шаг вращения Ctrl+R",
      "П&араметры/Параметры автовра&щения Ctrl+T",
      "П&араметры/Угол поворота по а&зимуту Ctrl+A",
      "П&араметры/&Увеличение Ctrl+Z",
      "П&араметры/&Всплывающая панель настроек (switch)",
      "П&араметры/&Координатные сетки/&Горизонтальная Ctrl+H (switch)",
      "П&араметры/&Координатные сетки/&Экваториальная Ctrl+E (switch)",
      "П&араметры/&Координатные сетки/&Настройка",
      "П&араметры/&Цветовые схемы F5",
      "П&араметры/Установка &параметров",
      "К&онсоль/Показать &консоль вывода F4 (switch)",
      "К&онсоль/Со&хранить как файл",
      "К&онсоль/&Очистить",
      "К&онсоль/&Параметры консоли",
      "О &программе...",
  };
  EXPECT_EQ(menus, expectedMenus);

  std::vector<std::string> buttons;
  const auto* toolBar = window.findChild<QToolBar*>();
  ASSERT_NE(toolBar, nullptr);
  for (const QAction* action : toolBar->actions()) {
    if (action->isSeparator()) {
      buttons.push_back("-");
    } else if (const auto* control = qobject_cast<const QWidgetAction*>(action)) {
      // The sliders say what they set; their value labels and the arrow pad say nothing.
      const QString hint = control->defaultWidget()->toolTip();
      if (!hint.isEmpty()) buttons.push_back(hint.toStdString());
    } else {
      buttons.push_back(describe(*action, action->toolTip() + " | " + action->iconText(), false));
    }
  }
  const std::vector<std::string> expectedButtons = {
      "Увеличить/Уменьшить | ± (switch)",
      "Вращать назад | ◀",
      "Вращать вперёд | ▶",
      "Текущее время | ●",
      "Увеличить область | ▭ (switch)",
      "Вращение по азимуту | ↻ (switch)",
      "Выделение объектов | ↖ (switch)",
      "Отслеживание объектов | Отсл. (switch)",
      "Шаг вращения | Δt",
      "Угол поворота | ∡",
      "Задать увеличение | ×",
      "Установить время | Вр",
      "Угловое расстояние\nмежду точками | ∠ (switch)",
      "Точка наблюдения | Место",
      "Автовращение изображения | Авто (switch)",
      "Параметры автовращения | ⚙t",
      "-",
      "Экваториальная | E (switch)",
      "Горизонтальная | H (switch)",
      "Звёзды | ★ (switch)",
      "Границы созвездий | Гр (switch)",
      "Наименования созвездий | A (switch)",
      "Объекты солнечной системы | ☉ (switch)",
      "Фигуры созвездий | ⋰ (switch)",
      "Галактики, туманности, зв.скопления | ✺ (switch)",
      "Параметры групп объектов | ⚙",
      "Каталоги и группы объектов | ☰",
      "-",
      "Яркость видимых звёзд",
      "Яркость подписанных звёзд",
      "Размер подписей",
      "Число градаций яркости",
  };
  EXPECT_EQ(buttons, expectedButtons);
}

TEST_F(MainWindowTest, CtrlFStepsTheViewTimeAndTheStatusBarFollows) {
  TVelarionMainForm& window = Start();
  const double before = window.Image().Mjd();
  const QString moment = window.StatusPanelText(1);
  ASSERT_FALSE(moment.isEmpty());
  QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
  EXPECT_NEAR(window.Image().Mjd() - before, 5.0 / 1440.0, 1e-9);
  EXPECT_NE(window.StatusPanelText(1), moment);
  QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
  EXPECT_NEAR(window.Image().Mjd(), before, 1e-9);
  EXPECT_EQ(window.StatusPanelText(1), moment);
}

// The computer keeps UT; the place chosen is Moscow's zone: now reads three hours later there.
TEST_F(MainWindowTest, NowIsTheComputersMomentShownInThePlacesZone) {
  const double clockMjd = MJD(11, 12, 2026, 9.25);
  clock_ = {[clockMjd] { return clockMjd; }, [] { return 0.0; }};
  TVelarionMainForm& window = Start();
  EXPECT_DOUBLE_EQ(window.Image().Mjd(), clockMjd);  // at start
  window.Image().SetTimeZoneAutomatic(false);
  window.Image().SetTimeZone(3.0);
  QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
  QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(window.Image().Mjd(), clockMjd);
  EXPECT_TRUE(window.StatusPanelText(1).contains(QString::fromUtf8("12ч 15м 0с")))
      << window.StatusPanelText(1).toStdString();
}

TEST_F(MainWindowTest, StatusBarPanelsHoldTheirRussianTextsSideBySide) {
  clock_ = {[] { return MJD(11, 12, 2026, 23.0); }, [] { return 0.0; }};
  TVelarionMainForm& window = Start();
  window.Image().SetTimeZoneAutomatic(false);
  window.Image().SetTimeZone(-11.0);
  window.Image().SetLongitude(-179.99);
  window.Image().SetLatitude(-89.99);
  window.SetViewTime(false, MJD(31, 12, 2026, 10.0) + 59.0 / 1440.0 + 59.0 / 86400.0);
  EXPECT_EQ(window.StatusPanelText(1).toStdString(), "30 дек 2026 н.э. 23ч 59м 59с");
  std::vector<QLabel*> panels;
  for (int i = 0; i < 5; ++i) {
    panels.push_back(
        window.statusBar()->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i)));
    ASSERT_NE(panels.back(), nullptr);
  }
  panels[3]->setText(QString::fromUtf8("Аз.:359.99° Выс.:-89.99°"));
  QApplication::processEvents();
  for (int i = 0; i < 4; ++i) {
    const QLabel& panel = *panels[i];
    EXPECT_GE(panel.contentsRect().width(), panel.fontMetrics().horizontalAdvance(panel.text()))
        << panel.text().toStdString();
    EXPECT_LT(panel.geometry().right(), panels[i + 1]->geometry().left()) << i;
  }
}

TEST_F(MainWindowTest, TheSkysKeysWorkWhileTheConsoleIsShownAndEvenWhenItHasTheFocus) {
  TVelarionMainForm& window = Start();
  QTest::keyClick(&window, Qt::Key_F4);
  auto* console = window.findChild<QPlainTextEdit*>();
  ASSERT_NE(console, nullptr);
  ASSERT_TRUE(console->isVisible());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp);
  EXPECT_EQ(window.Image().Zoom(), 150);
  console->setFocus();
  QTest::keyClick(console, Qt::Key_PageUp);
  EXPECT_EQ(window.Image().Zoom(), 225);
  QTest::keyClick(console, Qt::Key_Home);
  EXPECT_EQ(window.Image().Zoom(), 100);
}

TEST_F(MainWindowTest, ZoomKeys) {
  TVelarionMainForm& window = Start();
  QWidget& sky = window.SkyArea();
  EXPECT_FALSE(window.ArrowPadShown());  // panning arrows belong to the detailed view
  QTest::keyClick(&sky, Qt::Key_PageUp);
  EXPECT_EQ(window.Image().Zoom(), 150);
  QTest::keyClick(&sky, Qt::Key_Home);
  QTest::keyClick(&sky, Qt::Key_PageDown);
  EXPECT_EQ(window.Image().Zoom(), 66);
  QTest::keyClick(&sky, Qt::Key_0);
  EXPECT_EQ(window.Image().Zoom(), 50000);
  EXPECT_TRUE(window.Image().DetailedView());
  EXPECT_TRUE(window.windowTitle().endsWith(QString::fromUtf8(" (Детальный просмотр)")));
  EXPECT_TRUE(window.ArrowPadShown());
  QTest::keyClick(&sky, Qt::Key_1);
  EXPECT_EQ(window.Image().Zoom(), 100);
  EXPECT_TRUE(window.windowTitle().endsWith(QString::fromUtf8(" (Быстрый просмотр)")));
  EXPECT_FALSE(window.ArrowPadShown());
}

// The sky's other keys as the keyboard sends them: "=" and the numeric pad's "+" step the
// time forward, "-" back, Ctrl with an arrow turns the view, a digit zooms unless it is on
// the numeric pad.
TEST_F(MainWindowTest, TimeStepRotationAndDigitKeys) {
  TVelarionMainForm& window = Start();
  QWidget& sky = *window.SkyArea().viewport();
  const double step = window.Session().Configuration().sky.autoRotation.timeStepDays;
  struct TCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    double steps;
    double turnDeg;
    int32_t zoom;
  };
  const TCase cases[] = {
      {Qt::Key_Equal, Qt::NoModifier, 1, 0, 100},
      {Qt::Key_Plus, Qt::KeypadModifier, 1, 0, 100},
      {Qt::Key_Minus, Qt::NoModifier, -1, 0, 100},
      {Qt::Key_Left, Qt::ControlModifier, 0, 10, 100},
      {Qt::Key_Right, Qt::ControlModifier, 0, -10, 100},
      {Qt::Key_3, Qt::KeypadModifier, 0, 0, 100},
      {Qt::Key_3, Qt::NoModifier, 0, 0, 200},
  };
  for (const TCase& c : cases) {
    QTest::keyClick(&sky, Qt::Key_Home);
    const double mjd = window.Image().Mjd();
    const double rotation = window.Image().ViewRotation();
    QTest::keyClick(&sky, c.key, c.modifiers);
    EXPECT_NEAR(window.Image().Mjd() - mjd, c.steps * step, 1e-9) << c.key;
    EXPECT_NEAR(std::remainder(window.Image().ViewRotation() - rotation, 360.0), c.turnDeg, 1e-9)
        << c.key;
    EXPECT_EQ(window.Image().Zoom(), c.zoom) << c.key;
  }
}

// A band half the window wide and little high: the zoom grows by the window's width over
// the band's.
TEST_F(MainWindowTest, ARegionDrawnWithTheRegionToolIsZoomedToTheWindow) {
  TVelarionMainForm& window = Start();
  window.SelectTool(TSkyTool::kRegionZoom);
  QWidget& sky = *window.SkyArea().viewport();
  const int band = sky.width() / 2;
  const QPoint from(40, 60);
  QTest::mousePress(&sky, Qt::LeftButton, {}, from);
  QTest::mouseRelease(&sky, Qt::LeftButton, {}, from + QPoint(band - 1, 10));
  EXPECT_EQ(window.Image().Zoom(), std::lround(100.0 * sky.width() / band)) << sky.width();
  EXPECT_GE(window.Image().Zoom(), 200);
}

TEST_F(MainWindowTest, WheelZoomKeepsTheSkyPointUnderThePointer) {
  TVelarionMainForm& window = Start();
  const QSize size = window.SkyArea().viewport()->size();
  const QPoint pointer(size.width() / 2 + 60, size.height() / 2 - 40);
  // Quick view (100 → 150 → 225), across to the detailed view and within it.
  for (const int32_t expectedZoom : {150, 225, 337, 505, 757, 1135}) {
    const auto before = SkyPointUnder(pointer);
    ASSERT_TRUE(before.has_value());
    Wheel(pointer, 120);
    ASSERT_EQ(window.Image().Zoom(), expectedZoom);
    const auto after = SkyPointUnder(pointer);
    ASSERT_TRUE(after.has_value()) << expectedZoom;
    // Within a pixel or two of the old layout.
    const double pixelDeg = 90.0 / window.Image().Radius();
    EXPECT_NEAR(
        std::remainder(after->first - before->first, 360.0) * std::cos(before->second * M_PI / 180),
        0.0, 3 * pixelDeg)
        << expectedZoom;
    EXPECT_NEAR(after->second, before->second, 3 * pixelDeg) << expectedZoom;
  }
}

TEST_F(MainWindowTest, AutoRotationDisablesTimeStepsAndStopsAtAnEarlierStopMoment) {
  TVelarionMainForm& window = Start();
  const double before = window.Image().Mjd();
  window.AutoRotationState().SetStop(before - 1.0);
  window.SetAutoRotation(true);
  EXPECT_FALSE(window.Tools().Available(TSkyTool::kRotation));
  EXPECT_EQ(window.Tools().Current(), TSkyTool::kNone);
  QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);  // disabled while it runs
  EXPECT_DOUBLE_EQ(window.Image().Mjd(), before);
  // The time-step buttons with their menu items.
  int timeStepButtons = 0;
  for (const auto* button : window.findChildren<QToolButton*>()) {
    const QString hint = button->toolTip();
    if (hint == "Вращать назад" || hint == "Вращать вперёд" || hint == "Текущее время") {
      EXPECT_FALSE(button->isEnabled()) << hint.toStdString();
      ++timeStepButtons;
    }
  }
  EXPECT_EQ(timeStepButtons, 3);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return !window.AutoRotating(); }));  // the first tick finds the stop behind it
  EXPECT_DOUBLE_EQ(window.Image().Mjd(), before);
  EXPECT_EQ(window.Tools().Current(), TSkyTool::kSelection);
}

TEST_F(MainWindowTest, RefreshSkyImageOnlyQueues) {
  TVelarionMainForm& window = Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Image().ViewChanged(); }));
  const int32_t composed = window.ComposeCount();
  EXPECT_EQ(RefreshSkyImage(1, nullptr), 1);
  EXPECT_FALSE(window.Image().ViewChanged());  // nothing happened inside the call
  EXPECT_EQ(window.ComposeCount(), composed);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.ComposeCount() > composed; }));
}

TEST_F(MainWindowTest, SpeedTestRendersExactly288FramesOverOneDay) {
  TVelarionMainForm& window = Start();
  const double before = window.Image().Mjd();
  const int32_t composed = window.ComposeCount();
  window.N22Click();
  EXPECT_EQ(window.ComposeCount() - composed, 288);
  EXPECT_NEAR(window.Image().Mjd() - before, 1.0, 1e-9);
  ASSERT_FALSE(messages_.empty());
  EXPECT_EQ(messages_.back().rfind("Тест скорости: Итого: ", 0), 0u) << messages_.back();
}

TEST_F(MainWindowTest, StateFileHandedOverDuringAModalDialogIsLoadedWhenItCloses) {
  TVelarionMainForm& window = Start();
  const std::string evening = folder_ + "/evening.vls";
  const std::string morning = folder_ + "/morning.vls";
  std::ofstream(evening) << "Velarion state file\nTime=61000.75\n";
  std::ofstream(morning) << "Velarion state file\r\nTime=61001.25\r\n";
  const std::size_t messagesAtStart = messages_.size();  // groups without their data
  QDialog dialog(&window);
  dialog.setModal(true);
  dialog.show();
  ASSERT_NE(QApplication::activeModalWidget(), nullptr);
  window.ReceiveStateFile(evening);
  QApplication::processEvents();
  EXPECT_NE(window.Image().Mjd(), 61000.75);
  dialog.close();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Image().Mjd() == 61000.75; }));
  window.ReceiveStateFile(morning);
  EXPECT_EQ(window.Image().Mjd(), 61001.25);
  EXPECT_EQ(messages_.size(), messagesAtStart);
}

TEST_F(MainWindowTest, AStateFileThatCannotBeReadIsReportedAndChangesNothing) {
  TVelarionMainForm& window = Start();
  const std::string damaged = folder_ + "/damaged.vls";
  std::ofstream(damaged) << "Velarion state file\nTime=61000.75\nSkyPoint=300,10,0\n";
  const double mjd = window.Image().Mjd();
  const std::size_t messagesAtStart = messages_.size();  // groups without their data
  window.ReceiveStateFile(damaged);
  EXPECT_EQ(window.Image().Mjd(), mjd);
  ASSERT_EQ(messages_.size(), messagesAtStart + 1);
  EXPECT_NE(messages_.back().find("Ошибка: Неверный файл состояния " + damaged + ", строка 3"),
            std::string::npos)
      << messages_.back();
}

// "default.vls" of the program folder sets the view at start: place, moment, point of view.
TEST_F(MainWindowTest, DefaultStateFileIsRestoredAtStart) {
  std::ofstream(folder_ + "/default.vls")
      << "Velarion state file\nLocation=-21.940000,64.150000,0.0\nTime=61425.958333333\n"
         "SkyPoint=1000,300.000000,1,0.050000,-0.100000\n";
  TVelarionMainForm& window = Start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Image().Zoom() == 1000; }));
  QTest::qWait(50);  // nothing moves it afterwards
  EXPECT_EQ(window.Image().Mjd(), 61425.958333333);
  EXPECT_EQ(window.Image().Latitude(), 64.15);
  EXPECT_EQ(window.Image().ViewRotation(), 300.0);
  EXPECT_TRUE(window.Image().Mirror());
  // The point of view in the middle of the sky area.
  const QSize area = window.SkyArea().viewport()->size();
  const QPoint middle = window.PicturePoint({area.width() / 2, area.height() / 2});
  const velarion::sky::TSkyImage& image = window.Image();
  EXPECT_NEAR(middle.x(), image.CentreX() + 0.05 * image.Radius(), 1.0);
  EXPECT_NEAR(middle.y(), image.CentreY() - 0.1 * image.Radius() * image.YScale(), 1.0);
}

// The zoom dialog from its shortcut: the zoom typed there becomes the view's.
TEST_F(MainWindowTest, CtrlZOpensTheZoomDialogAndAppliesTheZoomTyped) {
  TVelarionMainForm& window = Start();
  veltest::TFakeDialogs dialogs({[](veltest::TFakeControls& c, velplatform::TDialogLogic& l) {
    c.Type(l, velarion::ui::TSetZoomForm::kNewZoom, "250");
    return c.PressOk(l);
  }});
  QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
  ASSERT_EQ(dialogs.Shown().size(), 1U);
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.Image().Zoom() == 250; }));
}

TEST_F(MainWindowTest, LosingActivationReleasesThePictureAndTheNextPaintComposesIt) {
  TVelarionMainForm& window = Start();
  ASSERT_NE(window.SkyArea().Picture(), nullptr);
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(window.SkyArea().Picture(), nullptr);
  const int32_t composed = window.ComposeCount();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.SkyArea().viewport()->repaint();
  EXPECT_GT(window.ComposeCount(), composed);
  EXPECT_NE(window.SkyArea().Picture(), nullptr);
}

TEST_F(MainWindowTest, SettingsWrittenAtTheEnd) {
  TVelarionMainForm& window = Start();
  window.close();
  std::ifstream file(folder_ + "/Velarion.ini");
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("ET-UT=AUTO"), std::string::npos) << text;
  EXPECT_NE(text.find("TimeZone=AUTO"), std::string::npos);
}

TEST_F(MainWindowTest, AFailureToWriteTheSettingsIsReportedOnce) {
  // The atomic write's temporary file cannot be made, so the file cannot be replaced.
  fs::create_directory(folder_ + "/Velarion.ini.~" + std::to_string(::getpid()));
  TVelarionMainForm& window = Start();
  window.close();
  window_.reset();
  const auto reports = std::count_if(messages_.begin(), messages_.end(), [](const std::string& m) {
    return m.find("Не удалось записать файл настроек") != std::string::npos;
  });
  EXPECT_EQ(reports, 1);
}

}  // namespace
}  // namespace velarion::ui
