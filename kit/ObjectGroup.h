// TObjectGroup: one kind of thing drawn on the sky map (stars, planets, a grid, a catalogue
// brought by a plug-in). A group holds objects numbered from 1, loads and releases its
// data, finds which objects fall into the view, draws them and describes each of them.
// The same base serves the program's built-in groups and every plug-in.
#ifndef VELARION_KIT_OBJECTGROUP_H
#define VELARION_KIT_OBJECTGROUP_H

#include "BoundaryRecords.h"
#include "ZStrings.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace velarion::kit {

// Pointer-sized opaque handles of the window system and of drawing devices.
using TWindowHandle = uintptr_t;
using TDeviceHandle = uintptr_t;

// The view rectangle in the order the group keeps it.
struct TViewRect {
  int32_t left = 0;
  int32_t right = 0;
  int32_t top = 0;
  int32_t bottom = 0;
};

// A screen rectangle as the object operations give it.
struct TObjectRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool operator==(const TObjectRect&) const = default;
};

// Degrees; RaMax may exceed 360 when the window straddles 0h.
struct TRaDecWindow {
  double raMin = 0.0;
  double raMax = 0.0;
  double decMin = 0.0;
  double decMax = 0.0;
};

// CalculateObjects reports each visible object's number; DrawObjects asks for the number
// of the next object to draw, -1 when there is none.
using TVisibleObjectReport = std::function<void(int32_t)>;
using TNextObject = std::function<int32_t()>;

class TObjectGroup {
 public:
  TObjectGroup() = default;
  TObjectGroup(const TObjectGroup&) = delete;
  TObjectGroup& operator=(const TObjectGroup&) = delete;
  virtual ~TObjectGroup() = default;

  // ---- Identity and capabilities (set by Init) ----
  std::string Code = "DEFLT";
  std::string Name = "default";
  std::string Version = "undef";
  bool ShowInQuickView = true;
  bool ShowInDetailedView = true;
  bool Selectable = true;
  int16_t EpochKind = 0;
  double Epoch = 0.0;
  TZStrings InfoItems;
  std::string ActionCaption;
  bool HasOptions = false;
  std::string SearchCaption;
  std::string SearchGroupCode;
  double SearchRa = 0.0;
  double SearchDec = 0.0;
  bool ResourcesReady = false;
  int32_t ObjectCount = 0;

  // ---- The current view (filled before the operations that use it) ----
  TViewParameters View;
  TDeviceHandle DrawDevice = 0;
  uint8_t ViewMode = 0;  // 0 quick view, 1 detailed view
  TViewRect ViewRect;
  TRaDecWindow RaDecWindow;

  // ---- The eighteen operations, in their order ----
  virtual void Init() {}
  virtual bool InitResources(TWindowHandle owner);
  virtual void FreeResources();
  virtual int32_t GetObjectCount();
  virtual void RefreshParam() {}
  virtual void CalculateObjects(const TVisibleObjectReport& report);
  virtual void DrawObjects(const TNextObject& next);
  virtual bool GetObjectRect(int32_t index, TObjectRect& rect);
  virtual bool GetObjectRaDec(int32_t index, double& ra, double& dec);
  virtual bool GetObjectXY(int32_t index, int32_t& x, int32_t& y);
  // The group's own binary record; its size, 0 when the buffer is too small.
  virtual int32_t GetObjectData(int32_t index, std::span<std::byte> buffer);
  // The common object record (the caller writes the magic).
  virtual bool GetFObjectData(int32_t index, TCommonObject& record);
  virtual void GetObjectStrings(int32_t index, TZStrings& lines);
  virtual std::string GetObjectName(int32_t index);
  virtual bool AdvancedInfo(TWindowHandle owner, int32_t index, int32_t command);
  virtual int32_t SelectObjectForSearch(TWindowHandle owner);
  virtual bool EditOptions(TWindowHandle owner);
  virtual bool AdvancedAction(TWindowHandle owner);

  // ---- Helpers for derived groups ----
  bool IsValidIndex(int32_t index);
  bool IsPointInView(int32_t x, int32_t y) const;
  bool IsRectInView(const TObjectRect& rect) const;
  bool IsRaDecInView(double ra, double dec) const;
  bool IsRaDecRectInView(double raLow, double decLow, double raHigh, double decHigh) const;
  // Size index (1 .. number of symbol sizes) of a star-like symbol for a magnitude in
  // hundredths: the brightest (-1.50) the largest, the limit the smallest.
  int32_t SymbolSizeForMagnitude(int32_t magnitude) const;

  // The identity and capabilities in the form of the group information record.
  TGroupInfo Info();
};

// The older base of three plug-ins, which has no common object record: every request for
// it is answered with none.
class TObjectGroup17 : public TObjectGroup {
 public:
  bool GetFObjectData(int32_t, TCommonObject&) final { return false; }
};

// Size index (1 .. sizes) of a star-like symbol: the brightest magnitude (-1.5) gets the
// largest, the limit the smallest. "limit + 150" is taken in 32 bits as every group has
// always taken it, so the limit meaning no stars wraps to a negative value (size 1); done
// unsigned, the wrap is defined.
int32_t SymbolSizeFor(int32_t magnitude100, int32_t limit100, int32_t sizes);

// Destroys a group the way its life ends: resources released first when they are held.
struct TGroupDeleter {
  void operator()(TObjectGroup* group) const;
};
using TGroupPtr = std::unique_ptr<TObjectGroup, TGroupDeleter>;

// Creates a group and lets it set its identity.
template <typename TGroup, typename... TArgs>
TGroupPtr MakeGroup(TArgs&&... args) {
  TGroupPtr group(new TGroup(std::forward<TArgs>(args)...));
  group->Init();
  return group;
}

}  // namespace velarion::kit

#endif
