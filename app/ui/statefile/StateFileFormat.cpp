#include "StateFileFormat.h"

#include "Cp1251.h"
#include "Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace velarion::ui {

namespace {

using velplatform::Cp1251;

// The keys and the decimals of their numbers, as the file has always had them.
constexpr std::string_view kLocationKey = "Location";
constexpr std::string_view kTimeKey = "Time";
constexpr std::string_view kSkyPointKey = "SkyPoint";
constexpr std::string_view kGroupVisKey = "GroupVis";
constexpr std::string_view kImageParamsKey = "ImageParams";
constexpr std::string_view kSelObjKey = "SelObj";
constexpr std::string_view kObjLockKey = "ObjLock";
constexpr std::string_view kAutoRParamsKey = "AutoRParams";
constexpr std::string_view kAutoRStartKey = "AutoRStart";
constexpr std::string_view kAutoRStopKey = "AutoRStop";
constexpr int kPlaceDecimals = 6;
constexpr int kZoneDecimals = 1;
constexpr int kMjdDecimals = 9;
constexpr int kSkyPointDecimals = 6;
constexpr int kFontSizeDecimals = 2;
constexpr int kTimeStepDecimals = 12;

// ---- Writing ----------------------------------------------------------------------------

class TLineWriter {
 public:
  explicit TLineWriter(std::string& text) : text_(text) {}
  TLineWriter& Key(std::string_view key) {
    text_.append(key).push_back('=');
    first_ = true;
    return *this;
  }
  TLineWriter& Number(double value, int decimals) {
    return Value(velplatform::FixedToText(value, decimals));
  }
  TLineWriter& Integer(int64_t value) { return Value(velplatform::IntegerToText(value)); }
  TLineWriter& Flag(bool value) { return Value(value ? "1" : "0"); }
  TLineWriter& Value(std::string_view value) {
    if (!first_) text_.push_back(',');
    text_.append(value);
    first_ = false;
    return *this;
  }
  void End() { text_.push_back('\n'); }

 private:
  std::string& text_;
  bool first_ = true;
};

void WriteStarDisplay(TLineWriter& line, const TStarDisplay& display) {
  line.Integer(display.starLimit)
      .Integer(display.labelLimit)
      .Number(display.labelFontSize, kFontSizeDecimals)
      .Integer(display.starSizes);
}

void WriteGroupVisibility(TLineWriter& line, const TStateGroupVisibility& visibility) {
  line.Key(kGroupVisKey);
  for (const bool on : visibility.switches) line.Flag(on);
  line.Integer(static_cast<int64_t>(visibility.groups.size())).End();
  for (const TStateGroupModes& group : visibility.groups) {
    line.Key(group.code).Flag(group.quick).Flag(group.detailed).End();
  }
}

// ---- Reading ----------------------------------------------------------------------------

// The comma-separated values of one line, taken in order; the first fault is kept.
class TValueReader {
 public:
  TValueReader(std::string_view key, std::string_view value, std::size_t count) : key_(key) {
    for (std::size_t start = 0;;) {
      const std::size_t end = value.find(',', start);
      parts_.push_back(value.substr(start, end - start));
      if (end == std::string_view::npos) break;
      start = end + 1;
    }
    if (parts_.size() != count) {
      Fail(Cp1251("ожидается значений: ") + std::to_string(count) + Cp1251(", найдено: ") +
           std::to_string(parts_.size()));
    }
  }

  double Number() {
    const std::string_view text = Next();
    const std::optional<double> x = velplatform::ParseDouble(text);
    if (!x || !std::isfinite(*x)) Fail(Cp1251("не число: \"") + std::string(text) + "\"");
    return x.value_or(0.0);
  }
  int32_t Integer() {
    const std::string_view text = Next();
    const std::optional<int64_t> n = velplatform::ParseInteger(text);
    if (!n || *n < std::numeric_limits<int32_t>::min() ||
        *n > std::numeric_limits<int32_t>::max()) {
      Fail(Cp1251("не целое число: \"") + std::string(text) + "\"");
    }
    return static_cast<int32_t>(n.value_or(0));
  }
  bool Flag() {
    const std::string_view text = Next();
    if (text != "0" && text != "1") Fail(Cp1251("не 0 и не 1: \"") + std::string(text) + "\"");
    return text == "1";
  }
  std::string_view Text() { return Next(); }
  void Fail(std::string what) {
    if (!error_) error_ = std::string(key_) + ": " + std::move(what);
  }
  const std::optional<std::string>& Error() const { return error_; }

 private:
  std::string_view Next() { return next_ < parts_.size() ? parts_[next_++] : std::string_view(); }

  std::string_view key_;
  std::vector<std::string_view> parts_;
  std::size_t next_ = 0;
  std::optional<std::string> error_;
};

TStarDisplay ReadStarDisplay(TValueReader& values) {
  TStarDisplay display;
  display.starLimit = values.Integer();
  display.labelLimit = values.Integer();
  display.labelFontSize = values.Number();
  display.starSizes = values.Integer();
  return display;
}

struct TLine {
  std::string_view key;
  std::string_view value;
  bool hasKey = false;
};

TLine SplitLine(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {};
  return {line.substr(0, equals), line.substr(equals + 1), true};
}

// The text's lines without their ends (LF or CR LF).
std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

class TStateReader {
 public:
  explicit TStateReader(std::span<const std::string_view> lines) : lines_(lines) {}

  std::variant<TStateFile, TStateFileError> Read() {
    if (lines_.empty() || lines_.front() != kStateFileHeader) {
      return TStateFileError{1,
                             Cp1251("первая строка не \"") + std::string(kStateFileHeader) + "\""};
    }
    // Every step reads at least one line.
    for (next_ = 1; next_ < lines_.size();) {
      faultLine_ = next_ + 1;
      if (std::optional<std::string> what = ReadLine()) {
        return TStateFileError{static_cast<int32_t>(faultLine_), std::move(*what)};
      }
    }
    return state_;
  }

 private:
  std::optional<std::string> ReadLine() {
    const TLine line = SplitLine(lines_[next_++]);
    if (!line.hasKey) return std::nullopt;
    if (line.key == kGroupVisKey) return ReadGroupVisibility(line.value);
    const auto read = [&](std::size_t count, auto take) {
      TValueReader values(line.key, line.value, count);
      if (!values.Error()) take(values);
      return values.Error();
    };
    if (line.key == kLocationKey) {
      return read(3, [&](TValueReader& v) {
        TStateLocation location;
        location.longitudeDeg = v.Number();
        location.latitudeDeg = v.Number();
        location.timeZoneHours = v.Number();
        state_.location = location;
      });
    }
    if (line.key == kTimeKey) return read(1, [&](TValueReader& v) { state_.mjdUt = v.Number(); });
    if (line.key == kSkyPointKey) {
      return read(5, [&](TValueReader& v) {
        TStateSkyPoint point;
        point.zoom = v.Integer();
        point.rotationDeg = v.Number();
        point.mirror = v.Flag();
        point.x = v.Number();
        point.y = v.Number();
        state_.skyPoint = point;
      });
    }
    if (line.key == kImageParamsKey) {
      return read(8, [&](TValueReader& v) {
        TStateImageParams params;
        params.quick = ReadStarDisplay(v);
        params.detailed = ReadStarDisplay(v);
        state_.imageParams = params;
      });
    }
    if (line.key == kSelObjKey) {
      return read(2, [&](TValueReader& v) {
        TStateObject object;
        object.groupCode = v.Text();
        object.index = v.Integer();
        // The first SelObj line replaces the selection the view has.
        if (!state_.selection) state_.selection.emplace();
        state_.selection->push_back(std::move(object));
      });
    }
    if (line.key == kObjLockKey)
      return read(1, [&](TValueReader& v) { state_.tracking = v.Flag(); });
    if (line.key == kAutoRParamsKey) {
      return read(4, [&](TValueReader& v) {
        TAutoRotation rotation;
        rotation.forward = v.Flag();
        rotation.realTime = v.Flag();
        rotation.refreshIntervalCode =
            std::clamp(v.Integer(), kMinRefreshIntervalCode, kMaxRefreshIntervalCode);
        rotation.timeStepDays = std::abs(v.Number());
        state_.autoRotation = rotation;
      });
    }
    if (line.key == kAutoRStartKey) {
      return read(1, [&](TValueReader& v) { state_.autoRotationStart = v.Flag(); });
    }
    if (line.key == kAutoRStopKey) {
      return read(1, [&](TValueReader& v) { state_.autoRotationStopMjdUt = v.Number(); });
    }
    return std::nullopt;  // a key of another version
  }

  // The switches and n, then up to n group lines: a file that ends sooner ends the list.
  std::optional<std::string> ReadGroupVisibility(std::string_view value) {
    TValueReader values(kGroupVisKey, value, kStateSwitchCount + 1);
    TStateGroupVisibility visibility;
    for (bool& on : visibility.switches) on = values.Flag();
    const int32_t count = values.Integer();
    if (count < 0) values.Fail(Cp1251("число групп меньше 0"));
    if (values.Error()) return values.Error();
    const std::size_t end = std::min(lines_.size(), next_ + static_cast<std::size_t>(count));
    for (; next_ < end; ++next_) {
      faultLine_ = next_ + 1;
      const TLine line = SplitLine(lines_[next_]);
      if (!line.hasKey) return Cp1251("строка группы без \"=\"");
      TValueReader modes(line.key, line.value, 2);
      TStateGroupModes group{std::string(line.key), modes.Flag(), modes.Flag()};
      if (modes.Error()) return modes.Error();
      visibility.groups.push_back(std::move(group));
    }
    state_.groupVisibility = std::move(visibility);
    return std::nullopt;
  }

  std::span<const std::string_view> lines_;
  std::size_t next_ = 1;
  std::size_t faultLine_ = 1;  // the line being read, 1-based
  TStateFile state_;
};

}  // namespace

std::string FormatStateFile(const TStateFile& state) {
  std::string text(kStateFileHeader);
  text.push_back('\n');
  TLineWriter line(text);
  if (state.location) {
    line.Key(kLocationKey)
        .Number(state.location->longitudeDeg, kPlaceDecimals)
        .Number(state.location->latitudeDeg, kPlaceDecimals)
        .Number(state.location->timeZoneHours, kZoneDecimals)
        .End();
  }
  if (state.mjdUt) line.Key(kTimeKey).Number(*state.mjdUt, kMjdDecimals).End();
  if (state.skyPoint) {
    const TStateSkyPoint& point = *state.skyPoint;
    line.Key(kSkyPointKey)
        .Integer(point.zoom)
        .Number(point.rotationDeg, kSkyPointDecimals)
        .Flag(point.mirror)
        .Number(point.x, kSkyPointDecimals)
        .Number(point.y, kSkyPointDecimals)
        .End();
  }
  if (state.groupVisibility) WriteGroupVisibility(line, *state.groupVisibility);
  if (state.imageParams) {
    line.Key(kImageParamsKey);
    WriteStarDisplay(line, state.imageParams->quick);
    WriteStarDisplay(line, state.imageParams->detailed);
    line.End();
  }
  if (state.selection) {
    for (const TStateObject& object : *state.selection) {
      line.Key(kSelObjKey).Value(object.groupCode).Integer(object.index).End();
    }
  }
  if (state.tracking) line.Key(kObjLockKey).Flag(*state.tracking).End();
  if (state.autoRotation) {
    const TAutoRotation& rotation = *state.autoRotation;
    line.Key(kAutoRParamsKey)
        .Flag(rotation.forward)
        .Flag(rotation.realTime)
        .Integer(rotation.refreshIntervalCode)
        .Number(rotation.timeStepDays, kTimeStepDecimals)
        .End();
  }
  if (state.autoRotationStart) line.Key(kAutoRStartKey).Flag(*state.autoRotationStart).End();
  if (state.autoRotationStopMjdUt) {
    line.Key(kAutoRStopKey).Number(*state.autoRotationStopMjdUt, kMjdDecimals).End();
  }
  return text;
}

std::variant<TStateFile, TStateFileError> ParseStateFile(std::string_view text) {
  const std::vector<std::string_view> lines = Lines(text);
  return TStateReader(lines).Read();
}

}  // namespace velarion::ui
