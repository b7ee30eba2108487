// What the four gathering games share: the fade in and out, the instruction title with its
// underline, the time left, the counters in the top-left corner, the "Time up" banner, and the timer
// rule (holding Escape ends a game at once; what was found is kept).
#pragma once

#include <string>

#include "primitives.h"

// The scene's brightness behind a game.
constexpr float kGatheringSceneFade = 0.5f;
// Sound of the timer running out.
constexpr int kTimeUpSound = 108;

// The timer rule: holding Escape sets `time` to -100; while `time` > -100 it runs down by `delta`;
// the first time it reaches 0 the time-up sound plays, `finish` is set and `alpha` fades out over
// 200. Returns 1 on that frame only.
int UpdateGatheringTimer(float delta, float& time, int& finish, Interpolation& alpha);

// Sets up the frame's fades: `alpha` fades in over 100, `line` (the underline's half length) grows
// to half the screen width over 100, and the scene behind dims.
void StartGatheringFrame(Interpolation& alpha, Interpolation& line);

// The instruction in font 2, centred, white over a black shadow, with a black underline of half
// length `line` at y 64. Leaves font 2 selected.
void DrawGatheringTitle(const std::string& title, float line, float alpha);
// "Time: " and the whole seconds left (counting the one under way; 0 once the time is up).
void DrawGatheringTime(float time, int finish, float alpha);
// A counter at place 0 (y 96) or 1 (y 144) of the top-left corner, in the current font.
void DrawGatheringCounter(int place, const std::string& label, int value, float alpha);
// "Time up" in font 9, centred.
void DrawTimeUp(float alpha);
// Text in the current font, white over a black shadow 2 pixels right and down, centred on x.
void DrawShadowedCentred(const std::string& text, float cx, float top, float alpha);
// The whole seconds the time display shows.
int GatheringSecondsLeft(float time, int finish);
// A burst of 16 dots and 8 stars around (x, y): a find.
void BurstFind(float x, float y);
