// Saving the sky as a picture file: the view drawn at the picture's size (in the printer's
// colour scheme for a 1-bit picture), the legend added when asked, the file encoded in
// memory and written through a temporary file renamed into place, so that a failed save
// leaves whatever was under the name before.
#ifndef VELARION_APP_UI_PICTURES_SAVEPICTURE_H
#define VELARION_APP_UI_PICTURES_SAVEPICTURE_H

#include "PictureKinds.h"
#include "SkyImage.h"

#include <cstdint>
#include <optional>
#include <string>

namespace velarion::ui {

struct TPictureRequest {
  std::string file;
  TPictureKind kind = TPictureKind::kPng;
  int32_t depth = 24;
  int32_t width = 0;  // kMinPictureSide … kMaxPictureSide each
  int32_t height = 0;
  bool legend = true;
};

// The problem with the size, none when it is drawable.
std::optional<std::string> PictureSizeProblem(int32_t width, int32_t height);

// Draws the view as the image is laid out now (the caller lays it out for the picture's
// size and restores it afterwards) and writes the file. None when the file was written,
// otherwise the message (CP1251) that says what went wrong.
std::optional<std::string> SavePicture(sky::TSkyImage& image, const TPictureRequest& request);

}  // namespace velarion::ui

#endif
