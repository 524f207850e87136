#include "access/SquareMotion.h"

SquareMotion animationStep(SquareMotion m, int W, int H, int w, int h)
{
    m.x += m.dx;
    m.y += m.dy;
    if (m.x + w >= W) {
        m.x = W - w;
        m.dx = -m.dx;
    }
    if (m.y + h >= H) {
        m.y = H - h;
        m.dy = -m.dy;
    }
    if (m.x <= 0) {
        m.x = 0;
        m.dx = -m.dx;
    }
    if (m.y <= 0) {
        m.y = 0;
        m.dy = -m.dy;
    }
    return m;
}
