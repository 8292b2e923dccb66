// TVelarionMainForm: the program's main window and its controller: start-up and shutdown,
// the redraw cycle through the sky image, time stepping, auto rotation, tracking, the
// tools of the sky area, the queued requests of dialogs and plug-ins, and the hand-over
// from a second start. The decisions live in the plain classes beside it (zoom steps, sky
// geometry, tools, input, auto rotation, requests); this class wires them to Qt. Its menus
// and tool bar come from the command table (MainCommands), its input goes through
// TSkyInput (MainInput.cpp), its setup dialogs are opened in MainDialogs.cpp.
#ifndef VELARION_APP_UI_WINDOW_MAINUNIT_H
#define VELARION_APP_UI_WINDOW_MAINUNIT_H

#include "AutoRotation.h"
#include "EphemerisTables.h"
#include "EphemerisWizard.h"
#include "EquatorialPrecession.h"
#include "InfoForm.h"
#include "MainCommands.h"
#include "MainRequests.h"
#include "MarkupPainter.h"
#include "ObjectCommonRecord.h"
#include "ObjectPathsForm.h"
#include "ParSet.h"
#include "SavePicture.h"
#include "SaveStateForm.h"
#include "SelectionBlink.h"
#include "SkyArea.h"
#include "SkyGeometry.h"
#include "SkyInput.h"
#include "SkyPopupMenu.h"
#include "SkySession.h"
#include "SkyTools.h"
#include "StateFileInbox.h"
#include "StateOfView.h"
#include "VelarionConsole.h"

#include <QMainWindow>
#include <QPoint>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QSlider;
class QSplitter;
class QTimer;
class QToolBar;

namespace velarion::ui {

class TExchangeServer;
class TSkyHintWindow;

// The window's entry: makes the widget application, hands a state-file argument over to a
// running copy (and ends) or shows the window and runs until it closes.
int RunMainWindow(int argc, char** argv);

struct TMainFormOptions {
  std::string programFolder;  // ending with "/"
  // Loading lines stay readable (30 ms, 500 ms after an error and at the end).
  bool paced = true;
  std::string stateFile;  // absolute, from the command line; empty when none
  QString exchangeName;   // the single-copy server's name; empty: none
  sky::TClockSource clock = sky::SystemClock();
};

class TVelarionMainForm final : public QMainWindow, public TRequestTarget, private TSkyAreaEvents {
 public:
  explicit TVelarionMainForm(TMainFormOptions options);
  ~TVelarionMainForm() override;

  // Shows the window placed and maximised as the configuration says.
  void ShowAsConfigured();

  TSkySession& Session() { return *session_; }
  sky::TSkyImage& Image() { return session_->Image(); }
  TVelarionConsole& Console() { return *console_; }
  TSkyArea& SkyArea() { return *skyArea_; }
  bool Started() const { return started_; }
  const TSkyTools& Tools() const { return tools_; }
  bool AutoRotating() const { return autoRotation_.On(); }
  TAutoRotationState& AutoRotationState() { return autoRotation_; }
  bool Tracking() const { return tracking_; }
  QString StatusPanelText(int panel) const;
  // The arrow pad for panning, shown in the detailed view only.
  bool ArrowPadShown() const;
  // How many times the sky was composed (each full picture drawn).
  int32_t ComposeCount() const { return composeCount_; }
  TRequestQueue& Requests() { return requests_; }
  // The picture point under a point of the sky area.
  QPoint PicturePoint(QPoint areaPoint) const;

  // ---- Operations used by other parts ----
  void SetViewTime(bool repaintOnly, double mjd);
  void SetZoomAround(int32_t zoom, bool keepScroll, bool redraw, bool fromCentre, int32_t y,
                     int32_t x);
  void UpdateToolBar();
  // A state-file name from a second start (or the command line): handled once no modal
  // dialog is open.
  void ReceiveStateFile(const std::string& name);

  // ---- Commands ----
  void RotateFClick();
  void RotateBClick();
  void RotateNowClick();
  void SaveStateClick();     // the chosen parts of the view into a state file
  void RestoreStateClick();  // a state file chosen in the state folder
  void FileSaveWorkClick();  // the sky as a picture file
  void AutorotationMenuItemClick();
  void TrackMenuItemClick();
  void N7Click();   // exit
  void N22Click();  // speed test
  void N24Click();  // pop-up tool bar
  void N26Click();  // horizontal grid
  void N27Click();  // equatorial grid
  void ShowConsoleMIClick();
  void ConsoleSaveClick();
  void ConsoleClearClick();
  void SelectTool(TSkyTool tool);
  // The setup dialogs.
  void SpeedButton4Click();       // date and time
  void SetRAngleBtnClick();       // time step
  void SetAutoRParamsBtnClick();  // auto rotation parameters
  void SpeedButton2Click();       // view rotation
  void SpeedButton3Click();       // zoom
  void N28Click();                // grid settings
  void EditColorSchemesClick();
  void N11Click();  // parameters
  void N3Click();   // about
  void N34Click();  // console settings
  void GotoEquatorialPoint();
  void GotoHorizontalPoint();
  void SearchGroup(const std::string& code);
  void EditGroupOptions(const std::string& code);
  void RunGroupAction(const std::string& code);
  void GroupOptionsButtonClick();  // the pop-up menu of the groups' options

  // ---- TRequestTarget ----
  void SetViewTime(double mjd) override { SetViewTime(false, mjd); }
  void RepaintIfChanged() override;
  void ZoomAtCentre(int32_t zoom, bool keepScroll) override;
  void ZoomAround(const TZoomRequest& request) override;
  void ResetAutoRotationInterval() override;
  void DestroyDialog(int32_t dialogId) override;
  bool RecalculateGroup(const std::string& code) override;
  void MarkViewChanged() override;
  void Repaint() override;
  void ToggleConsole() override { ShowConsoleMIClick(); }
  void ResetConsoleShowRequest() override { console_->ResetShowRequest(); }
  void ShowMessage(const std::string& text, bool repaintStatusBar) override;
  void SetAutoRotation(bool on) override;
  void SetTracking(bool on) override;
  void UpdateInfoWindow(bool create, bool show, bool scrollToTop, bool focus) override;
  void InfoWindowClosed() override;
  bool SelectOnly(const TObjectReference& object) override;
  void OpenObjectPaths(const TPathsRequest& request) override;
  void OpenEphemerides(const TEphemerisRequest& request) override;

  // ---- Information ----
  // The sky's right-click menu at a point of the screen.
  void ShowSkyPopupMenu(QPoint at);
  std::optional<kit::TCommonObject> CommonRecordOf(const sky::TSelectedObject& object);
  void OTHERInfoClick();      // the information window for the selection (Ctrl+I)
  void CommonInformClick();   // the general information
  void EphemeridesMIClick();  // the ephemeris tables
  void N21Click();            // the group list window (F9)
  void ObjPathMIClick();      // the object paths
  // The selected objects the program knows something of (those `accept` takes, all when
  // it is empty), the last selected first.
  std::vector<TMenuObject> SelectedMenuObjects(const TSelectedObjectsChoice::TFilter& accept = {});
  // The selected-objects menu at `at` (screen pixels): what the user chose of them.
  std::vector<TMenuObject> ChooseSelectedObjects(QPoint at,
                                                 const TSelectedObjectsChoice::TFilter& accept);
  // Selects the object and opens the information window for it.
  void ShowObjectInfo(std::string_view groupCode, int32_t number);
  TInfoForm* InfoWindow() const { return infoForm_; }
  // The object hint now shown (none while hidden).
  const TSkyHintWindow& Hint() const { return *hint_; }
  // A key from another of the program's windows: the command whose shortcut it is runs.
  bool TriggerShortcut(const QKeyEvent& key);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class TWindowEphemerisHost;
  friend class TWindowPathsHost;
  // A command's menu item or tool button, as built from its row of the table.
  struct TCommandItem {
    const TCommandRow* row;
    QAction* action;
  };

  // Creation.
  sky::TScreenMetrics ScreenMetrics() const;
  // The menus and the command buttons of the tool bar, from the table (MainCommands.cpp).
  void CreateCommands();
  QAction* CreateCommandAction(const TCommandRow& row, QWidget* menu);
  void ConnectCommand(QAction& action, const TCommandAction& command);
  void AddToolButtons();
  QAction* CommandAction(TCommandHandler handler) const;
  void CreateToolBarControls();
  void CreateStatusBar();
  void CreateConsole();
  void ApplyWindowSettings();
  // Start-up loading, once, right after the first paint.
  void StartUp();
  void BuildGroupMenus();
  void Shutdown();

  // The redraw cycle.
  velplatform::TDrawDevice& Canvas();
  void PrepareSky();
  void Redraw(bool immediate);
  void ComposeSky();
  void UpdateStatusPanels();
  void TrackInQuickView();
  void SyncViewRect();
  void UpdateScrollRanges();
  void ZoomKeeping(int32_t zoom, bool keepScroll, QPoint picturePoint, QPoint areaPoint);
  void ModeChanged();
  void UpdateCaption();
  void UpdateCommandStates();
  void AutoRotationTick();
  void BlinkTick();
  void HandleRequests();
  void FlushStateFiles();
  // State files (MainState.cpp).
  std::string StartStateFile() const;
  void LoadState(const std::string& path);
  void FollowState(const TStateFollowUp& followUp);
  bool WriteState(const TSaveStateChoice& choice);
  // The state folder: the last one saved into, at first the settings' own.
  std::string StateFolderNow() const;
  // Pictures (MainPicture.cpp): the view drawn at the picture's size, the window's layout
  // given back afterwards; the writer's message when the file was not written.
  std::optional<std::string> SaveViewAsPicture(const TPictureRequest& request);
  QPoint ScrollPosition() const;
  void ScrollTo(QPoint position);
  void CentreOnPicturePoint(QPoint point, bool onlyWhenFarOff);
  // Moves the time to the place's transit when it is below the horizon, then centres on it.
  void PointAtDatePlace(double raDeg, double decDeg);
  std::optional<TEquatorialPoint> CentrePoint();
  void OpenParamForm(TParamPage page);
  // Where a pop-up dialog stands: beside the tool button of the command.
  velplatform::TScreenRect PopupAnchor(TCommandHandler button) const;
  void AfterModalDialog();
  void SetVisibility(int position, bool visible);
  void SetGrid(bool horizontal, bool shown);
  void StarSliderChanged();
  velplatform::TWindowHandle Handle() { return reinterpret_cast<velplatform::TWindowHandle>(this); }

  // Input (MainInput.cpp).
  TDiscView DiscView() const;
  TInputView InputView() const;
  void Perform(const TInputAction& action);
  void Pan(int32_t dx, int32_t dy);
  void Rotate(double degrees);
  void ShowReadOut(QPoint areaPoint);

  // TSkyAreaEvents
  void SkyPaint(QPainter& painter) override;
  void SkyMouseDown(QMouseEvent& event) override;
  void SkyMouseMove(QMouseEvent& event) override;
  void SkyMouseUp(QMouseEvent& event) override;
  void SkyDoubleClick(QMouseEvent& event) override;
  void SkyWheel(QWheelEvent& event) override;
  bool SkyKey(QKeyEvent& event) override;
  void SkyResized() override;
  void SkyScrolled() override;
  void PaintRotationPreview(QPainter& painter, double rotationDeg);
  void PaintOverlay(QPainter& painter);
  // The fonts of the menus that show objects as on the map.
  TMarkupFonts MenuFonts() const;
  // Ephemeris tables (MainEphemeris.cpp): a table written into the console under a
  // progress window; false when it was not written whole.
  using TTableWriter = std::function<ephemeris::TTableOutcome(ephemeris::TEphemerisTables&)>;
  bool WriteEphemerisTable(const TTableWriter& write);
  // Every group recalculated for the view as it now is (the tables and paths move it).
  void RecalculateView();
  void ShowEphemerisWizard(TEphemerisPage page, int32_t periodObject);
  // Object paths (MainPaths.cpp): the path group of an object, made on first use in the
  // second group list; a fit under a progress window, false when it was cancelled.
  paths::TObjectPath* PathOf(const sky::TSelectedObject& object) const;
  bool ComputeObjectPath(const TPathEntry& entry, const paths::TTimeSpan& span);
  void RemoveObjectPath(const TPathEntry& entry);
  void ShowObjectPaths();
  // The object hint.
  void CreateHint();
  void HintPointerMoved(const QMouseEvent& event);
  void ShowObjectHint();
  void HideHintOn(const QEvent& event);

  TMainFormOptions options_;
  TRequestQueue requests_;
  std::unique_ptr<TSkySession> session_;
  std::unique_ptr<TExchangeServer> exchange_;
  TSkyArea* skyArea_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QWidget* consolePane_ = nullptr;
  QPlainTextEdit* consoleText_ = nullptr;
  std::unique_ptr<TVelarionConsole> console_;
  QToolBar* toolBar_ = nullptr;
  QWidget* arrowPad_ = nullptr;
  QAction* arrowPadAction_ = nullptr;
  std::array<QLabel*, 5> panels_{};
  QMenu* searchMenu_ = nullptr;
  QMenu* gotoPointMenu_ = nullptr;
  QMenu* operationsMenu_ = nullptr;
  QMenu* groupOptionsMenu_ = nullptr;
  std::vector<QAction*> groupActionItems_;
  std::vector<TCommandItem> commandItems_;
  QPointer<TInfoForm> infoForm_;  // a child of the window
  TCommonRecordSource commonRecords_;
  std::vector<TPathEntry> pathEntries_;  // the paths window's list, kept while the program runs
  TSkyHintWindow* hint_ = nullptr;
  QTimer* hintTimer_ = nullptr;
  QSlider* starSlider_ = nullptr;
  QSlider* labelSlider_ = nullptr;
  QSlider* sizeSlider_ = nullptr;
  QSlider* levelsSlider_ = nullptr;
  QLabel* starValue_ = nullptr;
  QLabel* labelValue_ = nullptr;
  QTimer* autoRotationTimer_ = nullptr;
  QTimer* blinkTimer_ = nullptr;
  QTimer* toolBarTimer_ = nullptr;

  TSkyTools tools_;
  TAutoRotationState autoRotation_;
  TSelectionBlink blink_;
  TStateFileInbox stateFiles_;
  // Where the next state file is proposed (empty until one is saved) and its number.
  std::string stateFolder_;
  int32_t stateCounter_ = 0;
  // The same for pictures; only saved pictures are counted.
  std::string pictureFolder_;
  int32_t pictureCounter_ = 0;
  TSkyInput input_;
  bool started_ = false;
  bool starting_ = false;
  bool tracking_ = false;
  bool composeNeeded_ = true;
  bool adjustingScroll_ = false;
  bool searchableGroups_ = false;
  bool shutDown_ = false;
  bool settingsFailureReported_ = false;
  bool detailedShown_ = false;
  int32_t composeCount_ = 0;
  QImage previewPicture_;  // the picture turned while the rotation tool drags
};

}  // namespace velarion::ui

#endif
