#pragma once
// Window messages between programs, in place of messages broadcast to every application.
//
// Every program that takes part listens on a local socket in IpcFolder() (a private
// folder of the user's runtime directory). A message is one line of text:
//     <wParam> <lParam> <registered message name>\n
// with wParam and lParam in decimal (lParam may be negative) and the name as given to
// RegisterWindowMessage (it may contain blanks). An endpoint delivers the messages whose
// names it accepts to its target window as posted window messages, under this process's
// number for the name; lines that do not parse, names it does not accept and overlong
// lines are dropped (the connection with them). A running updater's own line
// ("{4695579F-...} <code> <value>", update/updater_message.h) is taken as the updater
// message with wParam code and lParam value when that name is accepted.
//
// The program's own endpoint is the single-instance lock: it listens under the lock name,
// so a second start finds it (Listen reports AlreadyRunning) and talks to it instead.
#include <QByteArray>
#include <QLocalServer>
#include <QMetaType>
#include <QObject>
#include <QSet>
#include <QString>
#include <optional>
#include "ui/window_messages.h"

struct IpcMessage {
    QString name;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};
Q_DECLARE_METATYPE(IpcMessage)

// The line for a message (with its line feed); empty when the name is empty or holds a
// line feed.
QByteArray FormatIpcLine(const IpcMessage& message);
// A line without its line feed; nothing when it is not a message line.
std::optional<IpcMessage> ParseIpcLine(const QByteArray& line);

// <runtime directory>/kvelm, created (owner-only) when missing; empty when there is none.
QString IpcFolder();
// The socket path of an endpoint name.
QString IpcPath(const QString& endpointName);

// Sends one message to the endpoint at path; false when nobody listens there or the line
// cannot be written within timeoutMs.
bool SendIpcMessage(const QString& path, const IpcMessage& message, int timeoutMs = 500);
// Sends the message to every endpoint in IpcFolder() (this program's own included, as a
// broadcast to all applications would); returns how many took it.
int BroadcastIpcMessage(const IpcMessage& message, int timeoutMs = 200);

class CIpcEndpoint : public QObject {
    Q_OBJECT
public:
    explicit CIpcEndpoint(QObject* parent = nullptr);
    ~CIpcEndpoint() override;

    enum class ListenResult {
        Listening,       // this endpoint now owns the name
        AlreadyRunning,  // another process listens under the name and answered
        Failed           // neither (no runtime folder, or the socket cannot be made)
    };
    // Connects first: when somebody answers under the name, the name is taken. Otherwise
    // listens; a name left behind by a crashed program is removed and listened on again.
    ListenResult Listen(const QString& endpointName);
    QString FullPath() const { return server_.fullServerName(); }

    // Messages are delivered to target (posted) when their name is accepted.
    void SetTarget(WindowHandle target) { target_ = target; }
    void AcceptName(const QString& name) { accepted_.insert(name); }

    static constexpr int kMaxLineLength = 512;
    // A connection that sends nothing for this long is closed.
    static constexpr int kIdleConnectionMs = 5000;

signals:
    // Each delivered message (after it was posted to the target).
    void MessageReceived(const IpcMessage& message);

private:
    void OnNewConnection();
    void ReadLines(class QLocalSocket* socket);

    QLocalServer server_;
    WindowHandle target_ = 0;
    QSet<QString> accepted_;
};
