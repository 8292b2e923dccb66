// What the scheme selection window does to the scheme lists, without the window: adding,
// changing and deleting schemes and choosing the current screen and printer schemes.
#ifndef VELARION_APP_SKY_COLORSCHEMESELECTION_H
#define VELARION_APP_SKY_COLORSCHEMESELECTION_H

#include "ColorSchemes.h"

#include <string>

namespace velarion::sky {

enum class TSchemePage { kScreen, kPrinter };

class TColorSchemeSelection {
 public:
  // Works on the lists in place; the selection starts at the current schemes.
  TColorSchemeSelection(TColorSchemes& schemes, TColorSchemePtr currentScreen,
                        TColorSchemePtr currentPrinter);

  TColorSchemeList& List(TSchemePage page);
  int Selected(TSchemePage page) const;
  void Select(TSchemePage page, int index);
  bool IsCurrent(TSchemePage page, int index) const;

  // "Добавить": a new scheme with the default colours for the editor; appended only by
  // AddEdited when the editor was confirmed.
  static TColorSchemePtr NewScheme(TSchemePage page);
  void AddEdited(TSchemePage page, TColorSchemePtr scheme);
  // "Изменить" was confirmed for the selected scheme; true when it is the current screen
  // scheme, whose palette and picture must then follow.
  bool Changed(TSchemePage page);

  // "Удалить" is offered only while the page holds more than one scheme.
  bool CanDelete(TSchemePage page) const;
  void DeleteSelected(TSchemePage page);
  // After a current scheme was deleted the window can only be closed with "&Верно".
  bool CanCancel() const { return canCancel_; }

  // "&Верно": the selected schemes become current.
  TColorSchemePtr ChosenScreen() const;
  TColorSchemePtr ChosenPrinter() const;

 private:
  TColorSchemes& schemes_;
  TColorSchemePtr current_[2];
  int selected_[2] = {0, 0};
  bool canCancel_ = true;
};

}  // namespace velarion::sky

#endif
