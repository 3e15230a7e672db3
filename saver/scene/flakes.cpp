// The snowfall: placing, moving and drawing the 180 flakes.
#include "display/display.h"
#include "scene/make_rect.h"
#include "scene/random.h"
#include "scene/snow.h"

namespace {

struct FlakeKindInfo {
  int32_t Floor;
  int32_t SeedSpeed;
  int32_t RestartSpeed;   // a restart gives RestartSpeed + draw rem RestartSpread
  int32_t RestartSpread;  // 1: the speed is fixed and nothing is drawn
  int32_t ImageLeft;      // 7x8 image at (ImageLeft, 88) in the sprite sheet
};

// Kind 1 is the fastest and lowest, drawn last so that it lies in front.
constexpr FlakeKindInfo Kinds[3] = {
    {420, 4, 4, 2, 440},
    {370, 2, 2, 2, 448},
    {320, 1, 1, 1, 456},
};
constexpr int32_t LastIndexOfKind[3] = {29, 79, 179};

const FlakeKindInfo& InfoOf(int32_t kind) { return Kinds[kind - 1]; }

}  // namespace

int32_t FlakeFloor(int32_t kind) { return InfoOf(kind).Floor; }

void Snow::SeedFlakes() {
  int32_t kind = 1;
  for (int32_t i = 0; i < FlakeCount; ++i) {
    if (i > LastIndexOfKind[kind - 1]) ++kind;
    Flake& flake = *Flakes[i];
    flake.X = RandomNext() % FlakeBand;
    flake.Y = RandomNext() % 470;
    flake.Kind = kind;
    flake.Speed = InfoOf(kind).SeedSpeed;
  }
}

void Snow::MoveFlakes() {
  for (int32_t i = 0; i < FlakeCount; ++i) {
    Flake& flake = *Flakes[i];
    const FlakeKindInfo& info = InfoOf(flake.Kind);
    // Summed in 64 bits: a wind stored by another tool may be near +-2^31.
    flake.X = static_cast<int32_t>((static_cast<int64_t>(flake.X) + Wind) % FlakeBand);
    flake.Y += flake.Speed;
    if (flake.Y > info.Floor) {
      flake.X = RandomNext() % FlakeBand;
      flake.Speed = info.RestartSpread > 1 ? info.RestartSpeed + RandomNext() % info.RestartSpread
                                           : info.RestartSpeed;
    }
    flake.Y %= info.Floor;
  }
}

bool Snow::DrawFlakes() {
  for (int32_t i = FlakeCount - 1; i >= 0; --i) {
    const Flake& flake = *Flakes[i];
    RECT image;
    MakeRect(image, InfoOf(flake.Kind).ImageLeft, 88, 7, 8);
    // +1280 keeps the dividend positive for every band position and scroll.
    if (!BlitToBack((flake.X + 1280 - ScrollX) % FlakeBand, flake.Y, SpriteSurface, image, true))
      return false;
  }
  return true;
}
