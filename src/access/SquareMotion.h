#pragma once
// The about window's bouncing square: position and step per tick, and one
// step of its motion inside the panel's inner area.

struct SquareMotion {
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
    bool operator==(const SquareMotion &) const = default;
};

// Moves by (dx, dy) and bounces off the edges of a W x H area for a w x h
// square: a coordinate that reaches an edge is clamped to it and its step
// turns round, so the square never leaves the area (x in 0..W-w, y in 0..H-h).
SquareMotion animationStep(SquareMotion m, int W = 133, int H = 245, int w = 33, int h = 32);
