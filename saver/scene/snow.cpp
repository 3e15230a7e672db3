// The scene object: construction, deletion and the frame.
#include "scene/snow.h"

#include "display/display.h"
#include "scene/clock_seed.h"
#include "scene/make_rect.h"
#include "scene/random.h"
#include "wind_store.h"

// The wind is read before anything is allocated, so a registry failure
// leaves nothing behind.
Snow::Snow() : Snow(ReadWindPower()) {}

Snow::Snow(int32_t wind) {
  // A failed allocation frees the flakes made so far with the array.
  for (auto& flake : Flakes) flake = std::make_unique<Flake>();
  ScrollX = 0;
  Wind = wind;
  WalkerX = 200;
  WalkerY = 400;
  FrameCounter = 0;
  WalkerState = 3;
  WalkerDirection = 1;
  // The first tick is a walker step, so no frame shows the walker before
  // it stands on the ground.
  TickCounter = 3;

  // Drawn from the generator's start-up state: the same pattern every run.
  SeedFlakes();
  InitFrameTable();
  WalkerFrame = FrameTable[29].Source;

  SYSTEMTIME now;
  ReadLocalTime(&now);
  RandomSeed(ClockSeed(now));
}

Snow::~Snow() = default;

void Snow::Tick() {
  // A step that fails gives the frame up; the next tick draws a whole one.
  if (!DrawScenery()) return;
  if (!DrawWalker()) return;
  if (!DrawFlakesAndLogo()) return;
  FlipPages();
}

bool Snow::DrawScenery() {
  RECT visible;
  MakeRect(visible, ScrollX, 0, 640, 480);
  return BlitToBack(0, 0, SceneSurface, visible, false);
}

bool Snow::DrawFlakesAndLogo() {
  MoveFlakes();
  if (!DrawFlakes()) return false;
  RECT logo;
  MakeRect(logo, 466, 92, 193, 38);
  return BlitToBack(410, 18, SpriteSurface, logo, true);
}
