#include "MainUnit.h"
#include "WindowTexts.h"

#include "Concat.h"
#include "Cp1251.h"
#include "ExchangeServer.h"
#include "GroupModesDialog.h"
#include "HorizontalCoordinates.h"
#include "LoadCat.h"
#include "ObjectSearch.h"
#include "OutputConsole.h"
#include "OverwriteQuestion.h"
#include "ProgramFolder.h"
#include "ProjectionExports.h"
#include "QtDialogs.h"
#include "RefreshExport.h"
#include "ValueFormat.h"
#include "ZoomSteps.h"
#include "velastro.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <iostream>

namespace velarion::ui {

namespace {

using velplatform::Concat;
using velplatform::Cp1251;

constexpr int32_t kSpeedTestFrames = 288;
constexpr int kHintlessToolBarMs = 400;
constexpr const char* kProgramTitle = "Velarion";
constexpr std::string_view kConsoleFile = "console.def";

}  // namespace

// ---- Creation ---------------------------------------------------------------------------

TVelarionMainForm::TVelarionMainForm(TMainFormOptions options)
    : options_(std::move(options)), requests_([this] {
        QMetaObject::invokeMethod(
            this, [this] { HandleRequests(); }, Qt::QueuedConnection);
      }) {
  if (!options_.exchangeName.isEmpty()) {
    exchange_ =
        std::make_unique<TExchangeServer>(options_.exchangeName, [this](const std::string& text) {
          if (isMinimized()) showNormal();
          raise();
          activateWindow();
          ReceiveStateFile(text);
        });
  }
  setMinimumSize(300, 450);
  CreateStatusBar();
  toolBar_ = new QToolBar(this);
  addToolBar(Qt::BottomToolBarArea, toolBar_);
  toolBar_->setMovable(false);
  session_ = std::make_unique<TSkySession>(options_.programFolder, ScreenMetrics(), options_.clock);
  if (!session_->SymbolFontInstalled()) {
    Inform(Handle(), "Ошибка присоединения шрифта astrof.ttf\nФайл шрифта не найден или повреждён",
           "Ошибка", velplatform::TMessageIcon::kError);
  }
  splitter_ = new QSplitter(Qt::Vertical, this);
  CreateConsole();
  skyArea_ = new TSkyArea(splitter_, Image(), *this);
  splitter_->addWidget(skyArea_);
  splitter_->setStretchFactor(1, 1);
  setCentralWidget(splitter_);
  connect(skyArea_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { SkyScrolled(); });
  connect(skyArea_->verticalScrollBar(), &QScrollBar::valueChanged, this,
          [this] { SkyScrolled(); });

  CreateCommands();
  searchMenu_->addAction(QStringLiteral("..."))->setEnabled(false);
  groupOptionsMenu_ = new QMenu(this);
  CreateToolBarControls();
  autoRotationTimer_ = new QTimer(this);
  connect(autoRotationTimer_, &QTimer::timeout, this, [this] { AutoRotationTick(); });
  blinkTimer_ = new QTimer(this);
  blinkTimer_->setInterval(TSelectionBlink::kIntervalMs);
  connect(blinkTimer_, &QTimer::timeout, this, [this] { BlinkTick(); });
  toolBarTimer_ = new QTimer(this);
  toolBarTimer_->setInterval(kHintlessToolBarMs);
  connect(toolBarTimer_, &QTimer::timeout, this, [this] {
    if (!toolBar_->underMouse() && !statusBar()->underMouse()) {
      toolBar_->hide();
      toolBarTimer_->stop();
    }
  });
  CreateHint();
  statusBar()->installEventFilter(this);
  qApp->installEventFilter(this);  // modal dialogs closing release waiting state files

  ApplyWindowSettings();
  SetRefreshRequestQueue(&requests_);
  solar::SetOutputConsole([this](std::string_view lines) { console_->AddText(lines); });
  Image().SetTimeNow();
  SetZoomAround(100, false, false, true, 0, 0);
  skyArea_->viewport()->setCursor(Qt::CrossCursor);
  UpdateToolBar();
  UpdateCaption();
  UpdateCommandStates();
}

TVelarionMainForm::~TVelarionMainForm() {
  Shutdown();
  qApp->removeEventFilter(this);
  solar::SetOutputConsole({});
  SetRefreshRequestQueue(nullptr);
}

sky::TScreenMetrics TVelarionMainForm::ScreenMetrics() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  sky::TScreenMetrics metrics;
  metrics.scrollBarSize = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  if (screen == nullptr) return metrics;
  metrics.dpiX = screen->logicalDotsPerInchX();
  metrics.dpiY = screen->logicalDotsPerInchY();
  metrics.usableHeight = screen->availableGeometry().height() - menuBar()->sizeHint().height() -
                         statusBar()->sizeHint().height() - toolBar_->sizeHint().height();
  return metrics;
}

void TVelarionMainForm::CreateStatusBar() {
  // Each panel is as wide as the widest text it shows, in the font it shows it in; the
  // message panel takes the rest.
  static constexpr std::array<std::string_view, 4> kWidestTexts{
      "200000%", "31 дек 9999 до н.э. 23ч 59м 59с", "Шир/Долг: -89.99°/-179.99°",
      "Аз.:359.99° Выс.:-89.99°"};
  for (std::size_t i = 0; i < panels_.size(); ++i) {
    panels_[i] = new QLabel(this);
    panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panels_[i]->setFrameShape(QFrame::StyledPanel);
    panels_[i]->setFrameShadow(QFrame::Sunken);
    if (i < kWidestTexts.size()) {
      const int margins =
          panels_[i]->contentsMargins().left() + panels_[i]->contentsMargins().right();
      const int text = panels_[i]->fontMetrics().horizontalAdvance(Ru(kWidestTexts[i]));
      panels_[i]->setMinimumWidth(text + margins + 2 * panels_[i]->frameWidth() + 8);
      statusBar()->addWidget(panels_[i]);
    } else {
      statusBar()->addWidget(panels_[i], 1);
    }
  }
}

void TVelarionMainForm::CreateConsole() {
  consolePane_ = new QWidget(splitter_);
  auto* layout = new QHBoxLayout(consolePane_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  consoleText_ = new QPlainTextEdit(consolePane_);
  consoleText_->setReadOnly(true);
  consoleText_->setLineWrapMode(QPlainTextEdit::NoWrap);
  consoleText_->installEventFilter(this);
  layout->addWidget(consoleText_, 1);
  auto* buttons = new QVBoxLayout;
  const auto button = [&](std::string_view hint, std::string_view text, auto handler) {
    auto* b = new QToolButton(consolePane_);
    b->setText(Ru(text));
    b->setToolTip(Ru(hint));
    connect(b, &QToolButton::clicked, this, handler);
    buttons->addWidget(b);
  };
  button("Закрыть консоль", "×", [this] { ShowConsoleMIClick(); });
  button("Сохранить консоль в файле", "С", [this] { ConsoleSaveClick(); });
  button("Очистить консоль", "О", [this] { ConsoleClearClick(); });
  buttons->addStretch();
  layout->addLayout(buttons);
  splitter_->addWidget(consolePane_);
  consolePane_->hide();
  console_ = std::make_unique<TVelarionConsole>(
      *consoleText_, *consolePane_, [this] { requests_.Post(TConsoleToggleRequest{}); });
  connect(splitter_, &QSplitter::splitterMoved, this, [this](int position) {
    const int available = splitter_->height();
    if (const auto share = ConsoleShareForSplitter(position, available)) {
      session_->Configuration().window.consoleSizePercent = *share;
      return;
    }
    const int console =
        static_cast<int>(available * session_->Configuration().window.consoleSizePercent / 100.0);
    splitter_->setSizes({console, available - console});
  });
}

// The sliders and the arrow pad after the command buttons.
void TVelarionMainForm::CreateToolBarControls() {
  toolBar_->addSeparator();
  const auto slider = [&](std::string_view hint, int low, int high, QLabel** value) {
    auto* s = new QSlider(Qt::Horizontal, toolBar_);
    s->setToolTip(Ru(hint));
    s->setRange(low, high);
    s->setMaximumWidth(90);
    toolBar_->addWidget(s);
    if (value != nullptr) {
      *value = new QLabel(toolBar_);
      (*value)->setMinimumWidth(30);
      toolBar_->addWidget(*value);
    }
    connect(s, &QSlider::valueChanged, this, [this] { StarSliderChanged(); });
    return s;
  };
  starSlider_ = slider("Яркость видимых звёзд", -20, 70, &starValue_);
  labelSlider_ = slider("Яркость подписанных звёзд", -20, 70, &labelValue_);
  for (QSlider* s : {starSlider_, labelSlider_}) {
    s->setSingleStep(5);
    s->setPageStep(5);
  }
  sizeSlider_ = slider("Размер подписей", 1, 10, nullptr);
  levelsSlider_ = slider("Число градаций яркости", 1, 24, nullptr);

  arrowPad_ = new QWidget(toolBar_);
  auto* pad = new QGridLayout(arrowPad_);
  pad->setContentsMargins(0, 0, 0, 0);
  pad->setSpacing(0);
  const auto arrow = [&](const char* text, int row, int column, int dx, int dy) {
    auto* b = new QToolButton(arrowPad_);
    b->setText(QString::fromUtf8(text));
    b->setAutoRepeat(true);
    connect(b, &QToolButton::clicked, this, [this, dx, dy] { Pan(dx, dy); });
    pad->addWidget(b, row, column);
  };
  arrow("▲", 0, 1, 0, -kPanStep);
  arrow("◀", 1, 0, -kPanStep, 0);
  arrow("▶", 1, 2, kPanStep, 0);
  arrow("▼", 2, 1, 0, kPanStep);
  // A widget in a tool bar is shown and hidden through its action.
  arrowPadAction_ = toolBar_->addWidget(arrowPad_);
}

void TVelarionMainForm::ApplyWindowSettings() {
  const TConfiguration& c = session_->Configuration();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
  const int width = std::clamp(c.window.main.width, minimumWidth(),
                               std::max(minimumWidth(), available.width() - 4));
  const int height = std::clamp(c.window.main.height, minimumHeight(),
                                std::max(minimumHeight(), available.height() - 4));
  resize(width, height);
  move(std::clamp(c.window.main.left, available.left(),
                  std::max(available.left(), available.right() - width)),
       std::clamp(c.window.main.top, available.top(),
                  std::max(available.top(), available.bottom() - height)));
  console_->AutoSaveConsole = c.console.autoSave;
  console_->AutoFontSize = c.console.autoFontSize;
  console_->SetFont(c.console.font);
  if (console_->AutoSaveConsole) {
    console_->AutoShowConsole = false;  // read from the settings only afterwards
    console_->LoadFromFile(session_->SettingsFolder() + std::string(kConsoleFile));
  }
  console_->AutoShowConsole = c.console.autoShow;
  if (c.window.showConsole) ShowConsoleMIClick();
  CommandAction(&TVelarionMainForm::N24Click)->setChecked(c.window.popToolBar);
  toolBar_->setVisible(!c.window.popToolBar);
}

void TVelarionMainForm::ShowAsConfigured() {
  if (session_->Configuration().window.main.maximised) {
    showMaximized();
  } else {
    show();
  }
}

// ---- Start-up and shutdown --------------------------------------------------------------

void TVelarionMainForm::StartUp() {
  {
    TSkySession& session = *session_;
    const bool paced = options_.paced;
    TLoadCatForm form(
        skyArea_,
        [&session, paced](groups::TLoadLog& log, const std::atomic<bool>& terminated) {
          return session.LoadGroups(log, paced, terminated);
        },
        paced);
    form.exec();
    groups::TGroupList& list = session_->Groups();
    for (int32_t i = form.PlacedGroupCount(); i < list.Count(); ++i) {
      groups::TGroupListElement& element = list.Element(i);
      const groups::TSkyObjectGroup* group = element.Group();
      if (group != nullptr && (group->ShowInQuickView || group->ShowInDetailedView)) {
        ChooseGroupModes(Handle(), element);
      }
    }
  }
  BuildGroupMenus();
  started_ = true;
  starting_ = false;
  UpdateCommandStates();
  ReceiveStateFile(StartStateFile());
  Image().MarkViewChanged();
  Redraw(false);
  HandleRequests();
}

void TVelarionMainForm::BuildGroupMenus() {
  searchMenu_->clear();
  groupOptionsMenu_->clear();
  for (QAction* action : groupActionItems_) operationsMenu_->removeAction(action);
  groupActionItems_.clear();
  searchableGroups_ = false;
  const groups::TGroupList& list = session_->Groups();
  for (int32_t i = 0; i < list.Count(); ++i) {
    groups::TSkyObjectGroup* group = list.Element(i).Group();
    if (group == nullptr) continue;
    const std::string code = group->Code;  // a value: the menus outlive no group, but say so
    if (group->HasSearch) {
      searchableGroups_ = true;
      connect(searchMenu_->addAction(Q(group->Name)), &QAction::triggered, this,
              [this, code] { SearchGroup(code); });
    }
    if (group->HasOptions) {
      connect(groupOptionsMenu_->addAction(Q(group->Name)), &QAction::triggered, this,
              [this, code] { EditGroupOptions(code); });
    }
    if (group->HasAction) {
      if (groupActionItems_.empty()) groupActionItems_.push_back(operationsMenu_->addSeparator());
      QAction* action = operationsMenu_->addAction(Q(group->GetActionCaption()));
      connect(action, &QAction::triggered, this, [this, code] { RunGroupAction(code); });
      groupActionItems_.push_back(action);
    }
  }
  if (!searchableGroups_) searchMenu_->addAction(QStringLiteral("..."))->setEnabled(false);
}

void TVelarionMainForm::closeEvent(QCloseEvent* event) {
  if (starting_) {
    event->ignore();  // the loading window is closed by the loading alone
    return;
  }
  Shutdown();
  event->accept();
}

void TVelarionMainForm::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  SetAutoRotation(false);
  exchange_.reset();
  TConfiguration& c = session_->Configuration();
  const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
  c.window.main = {normal.x(), normal.y(), normal.width(), normal.height(), isMaximized()};
  c.window.showConsole = !consolePane_->isHidden();
  if (infoForm_ != nullptr) c.window.infoFormPlacement = infoForm_->PlacementToKeep();
  c.window.popToolBar = CommandAction(&TVelarionMainForm::N24Click)->isChecked();
  c.console = {console_->AutoSaveConsole, console_->AutoShowConsole, console_->Font(),
               console_->AutoFontSize};
  if (console_->AutoSaveConsole) {
    console_->SaveToFile(session_->SettingsFolder() + std::string(kConsoleFile));
  }
  if (!session_->SaveSettings() && !settingsFailureReported_) {
    settingsFailureReported_ = true;
    velplatform::ShowMessageBox(
        Handle(),
        {Concat({Cp1251("Не удалось записать файл настроек "), session_->SettingsFile()}),
         Cp1251("Ошибка"), velplatform::TMessageButtons::kOk, velplatform::TMessageIcon::kError});
  }
}

// ---- The redraw cycle -------------------------------------------------------------------

QPoint TVelarionMainForm::ScrollPosition() const {
  if (session_->Image().DetailedView()) return {0, 0};
  return {skyArea_->horizontalScrollBar()->value(), skyArea_->verticalScrollBar()->value()};
}

QPoint TVelarionMainForm::PicturePoint(QPoint areaPoint) const {
  return areaPoint + ScrollPosition();
}

velplatform::TDrawDevice& TVelarionMainForm::Canvas() {
  const QPoint scroll = ScrollPosition();
  return skyArea_->Canvas(scroll.x(), scroll.y());
}

void TVelarionMainForm::PrepareSky() {
  if (!started_) return;
  Image().PaintSky(Canvas(), false, tracking_);
  if (tracking_) TrackInQuickView();
}

void TVelarionMainForm::TrackInQuickView() {
  sky::TSkyImage& image = Image();
  int32_t x = 0;
  int32_t y = 0;
  if (image.DetailedView() || !image.GetSelectionCentre(x, y)) return;
  const double dx = x - image.CentreX();
  const double dy = (y - image.CentreY()) / image.YScale();
  if (std::hypot(dx, dy) > image.Radius() * 1.1) return;
  const QSize size = skyArea_->viewport()->size();
  ScrollTo({x - size.width() / 2, y - size.height() / 2});
}

void TVelarionMainForm::Redraw(bool immediate) {
  PrepareSky();
  composeNeeded_ = true;
  if (immediate) {
    skyArea_->viewport()->repaint();
  } else {
    skyArea_->viewport()->update();
  }
  UpdateStatusPanels();
  UpdateInfoWindow(false, false, false, false);
}

void TVelarionMainForm::ComposeSky() {
  Image().PaintSky(Canvas(), true, tracking_);
  composeNeeded_ = false;
  ++composeCount_;
}

void TVelarionMainForm::UpdateStatusPanels() {
  const sky::TStatusTexts& texts = Image().StatusTexts();
  panels_[0]->setText(Q(texts.zoom));
  panels_[1]->setText(Q(texts.localMoment));
  panels_[2]->setText(Q(texts.place));
}

QString TVelarionMainForm::StatusPanelText(int panel) const {
  return panel >= 0 && panel < static_cast<int>(panels_.size())
             ? panels_[static_cast<std::size_t>(panel)]->text()
             : QString();
}

void TVelarionMainForm::SyncViewRect() {
  sky::TSkyImage& image = Image();
  const QSize size = skyArea_->viewport()->size();
  if (image.DetailedView()) {
    image.SetViewRect(size.width(), size.height(), -image.CentreX(), -image.CentreY(), false,
                      false);
  } else {
    image.SetViewRect(size.width(), size.height(), skyArea_->horizontalScrollBar()->value(),
                      skyArea_->verticalScrollBar()->value(),
                      skyArea_->horizontalScrollBar()->isVisible(),
                      skyArea_->verticalScrollBar()->isVisible());
  }
}

void TVelarionMainForm::UpdateScrollRanges() {
  const sky::TSkyImage& image = Image();
  adjustingScroll_ = true;
  QScrollBar* h = skyArea_->horizontalScrollBar();
  QScrollBar* v = skyArea_->verticalScrollBar();
  if (image.DetailedView()) {
    skyArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    skyArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    h->setRange(0, 0);
    v->setRange(0, 0);
  } else {
    skyArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    skyArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const TImageSize picture = QuickImageSize(image.Radius(), image.YScale());
    const QSize size = skyArea_->viewport()->size();
    h->setRange(0, std::max(0, picture.width - size.width()));
    v->setRange(0, std::max(0, picture.height - size.height()));
    h->setPageStep(size.width());
    v->setPageStep(size.height());
  }
  adjustingScroll_ = false;
}

void TVelarionMainForm::ScrollTo(QPoint position) {
  adjustingScroll_ = true;
  skyArea_->horizontalScrollBar()->setValue(position.x());
  skyArea_->verticalScrollBar()->setValue(position.y());
  adjustingScroll_ = false;
  SyncViewRect();
}

void TVelarionMainForm::SetViewTime(bool repaintOnly, double mjd) {
  sky::TSkyImage& image = Image();
  image.SetMjd(mjd);
  if (image.ViewChanged()) Redraw(repaintOnly);
  ShowReadOut(skyArea_->viewport()->mapFromGlobal(QCursor::pos()));
}

void TVelarionMainForm::SetZoomAround(int32_t zoom, bool keepScroll, bool redraw, bool fromCentre,
                                      int32_t y, int32_t x) {
  const QSize size = skyArea_->viewport()->size();
  const QPoint centre(size.width() / 2, size.height() / 2);
  const QPoint picture = fromCentre ? PicturePoint(centre) : QPoint(x, y);
  const QPoint area = fromCentre ? centre : picture - ScrollPosition();
  ZoomKeeping(zoom, keepScroll, picture, area);
  if (redraw) Redraw(false);
}

void TVelarionMainForm::ZoomKeeping(int32_t zoom, bool keepScroll, QPoint picturePoint,
                                    QPoint areaPoint) {
  sky::TSkyImage& image = Image();
  SyncViewRect();
  image.UpdateLayout(image.Zoom());
  const TDiscLayout before{image.CentreX(), image.CentreY(), std::max(1, image.Radius())};
  image.UpdateLayout(zoom);
  UpdateScrollRanges();
  const QSize size = skyArea_->viewport()->size();
  if (image.DetailedView()) {
    const TScrollOffset offset =
        ScrollKeepingPoint(before, {0, 0, std::max(1, image.Radius())}, picturePoint.x(),
                           picturePoint.y(), areaPoint.x(), areaPoint.y());
    image.SetViewRect(size.width(), size.height(), offset.x, offset.y, false, false);
  } else {
    SyncViewRect();
    image.UpdateLayout(zoom);  // the disc placed for the scroll bars now shown
    if (!keepScroll) {
      const TScrollOffset offset = ScrollKeepingPoint(
          before, {image.CentreX(), image.CentreY(), std::max(1, image.Radius())}, picturePoint.x(),
          picturePoint.y(), areaPoint.x(), areaPoint.y());
      ScrollTo({offset.x, offset.y});
    }
    SyncViewRect();
  }
  if (image.DetailedView() != detailedShown_) ModeChanged();
  UpdateCaption();
  arrowPadAction_->setVisible(image.DetailedView());
}

bool TVelarionMainForm::ArrowPadShown() const { return arrowPadAction_->isVisible(); }

void TVelarionMainForm::ModeChanged() {
  detailedShown_ = Image().DetailedView();
  tools_.SetDetailedView(detailedShown_);
  const int high = detailedShown_ ? 200 : 70;
  starSlider_->setMaximum(high);
  labelSlider_->setMaximum(high);
  UpdateToolBar();
  UpdateCommandStates();
}

void TVelarionMainForm::UpdateCaption() {
  setWindowTitle(Ru(Concat(
      {kProgramTitle, Image().DetailedView() ? " (Детальный просмотр)" : " (Быстрый просмотр)"})));
}

void TVelarionMainForm::UpdateToolBar() {
  const sky::TSkyImage& image = Image();
  const bool detailed = image.DetailedView();
  for (QSlider* s : {starSlider_, labelSlider_, sizeSlider_, levelsSlider_}) s->blockSignals(true);
  starSlider_->setValue(image.StarLimit(detailed) / 10);
  labelSlider_->setValue(image.LabelLimit(detailed) / 10);
  sizeSlider_->setValue(static_cast<int>(std::lround(image.LabelFontSize(detailed))));
  levelsSlider_->setValue(image.StarSizes(detailed));
  for (QSlider* s : {starSlider_, labelSlider_, sizeSlider_, levelsSlider_}) s->blockSignals(false);
  starValue_->setText(Q(sky::FixedToText(1, starSlider_->value() / 10.0)));
  labelValue_->setText(Q(sky::FixedToText(1, labelSlider_->value() / 10.0)));
  for (const auto& [row, action] : commandItems_) {
    if (const auto* shown = std::get_if<TVisibilityButton>(&row->action)) {
      action->setChecked(image.ObjectVisible(shown->position));
    }
  }
  CommandAction(&TVelarionMainForm::N26Click)->setChecked(image.GridSettings().azimuthGrid != 0);
  CommandAction(&TVelarionMainForm::N27Click)->setChecked(image.GridSettings().equatorialGrid != 0);
}

void TVelarionMainForm::StarSliderChanged() {
  sky::TSkyImage& image = Image();
  if (image.DetailedView()) {
    image.SetDetailedStarLimit(starSlider_->value() * 10);
    image.SetDetailedLabelLimit(labelSlider_->value() * 10);
    image.SetDetailedLabelFontSize(sizeSlider_->value());
    image.SetDetailedStarSizes(levelsSlider_->value());
  } else {
    image.SetStarLimit(starSlider_->value() * 10);
    image.SetLabelLimit(labelSlider_->value() * 10);
    image.SetLabelFontSize(sizeSlider_->value());
    image.SetStarSizes(levelsSlider_->value());
  }
  starValue_->setText(Q(sky::FixedToText(1, starSlider_->value() / 10.0)));
  labelValue_->setText(Q(sky::FixedToText(1, labelSlider_->value() / 10.0)));
  Redraw(false);
}

void TVelarionMainForm::UpdateCommandStates() {
  const TCommandStates states = CommandStates(autoRotation_.On(), searchableGroups_);
  for (const TCommandHandler step :
       {&TVelarionMainForm::RotateFClick, &TVelarionMainForm::RotateBClick,
        &TVelarionMainForm::RotateNowClick}) {
    CommandAction(step)->setEnabled(states.timeSteps);
  }
  searchMenu_->setEnabled(!autoRotation_.On());
  CommandAction(&TVelarionMainForm::SpeedButton4Click)->setEnabled(states.dateTime);
  for (const auto& [row, action] : commandItems_) {
    if (const auto* tool = std::get_if<TSkyTool>(&row->action)) {
      action->setEnabled(tools_.Available(*tool));
      action->setChecked(tools_.Current() == *tool);
    }
  }
  CommandAction(&TVelarionMainForm::AutorotationMenuItemClick)->setChecked(autoRotation_.On());
  CommandAction(&TVelarionMainForm::TrackMenuItemClick)->setChecked(tracking_);
}

// ---- Painting ---------------------------------------------------------------------------

void TVelarionMainForm::SkyPaint(QPainter& painter) {
  const QColor night = QColor::fromRgb(0, 0, 0);
  if (!started_) {
    painter.fillRect(skyArea_->viewport()->rect(), night);
    if (!starting_) {
      starting_ = true;
      // Right after this first paint, outside it: the loading window runs its own loop.
      QTimer::singleShot(0, this, [this] { StartUp(); });
    }
    return;
  }
  if (const std::optional<double> rotation = input_.PreviewRotation(InputView())) {
    PaintRotationPreview(painter, *rotation);
    return;
  }
  SyncViewRect();
  const QImage* picture = skyArea_->Picture();
  if (composeNeeded_ || picture == nullptr || picture->size() != skyArea_->viewport()->size()) {
    ComposeSky();
    picture = skyArea_->Picture();
  }
  if (picture != nullptr) painter.drawImage(0, 0, *picture);
  PaintOverlay(painter);
  if (blink_.AfterPaint()) blinkTimer_->start();
}

void TVelarionMainForm::PaintOverlay(QPainter& painter) {
  const std::optional<TSkyInput::TDrag>& drag = input_.Drag();
  if (!drag || !drag->moved) return;
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  QPen pen(Qt::white);
  const QPoint press(drag->pressArea.x, drag->pressArea.y);
  const QPoint current(drag->currentArea.x, drag->currentArea.y);
  if (drag->tool == TSkyTool::kRegionZoom) {
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.drawRect(QRect(press, current).normalized());
  } else if (drag->tool == TSkyTool::kAngle) {
    painter.setPen(pen);
    painter.drawLine(press, current);
  }
}

void TVelarionMainForm::PaintRotationPreview(QPainter& painter, double rotation) {
  const sky::TSkyImage& image = Image();
  painter.fillRect(skyArea_->viewport()->rect(), Qt::black);
  const QPointF centre = QPointF(image.CentreX(), image.CentreY()) - ScrollPosition();
  const double change = RotationChange(input_.Drag()->startRotationDeg, rotation);
  painter.save();
  painter.translate(centre);
  painter.rotate(-change);  // the screen's y axis points down
  painter.translate(-centre);
  painter.drawImage(0, 0, previewPicture_);
  painter.restore();
  painter.setPen(Qt::white);
  const std::string label =
      Concat({std::to_string(static_cast<int>(rotation)), "° (", change > 0 ? "+" : "",
              std::to_string(static_cast<int>(change)), "°)"});
  painter.drawText(QPoint(8, 16), QString::fromStdString(label));
}

void TVelarionMainForm::BlinkTick() {
  if (blink_.Tick()) {
    Image().DrawSelectionMarks(Canvas());
    skyArea_->viewport()->update();
  }
  if (!blink_.Running()) blinkTimer_->stop();
}

// ---- Requests ---------------------------------------------------------------------------

void TVelarionMainForm::HandleRequests() {
  if (!started_) return;  // the loading is still running; they wait for its end
  for (const TMainRequest& request : requests_.TakeAll()) HandleRequest(request, *this);
}

void TVelarionMainForm::RepaintIfChanged() {
  if (Image().ViewChanged()) Redraw(false);
}

void TVelarionMainForm::ZoomAtCentre(int32_t zoom, bool keepScroll) {
  SetZoomAround(zoom, keepScroll, true, true, 0, 0);
}

void TVelarionMainForm::ZoomAround(const TZoomRequest& r) {
  SetZoomAround(r.zoom, r.keepScroll, r.redraw, false, r.y, r.x);
}

void TVelarionMainForm::ResetAutoRotationInterval() {
  autoRotationTimer_->setInterval(
      AutoRotationIntervalMs(session_->Configuration().sky.autoRotation.refreshIntervalCode));
}

void TVelarionMainForm::DestroyDialog(int32_t /*dialogId*/) {
  // The dialogs that send closing requests (date, zoom, time step) come with their own
  // windows; none is open yet.
}

bool TVelarionMainForm::RecalculateGroup(const std::string& code) {
  groups::TGroupListElement* element = session_->Groups().FindElement(code);
  const uint8_t mode = Image().DetailedView() ? 1 : 0;
  if (element == nullptr || !element->VisibleInMode(mode)) return false;
  const QSize size = skyArea_->viewport()->size();
  groups::CalculateElement(*element, mode, {0, 0, size.width(), size.height()}, false,
                           Image().RefreshParamRecord());
  composeNeeded_ = true;
  return true;
}

void TVelarionMainForm::MarkViewChanged() { Image().MarkViewChanged(); }

void TVelarionMainForm::Repaint() { Redraw(false); }

void TVelarionMainForm::ShowMessage(const std::string& text, bool repaintStatusBar) {
  panels_[4]->setText(Q(text));
  if (repaintStatusBar) statusBar()->repaint();
}

bool TVelarionMainForm::eventFilter(QObject* watched, QEvent* event) {
  HideHintOn(*event);
  if (event->type() == QEvent::Hide && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isModal() && !stateFiles_.Empty()) {
    // Once the modal loop has ended, not while the dialog is being hidden.
    QTimer::singleShot(0, this, [this] { FlushStateFiles(); });
  }
  // The console only shows text: the keys that move the sky keep doing so while it has the
  // focus (copying and selecting stay the console's).
  if (watched == consoleText_ && event->type() == QEvent::KeyPress &&
      SkyKey(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  if (watched == statusBar() && event->type() == QEvent::Enter &&
      CommandAction(&TVelarionMainForm::N24Click)->isChecked()) {
    toolBar_->show();
    toolBarTimer_->start();
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---- Commands ---------------------------------------------------------------------------

void TVelarionMainForm::RotateFClick() {
  if (autoRotation_.On()) return;
  SetViewTime(true, Image().Mjd() + session_->Configuration().sky.autoRotation.timeStepDays);
}

void TVelarionMainForm::RotateBClick() {
  if (autoRotation_.On()) return;
  SetViewTime(true, Image().Mjd() - session_->Configuration().sky.autoRotation.timeStepDays);
}

void TVelarionMainForm::RotateNowClick() {
  if (autoRotation_.On()) return;
  SetViewTime(true, Image().NowMjd());
}

void TVelarionMainForm::AutorotationMenuItemClick() { SetAutoRotation(!autoRotation_.On()); }

void TVelarionMainForm::SetAutoRotation(bool on) {
  autoRotation_.SetOn(on);
  tools_.SetAutoRotating(on);
  if (on) {
    ResetAutoRotationInterval();
    autoRotationTimer_->start();
  } else {
    autoRotationTimer_->stop();
  }
  UpdateCommandStates();
}

void TVelarionMainForm::AutoRotationTick() {
  const TAutoRotation& settings = session_->Configuration().sky.autoRotation;
  const TAutoRotationParams params{settings.timeStepDays, settings.forward, settings.realTime};
  const std::optional<double> next = autoRotation_.Tick(params, Image().Mjd(), Image().NowMjd());
  if (!next) {
    SetAutoRotation(false);
    return;
  }
  SetViewTime(true, *next);
}

void TVelarionMainForm::TrackMenuItemClick() { SetTracking(!tracking_); }

void TVelarionMainForm::SetTracking(bool on) {
  tracking_ = on;
  UpdateCommandStates();
  if (on) Redraw(false);
}

void TVelarionMainForm::N7Click() { close(); }

void TVelarionMainForm::N22Click() {
  sky::TSkyImage& image = Image();
  const double start = image.Mjd();
  QElapsedTimer timer;
  timer.start();
  for (int32_t frame = 1; frame <= kSpeedTestFrames; ++frame) {
    // From the start each time, so that the day adds up exactly.
    image.SetMjd(start + static_cast<double>(frame) / kSpeedTestFrames);
    PrepareSky();
    ComposeSky();
    skyArea_->viewport()->repaint();
    UpdateStatusPanels();
    statusBar()->repaint();
  }
  const double seconds = std::max(1e-9, timer.nsecsElapsed() / 1e9);
  velplatform::ShowMessageBox(
      Handle(), {Concat({Cp1251("Итого: "), sky::FixedToText(2, seconds), Cp1251("сек. ("),
                         sky::FixedToText(4, kSpeedTestFrames / seconds), " fps)"}),
                 Cp1251("Тест скорости"), velplatform::TMessageButtons::kOk,
                 velplatform::TMessageIcon::kInformation});
}

void TVelarionMainForm::N24Click() {
  const bool pop = CommandAction(&TVelarionMainForm::N24Click)->isChecked();
  session_->Configuration().window.popToolBar = pop;
  toolBar_->setVisible(!pop);
}

void TVelarionMainForm::SetGrid(bool horizontal, bool shown) {
  sky::TGridSettings grid = Image().GridSettings();
  (horizontal ? grid.azimuthGrid : grid.equatorialGrid) = shown ? 1 : 0;
  Image().SetGridSettings(grid);
  UpdateToolBar();
  Redraw(false);
}

void TVelarionMainForm::N26Click() { SetGrid(true, Image().GridSettings().azimuthGrid == 0); }
void TVelarionMainForm::N27Click() { SetGrid(false, Image().GridSettings().equatorialGrid == 0); }

void TVelarionMainForm::SetVisibility(int position, bool visible) {
  Image().SetObjectVisible(position, visible);
  Redraw(false);
}

void TVelarionMainForm::ShowConsoleMIClick() {
  const bool show = consolePane_->isHidden();
  consolePane_->setVisible(show);
  CommandAction(&TVelarionMainForm::ShowConsoleMIClick)->setChecked(show);
  if (show) {
    const int available = splitter_->height();
    const int console =
        static_cast<int>(available * session_->Configuration().window.consoleSizePercent / 100.0);
    splitter_->setSizes({console, available - console});
  } else {
    skyArea_->setFocus();
  }
}

void TVelarionMainForm::ConsoleSaveClick() {
  const QString file = QFileDialog::getSaveFileName(
      this, Ru("Файл для сохранения содержимого консоли"), QDir::currentPath(), QString(), nullptr,
      QFileDialog::DontConfirmOverwrite);
  if (file.isEmpty()) return;
  const std::string path = file.toStdString();
  if (!MayWriteFile(Handle(), path)) return;
  console_->SaveToFile(path);
}

void TVelarionMainForm::ConsoleClearClick() { console_->ClearConsole(Handle()); }

void TVelarionMainForm::SelectTool(TSkyTool tool) {
  tools_.Select(tool);
  Perform(input_.Cancel());
  UpdateCommandStates();
}

void TVelarionMainForm::GroupOptionsButtonClick() { groupOptionsMenu_->popup(QCursor::pos()); }

void TVelarionMainForm::EditGroupOptions(const std::string& code) {
  groups::TSkyObjectGroup* group = session_->Groups().FindGroup(code);
  if (group != nullptr && group->EditOptions(Handle())) requests_.Post(TRefreshRequest{true, code});
}

void TVelarionMainForm::RunGroupAction(const std::string& code) {
  groups::TSkyObjectGroup* group = session_->Groups().FindGroup(code);
  if (group == nullptr || !group->AdvancedAction(Handle())) return;
  Image().MarkViewChanged();
  Redraw(false);
}

void TVelarionMainForm::SearchGroup(const std::string& code) {
  groups::TSkyObjectGroup* searcher = session_->Groups().FindGroup(code);
  groups::TSearchHit hit;
  if (searcher == nullptr || !searcher->SelectObjectForSearch(Handle(), hit)) return;
  groups::TGroupListElement* element = session_->Groups().FindElement(hit.code);
  groups::TSkyObjectGroup* group = element != nullptr ? element->Group() : nullptr;
  if (group == nullptr) return;
  sky::TSkyImage& image = Image();
  TEquatorial place{hit.ra, hit.dec};
  if (group->EpochKind == 1) place = PrecessToDate(place, group->Epoch, GetT(image.Mjd()));
  if (NeverRises(place.decDeg, image.Latitude())) {
    Inform(Handle(), "На текущей широте этот объект не виден.", "Информация",
           velplatform::TMessageIcon::kInformation);
  } else {
    PointAtDatePlace(place.raDeg, place.decDeg);
  }
  image.SelectSkyObject(group, hit.number);
  PrepareSky();
  groups::TObjectRect rect;
  if (!element->VisibleInMode(image.DetailedView() ? 1 : 0)) {
    Inform(Handle(), "Группа объекта не отображается (отключена) в текущем режиме просмотра.",
           "Ошибка", velplatform::TMessageIcon::kError);
  } else if (!group->GetObjectRect(hit.number, rect)) {
    Inform(Handle(), "При текущих настройках этот объект не отображается.", "Ошибка",
           velplatform::TMessageIcon::kError);
  } else {
    blink_.Request();
  }
  Redraw(false);
}

void TVelarionMainForm::PointAtDatePlace(double raDeg, double decDeg) {
  sky::TSkyImage& image = Image();
  const sky::TObserverView observer{image.Mjd(),      image.SiderealTime(),     image.Longitude(),
                                    image.Latitude(), image.AzimuthFromSouth(), false,
                                    image.Pressure(), image.Temperature()};
  // Below the horizon: the view time moves to the place's transit.
  if (sky::HorizontalCoordinates(raDeg, decDeg, image.Mjd(), observer).altitude < 0.0) {
    image.SetMjd(image.Mjd() + TransitShiftDays(raDeg, image.SiderealTime()));
  }
  PrepareSky();
  SetEpoch(0.0, 2);
  int32_t x = 0;
  int32_t y = 0;
  if (RaDecToXY(raDeg, decDeg, &x, &y)) CentreOnPicturePoint({x, y}, true);
}

void TVelarionMainForm::CentreOnPicturePoint(QPoint point, bool onlyWhenFarOff) {
  sky::TSkyImage& image = Image();
  const QSize size = skyArea_->viewport()->size();
  const QPoint off = point - PicturePoint({size.width() / 2, size.height() / 2});
  if (image.DetailedView()) {
    if (onlyWhenFarOff && std::abs(off.x()) <= size.width() / 10 &&
        std::abs(off.y()) <= size.height() / 10)
      return;
    image.SetViewRect(size.width(), size.height(), -image.CentreX() + off.x(),
                      -image.CentreY() + off.y(), false, false);
  } else {
    ScrollTo(ScrollPosition() + off);
  }
  PrepareSky();
}

// ---- Window events ----------------------------------------------------------------------

void TVelarionMainForm::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || isActiveWindow() || session_ == nullptr) return;
  // Another program has the user: drop a drag in progress and the off-screen picture.
  Perform(input_.Cancel());
  if (Image().ShowAsBitmap()) {
    skyArea_->ReleasePicture();
    composeNeeded_ = true;
  }
}

void TVelarionMainForm::SkyResized() {
  if (adjustingScroll_) return;
  UpdateScrollRanges();
  SyncViewRect();
  Redraw(false);
}

void TVelarionMainForm::SkyScrolled() {
  if (adjustingScroll_) return;
  SyncViewRect();
  composeNeeded_ = true;
  skyArea_->viewport()->update();
}

}  // namespace velarion::ui
