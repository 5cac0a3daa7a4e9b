#pragma once

#include <QString>
#include <string_view>

namespace forms {

// Design tables and the questionnaire hold plain ASCII; every text reaches Qt through here.
inline QString toQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace forms
