#include "PictureKinds.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace velarion::ui {

namespace {

constexpr std::array<TDepthChoice, 3> kBitmapDepths = {
    {{"Ч/Б (Схема принтера)", 1}, {"8-bit (256 цветов)", 8}, {"24-bit (16M цветов)", 24}}};
constexpr std::array<TDepthChoice, 2> kGifDepths = {
    {{"Ч/Б (Схема принтера)", 1}, {"8-bit (256 цветов)", 8}}};
constexpr std::array<TDepthChoice, 2> kVectorDepths = {{{"Схема принтера", 1}, {"Цветная", 24}}};
constexpr std::array<TDepthChoice, 2> kPngDepths = {
    {{"Ч/Б (Схема принтера)", 1}, {"24-bit (16M цветов)", 24}}};

constexpr std::array<TPictureKindRow, 7> kKinds = {{
    {TPictureKind::kBmp, "(*.bmp) Windows or OS/2 Bitmap", ".bmp", kBitmapDepths},
    {TPictureKind::kGif, "(*.gif) CompuServe Graphics Interchange", ".gif", kGifDepths},
    {TPictureKind::kWmf, "(*.wmf) Windows Meta File", ".wmf", kVectorDepths},
    {TPictureKind::kEmf, "(*.emf) Windows Enhanced MetaFile", ".emf", kVectorDepths},
    {TPictureKind::kPng, "(*.png) Portable Network Graphics", ".png", kPngDepths},
    {TPictureKind::kSvg, "(*.svg) Scalable Vector Graphics", ".svg", kVectorDepths},
    {TPictureKind::kPdf, "(*.pdf) Portable Document Format", ".pdf", kVectorDepths},
}};

}  // namespace

std::span<const TPictureKindRow> PictureKinds() { return kKinds; }

const TPictureKindRow& PictureKindRow(TPictureKind kind) {
  return *std::ranges::find(kKinds, kind, &TPictureKindRow::kind);
}

std::optional<TPictureKind> PictureKindOfFile(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  const std::size_t slash = fileName.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
    return std::nullopt;
  std::string extension(fileName.substr(dot));
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const auto row = std::ranges::find(kKinds, extension, &TPictureKindRow::extension);
  if (row == kKinds.end()) return std::nullopt;
  return row->kind;
}

bool KindTakesDepth(TPictureKind kind, int32_t bits) {
  return std::ranges::any_of(PictureKindRow(kind).depths,
                             [bits](const TDepthChoice& d) { return d.bits == bits; });
}

int32_t DefaultDepth(TPictureKind kind) { return PictureKindRow(kind).depths[1].bits; }

bool IsMetafileKind(TPictureKind kind) {
  return kind == TPictureKind::kWmf || kind == TPictureKind::kEmf;
}

}  // namespace velarion::ui
