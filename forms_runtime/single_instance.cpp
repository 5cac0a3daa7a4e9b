#include "forms_runtime/single_instance.h"

#include "forms_runtime/display_name.h"
#include "forms_runtime/form_registry.h"

#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <sys/socket.h>
#include <unistd.h>

namespace forms {

namespace {

// A generous wait: the running program answers from its event loop, which a busy
// machine may keep for a moment.
constexpr int kAnswerMilliseconds = 3000;

// An abstract socket: nothing on disk to leave behind, whatever ends the program.
QString socketNameFor(const QString& display)
{
    return QStringLiteral("%1-%2-%3")
        .arg(QGuiApplication::desktopFileName())
        .arg(getuid())
        .arg(display);
}

// Another user could have taken the name; only this user's own program is handed over to.
bool isThisUsersProgram(const QLocalSocket& socket)
{
    ucred peer{};
    socklen_t size = sizeof(peer);
    return getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer,
                      &size) == 0 &&
           peer.uid == getuid();
}

} // namespace

SingleInstance::SingleInstance(FormRegistry& forms)
    : m_forms(forms), m_socketName(socketNameFor(displayName()))
{
    m_handedOver = askRunningInstance() || !listen();
}

bool SingleInstance::askRunningInstance() const
{
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(m_socketName);
    if (!socket.waitForConnected(kAnswerMilliseconds) || !isThisUsersProgram(socket)) {
        return false;
    }
    // Being connected to is the whole request; the running program closes the line.
    socket.waitForDisconnected(kAnswerMilliseconds);
    return true;
}

bool SingleInstance::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answerLaterStarts);
    // Failing, either another start of this user's won the name a moment ago, or another
    // user holds it: then this program runs on, without hearing of later starts.
    return m_server->listen(m_socketName) || !askRunningInstance();
}

void SingleInstance::answerLaterStarts()
{
    while (QLocalSocket* caller = m_server->nextPendingConnection()) {
        caller->disconnectFromServer();
        caller->deleteLater();
    }
    m_forms.bringStartupFormForward();
}

} // namespace forms
