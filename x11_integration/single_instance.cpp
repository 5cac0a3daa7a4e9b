// SPDX-FileCopyrightText: 2026 The Velorin developers <velorin@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "x11_integration/single_instance.h"

#include "x11_integration/display_name.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <algorithm>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace x11 {

namespace {

// A generous wait: the running program answers from its event loop, which a busy
// machine may keep for a moment.
constexpr int kAnswerMilliseconds = 3000;

// Plain sockets rather than Qt's: the program starts without loading its network
// library, for the price of a few lines.
sockaddr_un abstractAddress(const QByteArray& name, socklen_t& length)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // A leading zero byte puts the name in the abstract namespace, not on disk.
    const auto size = std::min(static_cast<std::size_t>(name.size()), sizeof(address.sun_path) - 1);
    std::copy_n(name.constData(), size, address.sun_path + 1);
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + size);
    return address;
}

// Another user could have taken the name, or call it: only this user's own programs talk.
bool isThisUsersProgram(int socket)
{
    ucred peer{};
    socklen_t size = sizeof(peer);
    return getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

} // namespace

SingleInstance::SingleInstance()
    : m_address(QStringLiteral("%1-%2-%3")
                    .arg(QGuiApplication::desktopFileName())
                    .arg(getuid())
                    .arg(displayName())
                    .toUtf8())
{
    m_handedOver = askRunningInstance() || !listen();
}

SingleInstance::~SingleInstance()
{
    if (m_listener >= 0) {
        close(m_listener);
    }
}

bool SingleInstance::askRunningInstance() const
{
    const int caller = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (caller < 0) {
        return false;
    }
    socklen_t length = 0;
    const sockaddr_un address = abstractAddress(m_address, length);
    const bool answered =
        ::connect(caller, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
        isThisUsersProgram(caller);
    if (answered) {
        // Being connected to is the whole request; the running program closes the line.
        pollfd line{caller, POLLIN, 0};
        poll(&line, 1, kAnswerMilliseconds);
    }
    close(caller);
    return answered;
}

bool SingleInstance::listen()
{
    m_listener = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    socklen_t length = 0;
    const sockaddr_un address = abstractAddress(m_address, length);
    if (m_listener < 0 ||
        bind(m_listener, reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
        ::listen(m_listener, 4) != 0) {
        // Either another start of this user's won the name a moment ago, or another user
        // holds it: then this program runs on, without hearing of later starts.
        if (askRunningInstance()) {
            return false;
        }
        qWarning("Could not listen for later starts: each will open a window of its own");
        return true;
    }
    m_notifier = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SingleInstance::answerLaterStart);
    return true;
}

void SingleInstance::answerLaterStart()
{
    const int caller = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (caller < 0) {
        return;
    }
    // Another user's process must not pull the window in front of what the user is doing.
    const bool ownStart = isThisUsersProgram(caller);
    close(caller);
    if (ownStart) {
        emit laterStart();
    }
}

} // namespace x11
