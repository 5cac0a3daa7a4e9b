# SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# NEWS is the one source of each release's version, date and notes: the program's version,
# the metainfo's releases and the package's changelog are all read from it. A release is a
# heading "<version> (<YYYY-MM-DD>)" on a line of its own, newest first, then its notes:
# each begins with "  * " and wraps at 80 columns with four spaces, as a Debian changelog
# writes them, so they go into the changelog unchanged. The text is handled as one string,
# never as a CMake list, so semicolons and brackets in the notes are safe.

get_filename_component(VELORIN_NEWS "${CMAKE_CURRENT_LIST_DIR}/../NEWS" ABSOLUTE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${VELORIN_NEWS}")
set(VELORIN_RELEASE_HEADING
    "[0-9]+\\.[0-9]+ \\([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\\)")

# The releases' headings, newest first.
function(velorin_releases out)
    file(READ "${VELORIN_NEWS}" news)
    string(REGEX MATCHALL "\n${VELORIN_RELEASE_HEADING}\n" headings "\n${news}")
    if(NOT headings)
        message(FATAL_ERROR "${VELORIN_NEWS} names no release")
    endif()
    list(TRANSFORM headings STRIP)
    set(${out} "${headings}" PARENT_SCOPE)
endfunction()

# A release's version and date, from its heading.
function(velorin_release_version_and_date heading version_out date_out)
    string(REGEX MATCH "^(.+) \\((.+)\\)$" _ "${heading}")
    set(${version_out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    set(${date_out} "${CMAKE_MATCH_2}" PARENT_SCOPE)
endfunction()

function(velorin_newest_release version_out date_out)
    velorin_releases(headings)
    list(GET headings 0 newest)
    velorin_release_version_and_date("${newest}" version date)
    set(${version_out} "${version}" PARENT_SCOPE)
    set(${date_out} "${date}" PARENT_SCOPE)
endfunction()

# A release's notes as written: the lines between its heading and the next one.
function(velorin_release_notes heading out)
    file(READ "${VELORIN_NEWS}" news)
    string(FIND "\n${news}" "\n${heading}\n" start)
    string(LENGTH "${heading}" heading_length)
    math(EXPR start "${start} + ${heading_length} + 1")
    string(SUBSTRING "${news}" ${start} -1 notes)
    string(REGEX MATCH "\n${VELORIN_RELEASE_HEADING}\n" next "${notes}")
    if(next)
        string(FIND "${notes}" "${next}" end)
        string(SUBSTRING "${notes}" 0 ${end} notes)
    endif()
    string(REGEX REPLACE "^\n+|\n+$" "" notes "${notes}")
    set(${out} "${notes}" PARENT_SCOPE)
endfunction()

# Days from 1970-01-01 to a YYYY-MM-DD date (Howard Hinnant's days_from_civil, for years
# counted from March so that a leap day ends the year).
function(velorin_days_since_1970 date out)
    string(REGEX MATCH "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$" _ "${date}")
    set(year ${CMAKE_MATCH_1})
    set(month ${CMAKE_MATCH_2})
    set(day ${CMAKE_MATCH_3})
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
        math(EXPR month "${month} + 9")
    else()
        math(EXPR month "${month} - 3")
    endif()
    math(EXPR days "365 * ${year} + ${year} / 4 - ${year} / 100 + ${year} / 400 \
        + (153 * ${month} + 2) / 5 + ${day} - 1 - 719468")
    set(${out} ${days} PARENT_SCOPE)
endfunction()

# Midnight UTC of the newest release, for SOURCE_DATE_EPOCH: what the build writes stays
# the same from one build to the next.
function(velorin_release_epoch out)
    velorin_days_since_1970("${VELORIN_RELEASE_DATE}" days)
    math(EXPR seconds "${days} * 86400")
    set(${out} ${seconds} PARENT_SCOPE)
endfunction()

# "Tue, 08 Dec 2026 00:00:00 +0000" for 2026-12-08, as a Debian changelog dates its entries.
function(velorin_rfc2822_date date out)
    velorin_days_since_1970("${date}" days)
    math(EXPR weekday "(${days} + 4) % 7") # 1970-01-01 was a Thursday
    set(weekdays Sun Mon Tue Wed Thu Fri Sat)
    list(GET weekdays ${weekday} weekday)
    string(REGEX MATCH "^([0-9]+)-0?([0-9]+)-([0-9]+)$" _ "${date}")
    math(EXPR month "${CMAKE_MATCH_2} - 1")
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET months ${month} month)
    set(${out} "${weekday}, ${CMAKE_MATCH_3} ${month} ${CMAKE_MATCH_1} 00:00:00 +0000" PARENT_SCOPE)
endfunction()

# Every release as a Debian changelog entry, newest first.
function(velorin_news_as_debian_changelog package maintainer out)
    velorin_releases(headings)
    set(changelog "")
    foreach(heading IN LISTS headings)
        velorin_release_version_and_date("${heading}" version date)
        velorin_release_notes("${heading}" notes)
        velorin_rfc2822_date("${date}" when)
        string(APPEND changelog "${package} (${version}) unstable; urgency=medium\n\n"
            "${notes}\n\n -- ${maintainer}  ${when}\n\n")
    endforeach()
    string(REGEX REPLACE "\n+$" "\n" changelog "${changelog}")
    set(${out} "${changelog}" PARENT_SCOPE)
endfunction()

# A release's notes as AppStream markup: one list item per note.
function(velorin_notes_as_markup heading out)
    velorin_release_notes("${heading}" notes)
    string(REPLACE "&" "&amp;" notes "${notes}")
    string(REPLACE "<" "&lt;" notes "${notes}")
    string(REPLACE ">" "&gt;" notes "${notes}")
    string(REGEX REPLACE "\n    +" " " notes "${notes}")
    string(REGEX REPLACE "(^|\n)  \\* ([^\n]*)" "\\1          <li>\\2</li>" items "${notes}")
    string(REGEX REPLACE "(^|\n) *<li>[^\n]*</li>" "" stray "${items}")
    if(NOT stray STREQUAL "")
        message(FATAL_ERROR "${VELORIN_NEWS}: a line of ${heading} is not a note: ${stray}")
    endif()
    set(${out} "${items}" PARENT_SCOPE)
endfunction()

# Every release as an AppStream <release> element, newest first.
function(velorin_news_as_metainfo_releases out)
    velorin_releases(headings)
    set(releases "")
    foreach(heading IN LISTS headings)
        velorin_release_version_and_date("${heading}" version date)
        velorin_notes_as_markup("${heading}" items)
        string(APPEND releases
            "    <release version=\"${version}\" date=\"${date}\">\n"
            "      <description>\n        <ul>\n${items}\n        </ul>\n      </description>\n"
            "    </release>\n")
    endforeach()
    string(REGEX REPLACE "\n$" "" releases "${releases}")
    set(${out} "${releases}" PARENT_SCOPE)
endfunction()
