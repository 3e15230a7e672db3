// Test doubles of the first-generation DirectDraw interfaces: IDirectDraw,
// IDirectDrawSurface and IDirectDrawPalette. Every method exists; those the
// screensaver has no business calling fail the running test (E_NOTIMPL).
//
//   #include "ddraw_fakes.h"
//   using namespace fakes;
//
//   FakeSurface back("back"), sprite("sprite");
//   BackBuffer = &back;                           // the display layer's pointer
//   back.Script("BltFast", {DDERR_WASSTILLDRAWING, DDERR_WASSTILLDRAWING, DD_OK});
//   ... run the code under test ...
//   auto blits = back.Calls("BltFast");           // this fake's calls, in order
//   ASSERT_EQ(blits.size(), 3u);
//   EXPECT_EQ(blits[0].x, 10u);                   // also y, source, rect, flags
//   EXPECT_EQ(blits[0].source, &sprite);
//   EXPECT_EQ(blits[0].flags, DDBLTFAST_SRCCOLORKEY);
//   EXPECT_THAT(CallLog().Methods(), testing::ElementsAre(      // across fakes
//       "back.BltFast", "back.BltFast", "back.BltFast"));
//   EXPECT_EQ(back.ReleaseCount(), 0);
//
// Scripting: Script(method, {results...}) queues results for one method;
// after the queue it answers DD_OK, or what ScriptDefault(method, hr) set
// (e.g. ScriptDefault("Restore", DDERR_WRONGMODE) for a surface that stays
// lost). A misspelt method name fails the test.
//
// Call log: CallLog() holds every call of every fake in order, as FakeCall
// records (object, method, result, the arguments that matter, and Text()
// "back.BltFast(10,20,sprite,{0,0,32,32},0x10)"). It is emptied when each
// test starts. AddRef and Release are logged too.
//
// Reference counts: each fake starts with one reference (a created object);
// RefCount(), AddRefCount(), ReleaseCount(). A Release below zero fails.
//
// Pixels: FakeSurface::Configure(w, h, bpp) (8, 24 or 32) gives it memory in
// a DIB section: GetDC hands out a real memory DC on it, Lock the same bytes
// with pixel format and pitch; RawPixel/SetRawPixel/FillBytes read and write
// them. A DC or lock still open when the fake is destroyed fails the test.
//
// FakeDirectDraw hands out what the test queued: QueueSurfaces({&primary,
// &scene, &sprite}) for successive CreateSurface calls (sized from the
// description and the accepted display mode), QueuePalette(&palette) for
// CreatePalette (its entries are kept: palette.Entries()). The back buffer
// comes from primary.Attach(&back) through GetAttachedSurface, which adds a
// reference as DirectDraw does.
#pragma once

#include "fake_call_log.h"
#include "fake_directdraw.h"
#include "fake_palette.h"
#include "fake_surface.h"
