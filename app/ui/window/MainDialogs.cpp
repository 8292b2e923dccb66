// The main window's commands that open the setup dialogs, and what it does with their
// answers: the view time, the zoom, the time step, auto rotation, the view rotation, grids,
// colour schemes, the parameters, pointing at given coordinates, the group list.
#include "MainUnit.h"

#include "AboutForm.h"
#include "CatalogForm.h"
#include "ColorSchemesSelect.h"
#include "ConsoleParamForm.h"
#include "GridSetupForm.h"
#include "ObjectSearch.h"
#include "ParSet.h"
#include "ProjectionExports.h"
#include "SetAutoRParams.h"
#include "SetAzimuthAngle.h"
#include "SetDateTimeForm.h"
#include "SetEquPoint.h"
#include "SetHorPoint.h"
#include "SetRotAngleForm.h"
#include "SetZoomForm.h"
#include "SkyGeometry.h"
#include "WindowTexts.h"
#include "velastro.h"

#include <QFontDatabase>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>

namespace velarion::ui {

namespace {

TFontFamilies InstalledFontFamilies() {
  TFontFamilies fonts;
  for (const QString& family : QFontDatabase::families()) {
    const std::string name = velplatform::Utf16ToCp1251(family.toStdU16String());
    fonts.normal.push_back(name);
    if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Greek)) {
      fonts.greek.push_back(name);
    }
  }
  return fonts;
}

std::vector<std::string> FixedPitchFamilies() {
  std::vector<std::string> families;
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::isFixedPitch(family)) {
      families.push_back(velplatform::Utf16ToCp1251(family.toStdU16String()));
    }
  }
  return families;
}

}  // namespace

void TVelarionMainForm::AfterModalDialog() {
  FlushStateFiles();
  UpdateToolBar();
  RepaintIfChanged();
}

// The pop-ups: what each chose reaches the window as a closing request, handled from its
// event loop once the pop-up is gone.

void TVelarionMainForm::SpeedButton4Click() {
  // The date and time stand beside the "now" button that they belong with.
  ShowSetDateTimeForm(Handle(), PopupAnchor(&TVelarionMainForm::RotateNowClick), Image(),
                      [this](std::optional<TDateTimeChoice> choice) {
                        TDialogClosedRequest request{kDateTimeCommand, choice.has_value()};
                        if (choice) {
                          Image().SetDeltaTAutomatic(choice->deltaTAutomatic);
                          if (!choice->deltaTAutomatic)
                            Image().SetDeltaTSeconds(choice->deltaTSeconds);
                          request.mjd = choice->mjdUt;
                        }
                        requests_.Post(request);
                      });
}

void TVelarionMainForm::SetRAngleBtnClick() {
  ShowSetRotAngleForm(Handle(), PopupAnchor(&TVelarionMainForm::SetRAngleBtnClick),
                      session_->Configuration().sky.autoRotation.timeStepDays,
                      [this](std::optional<double> step) {
                        if (step) session_->Configuration().sky.autoRotation.timeStepDays = *step;
                        requests_.Post(TDialogClosedRequest{kTimeStepCommand, step.has_value()});
                      });
}

void TVelarionMainForm::SetAutoRParamsBtnClick() {
  ShowSetAutoRParams(
      Handle(), PopupAnchor(&TVelarionMainForm::SetAutoRParamsBtnClick),
      session_->Configuration().sky.autoRotation, [this](std::optional<TAutoRotation> chosen) {
        if (chosen) session_->Configuration().sky.autoRotation = *chosen;
        requests_.Post(TDialogClosedRequest{kAutoRotationCommand, chosen.has_value()});
      });
}

void TVelarionMainForm::SpeedButton2Click() {
  ShowSetAzimuthAngle(
      Handle(), PopupAnchor(&TVelarionMainForm::SpeedButton2Click), Image(),
      [this](std::optional<double> rotation) {
        if (rotation) Image().SetViewRotation(*rotation);
        requests_.Post(TDialogClosedRequest{kRotationCommand, rotation.has_value()});
      });
}

void TVelarionMainForm::SpeedButton3Click() {
  ShowSetZoomForm(Handle(), PopupAnchor(&TVelarionMainForm::SpeedButton3Click), Image().Zoom(),
                  [this](std::optional<TZoomChoice> choice) {
                    TDialogClosedRequest request{kZoomCommand, choice.has_value()};
                    if (choice) {
                      request.zoom = choice->zoom;
                      request.keepScroll = choice->keepScroll;
                    }
                    requests_.Post(request);
                  });
}

velplatform::TScreenRect TVelarionMainForm::PopupAnchor(TCommandHandler button) const {
  const QWidget* widget =
      toolBar_->isVisible() ? toolBar_->widgetForAction(CommandAction(button)) : nullptr;
  // With the tool bar hidden the pop-up stands at the foot of the sky.
  const QWidget& shownBeside =
      widget != nullptr ? *widget : static_cast<const QWidget&>(*statusBar());
  const QPoint corner = shownBeside.mapToGlobal(QPoint(0, 0));
  return {corner.x(), corner.y(), shownBeside.width(), shownBeside.height()};
}

void TVelarionMainForm::N28Click() {
  if (ShowGridSetupForm(Handle(), Image())) Image().MarkViewChanged();
  AfterModalDialog();
}

void TVelarionMainForm::EditColorSchemesClick() {
  if (ShowColorSchemesSelect(Handle(), session_->Schemes(), Image()).accepted) {
    Image().MarkViewChanged();
  }
  AfterModalDialog();
}

void TVelarionMainForm::OpenParamForm(TParamPage page) {
  const std::string cityFile = options_.programFolder + "city.dat";
  if (ShowParamForm(Handle(), Image(), session_->Configuration(), InstalledFontFamilies(), cityFile,
                    page)) {
    Image().MarkViewChanged();
  }
  AfterModalDialog();
}

void TVelarionMainForm::N11Click() { OpenParamForm(TParamPage::kPlace); }

void TVelarionMainForm::N34Click() {
  const TConsoleParams current{console_->Font(), console_->AutoShowConsole,
                               console_->AutoSaveConsole};
  if (const auto chosen = ShowConsoleParamForm(Handle(), current, FixedPitchFamilies())) {
    console_->SetFont(chosen->font);
    console_->AutoShowConsole = chosen->autoShow;
    console_->AutoSaveConsole = chosen->autoSave;
  }
  AfterModalDialog();
}

void TVelarionMainForm::N3Click() {
  ShowAboutForm(Handle());
  AfterModalDialog();
}

// The point at the middle of the sky area, in the frame of the date.
std::optional<TEquatorialPoint> TVelarionMainForm::CentrePoint() {
  const QSize size = skyArea_->viewport()->size();
  const QPoint centre = PicturePoint({size.width() / 2, size.height() / 2});
  PrepareSky();
  SetEpoch(0.0, 2);
  double ra = 0.0;
  double dec = 0.0;
  if (!XYToRaDec(centre.x(), centre.y(), &ra, &dec)) return std::nullopt;
  return TEquatorialPoint{ra, dec};
}

void TVelarionMainForm::GotoEquatorialPoint() {
  sky::TSkyImage& image = Image();
  const double dateT = GetT(image.Mjd());
  const TEquatorialPoint start = CentrePoint().value_or(TEquatorialPoint{});
  const std::optional<TEquatorialPoint> point =
      ShowSetEquPoint(Handle(), image.Mjd(), start, dateT);
  if (point) {
    if (NeverRises(point->decDeg, image.Latitude())) {
      Inform(Handle(), "На текущей широте эта точка не видна.", "Информация",
             velplatform::TMessageIcon::kInformation);
    } else {
      PointAtDatePlace(point->raDeg, point->decDeg);
    }
  }
  AfterModalDialog();
}

void TVelarionMainForm::GotoHorizontalPoint() {
  const QSize size = skyArea_->viewport()->size();
  const QPoint centre = PicturePoint({size.width() / 2, size.height() / 2});
  const TDiscPoint here = PixelToHorizontal(DiscView(), centre.x(), centre.y());
  const THorizontalPoint start{here.azimuthDeg, here.insideDisc ? here.altitudeDeg : 0.0};
  if (const auto point = ShowSetHorPoint(Handle(), start)) {
    const TPixel pixel = HorizontalToPixel(DiscView(), point->azimuthDeg, point->altitudeDeg);
    CentreOnPicturePoint({pixel.x, pixel.y}, false);
    Redraw(false);
  }
  AfterModalDialog();
}

void TVelarionMainForm::N21Click() {
  TCatalogForm form(this, session_->Groups(), Image().DetailedView(), [this] {
    requests_.Post(TRefreshRequest{true, ""});
  });
  if (form.exec() == QDialog::Accepted) {
    Image().MarkViewChanged();
    Redraw(false);
  }
  AfterModalDialog();
}

}  // namespace velarion::ui
