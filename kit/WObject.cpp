#include "WObject.h"

#include "Numbers.h"
#include "WNumberText.h"

namespace velarion::kit {

void TWObject::Bind(velplatform::TDialogControls* controls, int32_t id) {
  controls_ = controls;
  id_ = id;
}

void TWObject::SetText(std::string_view text) {
  if (controls_ != nullptr) controls_->SetText(id_, text);
}

std::string TWObject::GetText() const {
  return controls_ != nullptr ? controls_->Text(id_) : std::string();
}

void TWObject::SetInt(int32_t value) { SetText(velplatform::IntegerToText(value)); }

int32_t TWObject::GetInt() {
  const TNumberRead<int32_t> read = ReadIntegerText(GetText());
  convertError_ = read.errorPosition;
  return read.value;
}

void TWObject::SetFloat(double value) { SetText(velplatform::FixedToText(value, precision_)); }

double TWObject::GetFloat() {
  const TNumberRead<double> read = ReadFloatText(GetText());
  convertError_ = read.errorPosition;
  return read.value;
}

void TWObject::SetBackColor(uint32_t colour) {
  backColor_ = colour;
  defaultColors_ = false;
}

void TWObject::SetTextColor(uint32_t colour) { textColor_ = colour; }

}  // namespace velarion::kit
