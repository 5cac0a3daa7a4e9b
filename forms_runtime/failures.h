// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace forms {

// Runs one step of a handler that carries on past failures: a step that throws is
// abandoned silently and the caller goes on with its next step.
template <class Step> void ignoringFailure(Step&& step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace forms
