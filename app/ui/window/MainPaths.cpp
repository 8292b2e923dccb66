// The main window's object paths: the window "Траектории объектов" and the path groups it
// makes, each in the second group list, fitted under a progress window that can stop them.
#include "MainUnit.h"

#include "Cp1251.h"
#include "GroupViewMover.h"
#include "ObjectPath.h"
#include "ObjectPathList.h"
#include "ObjectPathsForm.h"
#include "Progress.h"
#include "StdGroup.h"
#include "velastro.h"

#include <QCursor>

namespace velarion::ui {

namespace {

bool HasPlace(const TMenuObject& object) { return object.hasPosition; }

}  // namespace

// What the paths window asks of the main window.
class TWindowPathsHost final : public TPathsHost {
 public:
  explicit TWindowPathsHost(TVelarionMainForm& form) : form_(form) {}

  std::vector<TMenuObject> ChooseSelected() override {
    return form_.ChooseSelectedObjects(QCursor::pos(), HasPlace);
  }
  double ViewLocalMjd() const override {
    return form_.Image().Mjd() + form_.Image().TimeZone() / 24.0;
  }
  double TimeZoneHours() const override { return form_.Image().TimeZone(); }
  bool ComputePath(const TPathEntry& entry, const paths::TTimeSpan& span) override {
    return form_.ComputeObjectPath(entry, span);
  }
  void RemovePath(const TPathEntry& entry) override { form_.RemoveObjectPath(entry); }
  bool PathsFirst() const override { return form_.Image().PathsFirst(); }
  void SetPathsFirst(bool first) override {
    if (first == form_.Image().PathsFirst()) return;
    form_.Image().SetPathOrder(first);
    form_.Redraw(false);
  }

 private:
  TVelarionMainForm& form_;
};

paths::TObjectPath* TVelarionMainForm::PathOf(const sky::TSelectedObject& object) const {
  groups::TGroupList& list = session_->Paths();
  for (int32_t i = 0; i < list.Count(); ++i) {
    auto* wrapper = dynamic_cast<groups::TStdGroup*>(list.Element(i).Group());
    auto* path =
        wrapper != nullptr ? dynamic_cast<paths::TObjectPath*>(&wrapper->Group()) : nullptr;
    if (path != nullptr && &path->SourceGroup() == object.group &&
        path->SourceObject() == object.index) {
      return path;
    }
  }
  return nullptr;
}

bool TVelarionMainForm::ComputeObjectPath(const TPathEntry& entry, const paths::TTimeSpan& span) {
  const sky::TSelectedObject object = entry.object.object;
  paths::TObjectPath* path = PathOf(object);
  if (path == nullptr) path = &paths::AddObjectPath(session_->Paths(), *object.group, object.index);
  path->SetMarks(entry.fields.marks);
  bool computed = true;
  if (PathSpanMoved(path->ComputedSpan(), span)) {
    computed = velplatform::RunWithProgress(
        Handle(), velplatform::Cp1251("Ждите. Идет расчет траектории..."),
        [&](const velplatform::TProgressReport& report) {
          ephemeris::TGroupViewMover mover(Image(), [this] { RecalculateView(); });
          const paths::TPathPositionSource source =
              [&mover, object](double t) -> std::optional<paths::TPlaceOfEquinox> {
            mover.MoveTo(TToMJD(t), *object.group);
            double ra = 0.0, dec = 0.0;
            if (!object.group->GetObjectRaDec(object.index, ra, dec)) return std::nullopt;
            return paths::TPlaceOfEquinox{ra, dec, mover.EquinoxT(*object.group)};
          };
          return path->Compute(span.tStart, span.tEnd, source, report);
        });
  }
  commonRecords_.Clear();
  Image().MarkViewChanged();
  Redraw(false);
  return computed;
}

void TVelarionMainForm::RemoveObjectPath(const TPathEntry& entry) {
  const paths::TObjectPath* path = PathOf(entry.object.object);
  if (path == nullptr || !paths::RemoveObjectPath(session_->Paths(), *path)) return;
  Image().MarkViewChanged();
  Redraw(false);
}

void TVelarionMainForm::ShowObjectPaths() {
  TWindowPathsHost host(*this);
  TObjectPathsForm form(host, pathEntries_, Handle());
  velplatform::RunDialog(Handle(), TObjectPathsForm::Layout(), form);
  AfterModalDialog();
}

void TVelarionMainForm::ObjPathMIClick() { ShowObjectPaths(); }

void TVelarionMainForm::OpenObjectPaths(const TPathsRequest& request) {
  std::vector<TMenuObject> objects = SelectedMenuObjects(HasPlace);
  if (!request.forSelection) {
    std::erase_if(objects, [&request](const TMenuObject& o) {
      return o.object.group->Code != request.object.groupCode ||
             o.object.index != request.object.number;
    });
  }
  if (objects.empty()) return velplatform::Beep();
  const double now = Image().Mjd() + Image().TimeZone() / 24.0;
  for (const TMenuObject& object : objects) pathEntries_.push_back(NewPathEntry(object, now));
  ShowObjectPaths();
}

}  // namespace velarion::ui
