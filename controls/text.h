// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <string_view>

namespace forms {

// Design tables hold plain ASCII; every text of theirs reaches Qt through here.
inline QString toQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// A control's object name: its design name, and its index within a control array.
inline QString controlName(std::string_view name, int index)
{
    return index < 0 ? toQString(name) : QStringLiteral("%1(%2)").arg(toQString(name)).arg(index);
}

// Texts break lines with CR LF; the screen wants a plain line feed.
inline QString withLineFeeds(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace forms
