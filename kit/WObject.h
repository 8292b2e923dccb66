// TWObject: what the light dialog classes' controls and dialogs share: id, colours and the
// typed reading and writing of the control's text. A control reaches its window only while
// its dialog is shown; before and after, its text reads as empty and writes are ignored.
#ifndef VELARION_KIT_WOBJECT_H
#define VELARION_KIT_WOBJECT_H

#include "Dialogs.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace velarion::kit {

inline constexpr int32_t kNoControlId = -1;
inline constexpr int32_t kDefaultPrecision = 6;

class TWObject {
 public:
  explicit TWObject(int32_t id = kNoControlId) : id_(id) {}
  virtual ~TWObject() = default;
  TWObject(const TWObject&) = delete;
  TWObject& operator=(const TWObject&) = delete;

  int32_t Id() const { return id_; }

  void SetText(std::string_view text);
  std::string GetText() const;
  void SetInt(int32_t value);
  // The text as a whole number; 0 with ConvertError() the position of the first character
  // that could not be read (from 1) when it is none.
  int32_t GetInt();
  // Fixed notation with Precision() decimals, never an exponent.
  void SetFloat(double value);
  // The text as a number ("." decimal point, leading blanks, sign and exponent allowed);
  // 0 with ConvertError() set when it is none.
  double GetFloat();
  int32_t ConvertError() const { return convertError_; }
  int32_t Precision() const { return precision_; }
  void SetPrecision(int32_t decimals) { precision_ = decimals; }

  // Colours (0x00BBGGRR) used when DefaultColors() is off; SetBackColor turns it off.
  void SetBackColor(uint32_t colour);
  void SetTextColor(uint32_t colour);
  uint32_t BackColor() const { return backColor_; }
  uint32_t TextColor() const { return textColor_; }
  bool DefaultColors() const { return defaultColors_; }

  // The shown dialog's controls, or none; set by the dialog while it is shown.
  void Bind(velplatform::TDialogControls* controls, int32_t id);
  velplatform::TDialogControls* Controls() const { return controls_; }

 private:
  int32_t id_;
  velplatform::TDialogControls* controls_ = nullptr;  // not owned; valid while shown
  int32_t precision_ = kDefaultPrecision;
  int32_t convertError_ = 0;
  uint32_t textColor_ = 0;
  uint32_t backColor_ = 0;
  bool defaultColors_ = true;
};

}  // namespace velarion::kit

#endif
