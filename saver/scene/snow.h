// The scene: 180 flakes, the walker with its camera, and the frame that puts
// them on the back buffer. Construction touches no DirectDraw object; Tick
// needs the display layer's surfaces.
#pragma once

#include <windows.h>
#include <ddraw.h>

#include <cstdint>
#include <memory>

#include "scene/flake.h"
#include "scene/sprite_frame.h"

// FrameCounter value that marks the end of the walker's current animation.
constexpr int32_t AnimationEnded = 255;

class Snow {
public:
  // Reads the wind with ReadWindPower; when that throws ERegistryException
  // nothing has been allocated yet and nothing is left behind.
  Snow();
  // The same scene with a given wind, without touching the registry.
  explicit Snow(int32_t wind);
  ~Snow();
  Snow(const Snow&) = delete;
  Snow& operator=(const Snow&) = delete;

  // One frame: panorama, walker, flakes and logo, flip; each step only when
  // the one before succeeded.
  void Tick();

  bool DrawScenery();
  bool DrawFlakesAndLogo();
  // BltFast into BackBuffer, again at once while still drawing; a lost
  // surface restores the surfaces and gives the frame up.
  bool BlitToBack(int32_t x, int32_t y, IDirectDrawSurface* source, RECT sourceRect, bool keyed);

  // Snowfall.
  void SeedFlakes();
  void MoveFlakes();
  bool DrawFlakes();

  // Walker frames, ground and camera.
  void InitFrameTable();
  void UpdateWalker();
  bool DrawWalker();

  // Walker behaviour.
  void ChooseWalkerState();
  void RunWalkerScript(int32_t step);

  std::unique_ptr<Flake> Flakes[FlakeCount];
  int32_t WalkerX;
  int32_t WalkerY;
  RECT WalkerFrame;
  int32_t WalkerState;
  int32_t FrameCounter;  // 255: the animation has ended
  int32_t ScrollX;
  int32_t Wind;
  int32_t WalkerDirection;  // 1 towards larger x, 2 towards smaller x
  int32_t TickCounter;
  SpriteFrame FrameTable[FrameTableSize];
};
