// SPDX-License-Identifier: GPL-3.0-or-later
// Twips: the unit in which the windows' layouts are given.
#pragma once

#include <QRect>
#include <QSize>

/// A twip is 1/1440 inch: 15 twips make a pixel at 96 dots per inch.
namespace Twips {

inline constexpr int perPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + perPixel / 2) / perPixel;
}

constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

constexpr QSize size(int width, int height)
{
    return QSize(toPixels(width), toPixels(height));
}

} // namespace Twips
