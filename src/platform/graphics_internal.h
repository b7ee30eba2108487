// Shared between the platform's drawing files: the raw quad primitive and texture upload.
#pragma once

#include "graphics.h"

struct SDL_Texture;
struct SDL_Rect;

// The texture of an image frame, made (or refreshed) on demand; null without a renderer.
SDL_Texture* ImageTexture(const Image& image, int frame);
// Draws a textured quad with the given corner positions (virtual pixels, clockwise from top left)
// and texture coordinates, with the current colour, alpha and blend; no scale, rotation or origin.
void DrawQuadCorners(SDL_Texture* texture, const float xy[8], const float uv[8]);
// Copies the source rectangle of a texture into a w x h box centred on (cx, cy) (virtual pixels,
// origin already added), rotated by `angle` degrees about its centre, with the current colour,
// alpha and blend. The fast path of every image and glyph.
void DrawTextureRect(SDL_Texture* texture, const SDL_Rect& src, float cx, float cy, float w, float h, float angle,
                     bool flip_x, bool flip_y);
