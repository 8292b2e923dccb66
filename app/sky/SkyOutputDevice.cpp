#include "SkyOutputDevice.h"

#include "HostInterface.h"

#include <algorithm>

namespace velarion::sky {

struct TSkyOutputDevice::TRun {
  std::string_view text;
  TMarkupFont font;
  int32_t size;
  int32_t lineOffset;  // upward shift of superscripts
  bool italic;
  bool bold;
};

namespace {

bool IsCode(char c) { return c >= 1 && c <= 11; }

std::string_view Cut(std::string_view name) { return name.substr(0, kMaxFontNameLength); }

}  // namespace

void TSkyOutputDevice::Bind(TDrawDevice* device) {
  device_ = device;
  if (device_ != nullptr) device_->SetGreekFamily(greek_);
}

void TSkyOutputDevice::SetMeasuringDevice(std::unique_ptr<TDrawDevice> device) {
  measuring_ = std::move(device);
  if (measuring_ != nullptr) measuring_->SetGreekFamily(greek_);
}

int32_t TSkyOutputDevice::BitDepth() const {
  const TDrawDevice* device = Measurer();
  return device != nullptr ? device->BitDepth() : 0;
}

void TSkyOutputDevice::SetFonts(std::string_view normal, std::string_view greek,
                                int32_t normalHeight, int32_t greekHeight, int32_t symbolHeight) {
  normal_ = Cut(normal);
  greek_ = Cut(greek);
  normalHeight_ = normalHeight;
  greekHeight_ = greekHeight;
  symbolHeight_ = symbolHeight;
  if (device_ != nullptr) device_->SetGreekFamily(greek_);
  if (measuring_ != nullptr) measuring_->SetGreekFamily(greek_);
}

int32_t TSkyOutputDevice::LargestFontHeight() const {
  return std::max({normalHeight_, greekHeight_, symbolHeight_});
}

int32_t TSkyOutputDevice::FullSize(TMarkupFont font) const {
  switch (font) {
    case TMarkupFont::kGreek:
      return greekHeight_;
    case TMarkupFont::kSymbol:
      return symbolHeight_;
    case TMarkupFont::kNormal:
      break;
  }
  return normalHeight_;
}

TFontSpec TSkyOutputDevice::FontOf(TMarkupFont font, int32_t size, bool italic, bool bold) const {
  const std::string& family = font == TMarkupFont::kGreek
                                  ? greek_
                                  : (font == TMarkupFont::kSymbol ? kSymbolFontFamily : normal_);
  return {family, size, italic, bold};
}

int32_t TSkyOutputDevice::DrawRun(const TRun& run, int32_t x, int32_t line, bool draw) {
  int32_t size = run.size;
  // A Greek run at size 16 ending in upsilon is drawn two units larger, as it always was.
  if (run.font == TMarkupFont::kGreek && size == 16 && run.text.back() == 'u') size += 2;
  const TFontSpec font = FontOf(run.font, size, run.italic, run.bold);
  const int32_t y = line - run.lineOffset - size / 2 - (size % 2 == 0 ? 1 : 0);
  TDrawDevice* const measurer = Measurer();
  if (measurer == nullptr) return 0;
  draw = draw && device_ != nullptr;
  if (run.font == TMarkupFont::kSymbol && images_ != nullptr) {
    // In image mode the symbol text takes the text colour like the star images.
    const TMonoImage glyphs = measurer->RenderText(run.text, font);
    if (draw) device_->DrawMonoImage(glyphs, x, y, device_->TextColor(), background_, true);
    return glyphs.Width();
  }
  if (draw) device_->TextOut(x, y, run.text, font);
  return measurer->TextWidth(run.text, font);
}

int32_t TSkyOutputDevice::DrawString(std::string_view text, int32_t x, int32_t y, bool draw) {
  text = text.substr(0, text.find('\0'));
  if (text.empty()) return 0;
  const int32_t largest = LargestFontHeight();
  const int32_t line = y + largest / 2 + (largest % 2 != 0 ? 1 : 0);
  TRun state{{}, TMarkupFont::kNormal, normalHeight_, 0, false, false};
  int32_t width = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    if (IsCode(text[i])) {
      const char code = text[i++];
      const int32_t full = FullSize(state.font);
      switch (code) {
        case kMarkupGreek:
          state.font = TMarkupFont::kGreek;
          state.size = greekHeight_;
          break;
        case kMarkupSymbol:
          state.font = TMarkupFont::kSymbol;
          state.size = symbolHeight_;
          break;
        case kMarkupSuperscriptOn:
          if (state.size == full) {
            state.lineOffset += state.size * 18 / 50;
            state.size = state.size * 3 / 4;
          }
          break;
        case kMarkupSuperscriptOff:
          if (state.size != full) {
            state.size = full;
            state.lineOffset -= full * 18 / 50;
          }
          break;
        case kMarkupItalicOn:
        case kMarkupItalicOff:
          state.italic = code == kMarkupItalicOn;
          break;
        case kMarkupSmallOn:
          if (state.size == full) state.size = state.size * 3 / 4;
          break;
        case kMarkupSmallOff:
          state.size = full;
          break;
        case kMarkupBoldOn:
        case kMarkupBoldOff:
          state.bold = code == kMarkupBoldOn;
          break;
        default:
          state.font = TMarkupFont::kNormal;
          state.size = normalHeight_;
          break;
      }
      continue;
    }
    const std::size_t start = i;
    while (i < text.size() && !IsCode(text[i])) ++i;
    state.text = text.substr(start, i - start);
    width += DrawRun(state, x + width, line, draw);
  }
  return width;
}

void TSkyOutputDevice::DrawSymbolShape(TDrawDevice& target, int32_t index, int32_t x, int32_t y,
                                       int32_t width, int32_t height, TColor color) const {
  if (index >= kFirstSpecialSymbol && index <= kLastSpecialSymbol) {
    if (symbolFontInstalled_) {
      static constexpr char kSigns[] = {'p', 'q', 'r', 's'};
      const std::string_view sign(&kSigns[index - kFirstSpecialSymbol], 1);
      const TFontSpec font{kSymbolFontFamily, height + 1, false, false};
      const TMonoImage glyph = target.RenderText(sign, font);
      target.DrawMonoImage(glyph, x + (width - glyph.Width()) / 2, y, color, 0, true);
      return;
    }
    const int32_t half = std::max(1, width / 2 - 1);
    const int32_t cx = x + width / 2;
    const int32_t cy = y + height / 2;
    const velplatform::TPoint diamond[] = {
        {cx, cy - half}, {cx + half, cy}, {cx, cy + half}, {cx - half, cy}, {cx, cy - half}};
    target.SetPen(color);
    target.Polyline(diamond);
    return;
  }
  if (width <= 1) {
    target.SetPixel(x, y, color);
  } else if (width == 2) {
    target.FillRect({x, y, x + 2, y + 2}, color);
  } else if (width == 3) {
    for (const auto& [dx, dy] : {std::pair{1, 0}, {0, 1}, {1, 1}, {2, 1}, {1, 2}}) {
      target.SetPixel(x + dx, y + dy, color);
    }
  } else {
    target.SetPen(color);
    target.SetBrush(color);
    target.Ellipse({x, y, x + width, y + height});
  }
}

void TSkyOutputDevice::DrawSymbol(int32_t index, int32_t x, int32_t y, TColor color) {
  if (device_ == nullptr || index < 1 || index > kSymbolCount) return;
  if (images_ != nullptr) {
    const TMonoImage& image = (*images_)[index];
    if (!image.Empty()) device_->DrawMonoImage(image, x, y, color, background_);
    return;
  }
  const int32_t size = std::max<int32_t>(1, index <= kLastStarSymbol ? index : symbolHeight_);
  DrawSymbolShape(*device_, index, x, y, size, size, color);
}

bool TSkyOutputDevice::GetSymbolSize(int32_t index, int32_t& width, int32_t& height) const {
  if (images_ == nullptr || index < 1 || index > kSymbolCount) return false;
  const TMonoImage& image = (*images_)[index];
  if (image.Empty()) return false;
  width = image.Width();
  height = image.Height();
  return true;
}

TColor TSkyOutputDevice::SetDrawColor(int32_t kind, TColor color) {
  if (device_ == nullptr) return 0;
  TColor previous = 0;
  switch (kind) {
    case kit::kPenColour:
      previous = device_->PenColor();
      device_->SetPen(color);
      break;
    case kit::kTextColour:
      previous = device_->TextColor();
      device_->SetTextColor(color);
      break;
    case kit::kFillColour:
      previous = device_->BrushColor();
      device_->SetBrush(color);
      break;
    default:
      break;
  }
  return previous;
}

}  // namespace velarion::sky
