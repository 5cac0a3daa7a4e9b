#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace forms {

class FormRegistry;

// One running program per user and display, as desktop programs have it: a second
// start asks the running one to come forward and ends. They meet on a local socket
// named for the user and the display, so programs on other displays never meet.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // Later starts bring the registry's startup form forward.
    explicit SingleInstance(FormRegistry& forms);

    // Whether another copy runs for this user and display; if so, it has been asked to
    // come forward and this one should end.
    bool handedOver() const { return m_handedOver; }

private:
    bool askRunningInstance() const;
    // False when another start of this user's took the name first.
    bool listen();
    void answerLaterStarts();

    FormRegistry& m_forms;
    QString m_socketName;
    QLocalServer* m_server = nullptr;
    bool m_handedOver = false;
};

} // namespace forms
