// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <cmath>
#include <compare>

namespace forms {

// A position or a size in twips (1/1440 inch), the unit every design and every handler
// works in. Windows land on the nearest logical pixel, which Qt scales on HiDPI screens.
// A distinct type, so twips never pass for pixels, nor pixels for twips.
class Twips
{
public:
    static constexpr float kPerPixel = 15.0f;

    constexpr Twips() = default;
    constexpr explicit Twips(float value) : m_value(value) {}

    static Twips fromPixels(int pixels) { return Twips(static_cast<float>(pixels) * kPerPixel); }
    int toPixels() const { return static_cast<int>(std::lround(m_value / kPerPixel)); }
    constexpr float value() const { return m_value; }

    constexpr Twips operator+(Twips other) const { return Twips(m_value + other.m_value); }
    constexpr Twips operator-(Twips other) const { return Twips(m_value - other.m_value); }
    constexpr auto operator<=>(const Twips&) const = default;

private:
    float m_value = 0;
};

namespace twips_literals {
constexpr Twips operator""_tw(unsigned long long value)
{
    return Twips(static_cast<float>(value));
}
} // namespace twips_literals

// A design's rectangle on the nearest pixels.
inline QRect toPixels(Twips left, Twips top, Twips width, Twips height)
{
    return QRect(left.toPixels(), top.toPixels(), width.toPixels(), height.toPixels());
}

} // namespace forms
