#pragma once

#include <QImage>
#include <QRect>
#include <functional>

namespace e2e {

// How long any one wait for the editor may take on a slow, loaded machine.
inline constexpr int patienceMs = 20000;

// What the X server shows in `area` of the screen (root window coordinates), as 32-bit RGB.
QImage grabScreen(const QRect &area);

// Polls `condition` until it holds or `timeoutMs` have passed; returns whether it held.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = patienceMs);

} // namespace e2e
