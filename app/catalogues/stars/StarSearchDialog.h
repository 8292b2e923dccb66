// The dialog in which the user names the bright star to find: by Bayer letter (with an
// index or not), by Flamsteed number, each within a constellation, or by HR number.
#ifndef VELARION_APP_CATALOGUES_STARS_STARSEARCHDIALOG_H
#define VELARION_APP_CATALOGUES_STARS_STARSEARCHDIALOG_H

#include "Dialogs.h"
#include "StarSearch.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velarion::catalogues {

namespace star_search_dialog {
inline constexpr int32_t kBayer = 101, kFlamsteed = 102, kHr = 103;
inline constexpr int32_t kLetterList = 104, kIndexList = 105, kConstellationList = 106;
inline constexpr int32_t kHrEdit = 107;
inline constexpr int32_t kFind = 1, kCancel = 2;
}  // namespace star_search_dialog

// Bayer letters as the star file and the Greek font hold them, alpha to omega.
inline constexpr std::string_view kBayerLetters = "abgdezhqiklmnxoprstujcyw";

struct TConstellationChoice {
  std::string text;
  int32_t number = 0;
  int32_t alsoNumber = 0;  // stars of this constellation count too (0: none)
};

// The constellations offered: the names of "CNAME" in object order without the second
// part of Serpens, whose stars come with the first part; without "CNAME" the numbers of
// the star file.
std::vector<TConstellationChoice> ConstellationChoices();

velplatform::TDialogLayout StarSearchLayout();

class TStarSearchLogic final : public velplatform::TDialogLogic {
 public:
  TStarSearchLogic(velplatform::TWindowHandle owner,
                   std::vector<TConstellationChoice> constellations)
      : owner_(owner), constellations_(std::move(constellations)) {}

  void Init(velplatform::TDialogControls& controls) override;
  void Changed(velplatform::TDialogControls& controls, int32_t id) override;
  bool Accept(velplatform::TDialogControls& controls) override;

  // What the user asked for, after OK.
  const std::optional<TStarQuery>& Query() const { return query_; }

 private:
  void FillFirstList(velplatform::TDialogControls& controls, bool bayer);
  void Enable(velplatform::TDialogControls& controls);
  std::optional<TStarQuery> ReadListQuery(const velplatform::TDialogControls& controls) const;

  velplatform::TWindowHandle owner_;
  std::vector<TConstellationChoice> constellations_;
  std::optional<TStarQuery> query_;
};

// Shows the dialog; the query, none when cancelled.
std::optional<TStarQuery> AskStarQuery(velplatform::TWindowHandle owner);

}  // namespace velarion::catalogues

#endif
