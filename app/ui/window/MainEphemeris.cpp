// The main window's ephemeris tables: the wizard opened from the menu or for an object, and
// the tables it asks for, written into the console under a progress window that can stop
// them.
#include "MainUnit.h"

#include "Cp1251.h"
#include "EphemerisTables.h"
#include "EphemerisWizard.h"
#include "Progress.h"
#include "SelectedPopupMenu.h"

#include <QApplication>
#include <QCursor>

#include <array>

namespace velarion::ui {

// What the wizard asks of the window.
class TWindowEphemerisHost final : public TEphemerisHost {
 public:
  explicit TWindowEphemerisHost(TVelarionMainForm& form) : form_(form) {}

  std::vector<TMenuObject> SelectedObjects() override { return form_.SelectedMenuObjects(); }
  std::vector<TMenuObject> ChooseSelected() override {
    return form_.ChooseSelectedObjects(QCursor::pos(), {});
  }
  double ViewLocalMjd() const override {
    return form_.Image().Mjd() + form_.Image().TimeZone() / 24.0;
  }
  bool WriteGroupTable(const std::vector<TMenuObject>& objects,
                       const ephemeris::TColumnChoice& columns) override {
    std::vector<sky::TSelectedObject> listed;
    for (const TMenuObject& object : objects) listed.push_back(object.object);
    return form_.WriteEphemerisTable([&](ephemeris::TEphemerisTables& tables) {
      return tables.WriteGroupTable(listed, columns);
    });
  }
  bool WritePeriodTable(const TMenuObject& object, const ephemeris::TPeriod& period,
                        const ephemeris::TColumnChoice& columns) override {
    return form_.WriteEphemerisTable([&](ephemeris::TEphemerisTables& tables) {
      return tables.WritePeriodTable(object.object, period, columns);
    });
  }

 private:
  TVelarionMainForm& form_;
};

std::vector<TMenuObject> TVelarionMainForm::SelectedMenuObjects(
    const TSelectedObjectsChoice::TFilter& accept) {
  std::vector<TMenuObject> objects = MenuObjects(
      Image().Selection(), [this](const sky::TSelectedObject& s) { return CommonRecordOf(s); });
  if (accept) std::erase_if(objects, [&accept](const TMenuObject& o) { return !accept(o); });
  return objects;
}

std::vector<TMenuObject> TVelarionMainForm::ChooseSelectedObjects(
    QPoint at, const TSelectedObjectsChoice::TFilter& accept) {
  TSelectedObjectsChoice choice;
  choice.Build(
      Image().Selection(), [this](const sky::TSelectedObject& s) { return CommonRecordOf(s); },
      accept);
  std::vector<TMenuObject> chosen;
  if (choice.Objects().empty()) return chosen;
  QWidget* owner = QApplication::activeModalWidget();
  if (!PopupSelectedObjects(owner != nullptr ? *owner : *this, at, choice, MenuFonts())) {
    return chosen;
  }
  for (const TMenuObject& object : choice.Objects()) {
    for (int32_t i = 0; i < choice.ChosenCount(); ++i) {
      if (choice.Chosen(i) == object.object) chosen.push_back(object);
    }
  }
  return chosen;
}

bool TVelarionMainForm::WriteEphemerisTable(const TTableWriter& write) {
  // The tables move the view; the records of the moment before must not be taken for theirs.
  commonRecords_.Clear();
  TVelarionConsole& console = Console();
  const auto toConsole = [&console](std::string_view line) {
    const std::array<std::string, 1> lines{std::string(line)};
    console.AddLines(lines);
  };
  ephemeris::TTableOutcome outcome = ephemeris::TTableOutcome::kWritten;
  console.BeginUpdate();
  velplatform::RunWithProgress(Handle(), velplatform::Cp1251("Идет расчёт..."),
                               [&](const velplatform::TProgressReport& report) {
                                 ephemeris::TEphemerisTables tables(
                                     Image(), [this] { RecalculateView(); }, toConsole, report);
                                 outcome = write(tables);
                                 return outcome == ephemeris::TTableOutcome::kWritten;
                               });
  console.EndUpdate();
  commonRecords_.Clear();
  Image().MarkViewChanged();
  Redraw(false);
  return outcome == ephemeris::TTableOutcome::kWritten;
}

void TVelarionMainForm::RecalculateView() {
  Image().MarkViewChanged();
  Image().PrepareView(Canvas());
}

void TVelarionMainForm::ShowEphemerisWizard(TEphemerisPage page, int32_t periodObject) {
  TWindowEphemerisHost host(*this);
  TEphemerisWizard wizard(host, Console().TableObjects, page, periodObject, Handle());
  velplatform::RunDialog(Handle(), TEphemerisWizard::Layout(), wizard);
  AfterModalDialog();
}

void TVelarionMainForm::EphemeridesMIClick() { ShowEphemerisWizard(TEphemerisPage::kKind, 0); }

void TVelarionMainForm::OpenEphemerides(const TEphemerisRequest& request) {
  const std::vector<TMenuObject> selected = SelectedMenuObjects();
  const auto isRequested = [&request](const TMenuObject& o) {
    return o.object.group->Code == request.object.groupCode &&
           o.object.index == request.object.number;
  };
  const auto found = std::find_if(selected.begin(), selected.end(), isRequested);
  if (request.kind == 0) {  // the object over a period
    if (found == selected.end()) return velplatform::Beep();
    ShowEphemerisWizard(TEphemerisPage::kPeriod, static_cast<int32_t>(found - selected.begin()));
    return;
  }
  std::vector<TMenuObject>& list = Console().TableObjects;
  const auto add = [&list](const TMenuObject& object) {
    const bool listed = std::any_of(list.begin(), list.end(), [&object](const TMenuObject& o) {
      return o.object == object.object;
    });
    if (!listed) list.push_back(object);
  };
  if (request.kind == 1) {
    if (found == selected.end()) return velplatform::Beep();
    add(*found);
  } else {
    if (selected.empty()) return velplatform::Beep();
    for (const TMenuObject& object : selected) add(object);
  }
  ShowEphemerisWizard(TEphemerisPage::kGroup, 0);
}

}  // namespace velarion::ui
