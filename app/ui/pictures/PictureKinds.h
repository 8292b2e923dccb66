// The kinds of picture file the sky is saved as: the caption of each in the save dialog, its
// extension and the colour depths it takes, each with its caption. The first depth of a
// kind is 1 bit (the printer's colour scheme); the second is the one offered first.
#ifndef VELARION_APP_UI_PICTURES_PICTUREKINDS_H
#define VELARION_APP_UI_PICTURES_PICTUREKINDS_H

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace velarion::ui {

enum class TPictureKind : uint8_t { kBmp, kGif, kWmf, kEmf, kPng, kSvg, kPdf };

struct TDepthChoice {
  std::string_view caption;  // UTF-8
  int32_t bits;
};

struct TPictureKindRow {
  TPictureKind kind;
  std::string_view caption;    // UTF-8, as the file chooser's filter names it
  std::string_view extension;  // with its dot, lower case
  std::span<const TDepthChoice> depths;
};

inline constexpr int32_t kMinPictureSide = 1;
inline constexpr int32_t kMaxPictureSide = 9999;

// Every kind in the order the dialog lists them.
std::span<const TPictureKindRow> PictureKinds();
const TPictureKindRow& PictureKindRow(TPictureKind kind);
// The kind a file name's extension names (any letter case); none for another extension.
std::optional<TPictureKind> PictureKindOfFile(std::string_view fileName);
bool KindTakesDepth(TPictureKind kind, int32_t bits);
// The depth offered first: the second of the kind's list.
int32_t DefaultDepth(TPictureKind kind);
// True for the kinds that keep the drawing as lines, shapes and texts.
bool IsMetafileKind(TPictureKind kind);

}  // namespace velarion::ui

#endif
