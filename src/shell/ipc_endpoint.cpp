#include "shell/ipc_endpoint.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>
#include "update/updater_message.h"
#include "util/debug_log.h"

namespace {

// A number as the line carries it: an optional '-', then decimal digits, nothing else.
bool ParseDecimal(const QByteArray& text, bool allowNegative, qlonglong* value) {
    if (text.isEmpty() || text.size() > 20) return false;
    qsizetype i = 0;
    if (text[0] == '-') {
        if (!allowNegative || text.size() == 1) return false;
        i = 1;
    }
    for (; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    bool ok = false;
    if (allowNegative) {
        *value = text.toLongLong(&ok);
    } else {
        const qulonglong u = text.toULongLong(&ok);
        *value = static_cast<qlonglong>(u);
    }
    return ok;
}

}  // namespace

QByteArray FormatIpcLine(const IpcMessage& message) {
    if (message.name.isEmpty() || message.name.contains(QLatin1Char('\n'))) return QByteArray();
    return QByteArray::number(static_cast<qulonglong>(message.wParam)) + ' ' +
           QByteArray::number(static_cast<qlonglong>(message.lParam)) + ' ' + message.name.toUtf8() + '\n';
}

std::optional<IpcMessage> ParseIpcLine(const QByteArray& line) {
    const qsizetype first = line.indexOf(' ');
    if (first <= 0) return std::nullopt;
    const qsizetype second = line.indexOf(' ', first + 1);
    if (second <= first + 1) return std::nullopt;
    qlonglong w = 0;
    qlonglong l = 0;
    if (!ParseDecimal(line.left(first), false, &w)) return std::nullopt;
    if (!ParseDecimal(line.mid(first + 1, second - first - 1), true, &l)) return std::nullopt;
    QByteArray name = line.mid(second + 1);
    if (name.endsWith('\r')) name.chop(1);
    if (name.isEmpty()) return std::nullopt;
    IpcMessage message;
    message.name = QString::fromUtf8(name);
    message.wParam = static_cast<WPARAM>(w);
    message.lParam = static_cast<LPARAM>(l);
    return message;
}

QString IpcFolder() {
    // Asked once: Qt repeats its warning about a missing XDG_RUNTIME_DIR on every call.
    static const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty()) return QString();
    const QString folder = QDir(runtime).filePath(QStringLiteral("kvelm"));
    if (!QDir().mkpath(folder)) return QString();
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return QDir::cleanPath(folder);
}

QString IpcPath(const QString& endpointName) {
    const QString folder = IpcFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(endpointName);
}

bool SendIpcMessage(const QString& path, const IpcMessage& message, int timeoutMs) {
    const QByteArray line = FormatIpcLine(message);
    if (line.isEmpty() || path.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(line);
    bool written = true;
    while (written && socket.bytesToWrite() > 0) written = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(timeoutMs);
    return written;
}

int BroadcastIpcMessage(const IpcMessage& message, int timeoutMs) {
    const QString folder = IpcFolder();
    if (folder.isEmpty()) return 0;
    int delivered = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        // Only sockets are endpoints; anything else in the folder is none of ours.
        if (entry.isDir() || entry.isFile()) continue;
        if (SendIpcMessage(entry.absoluteFilePath(), message, timeoutMs)) ++delivered;
    }
    return delivered;
}

CIpcEndpoint::CIpcEndpoint(QObject* parent) : QObject(parent) {
    connect(&server_, &QLocalServer::newConnection, this, &CIpcEndpoint::OnNewConnection);
}

CIpcEndpoint::~CIpcEndpoint() {
    server_.close();
}

CIpcEndpoint::ListenResult CIpcEndpoint::Listen(const QString& endpointName) {
    const QString path = IpcPath(endpointName);
    if (path.isEmpty()) return ListenResult::Failed;
    auto someoneAnswers = [&path] {
        QLocalSocket probe;
        probe.connectToServer(path);
        const bool answered = probe.waitForConnected(500);
        if (answered) probe.disconnectFromServer();
        return answered;
    };
    if (someoneAnswers()) return ListenResult::AlreadyRunning;
    // No socket options: with them Qt would remove a name that another process still
    // listens on.
    if (server_.listen(path)) return ListenResult::Listening;
    if (server_.serverError() == QAbstractSocket::AddressInUseError) {
        // Another start may have taken the name in the meantime; only a dead name goes.
        if (someoneAnswers()) return ListenResult::AlreadyRunning;
        QLocalServer::removeServer(path);
        if (server_.listen(path)) return ListenResult::Listening;
    }
    DebugPrintf("ipc: cannot listen on %s: %s\n", path.toUtf8().constData(),
                server_.errorString().toUtf8().constData());
    return ListenResult::Failed;
}

void CIpcEndpoint::OnNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        // A sender writes its line at once; a connection that stays quiet is dropped, so
        // idle clients cannot pile up on the program.
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        idle->setInterval(kIdleConnectionMs);
        connect(idle, &QTimer::timeout, socket, &QLocalSocket::abort);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, idle] {
            idle->start();
            ReadLines(socket);
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        idle->start();
        if (socket->bytesAvailable() > 0) ReadLines(socket);
    }
}

void CIpcEndpoint::ReadLines(QLocalSocket* socket) {
    // A line that never ends is not buffered without limit.
    if (!socket->canReadLine() && socket->bytesAvailable() > kMaxLineLength + 2) {
        socket->abort();
        return;
    }
    while (socket->canReadLine()) {
        QByteArray line = socket->readLine(kMaxLineLength + 2);
        if (!line.endsWith('\n')) {
            socket->abort();
            return;
        }
        // An updater speaks its own one-line format (update/updater_message.h).
        if (const std::optional<UpdaterMessage> updater = ParseUpdaterMessage(line.toStdString())) {
            const QString name = QString::fromUtf8(kUpdaterMessageName.data(), kUpdaterMessageName.size());
            if (accepted_.contains(name)) {
                const IpcMessage message{name, static_cast<WPARAM>(updater->code), updater->value};
                PostWindowMessage(target_, RegisterWindowMessage(name), message.wParam, message.lParam);
                emit MessageReceived(message);
                continue;
            }
        }
        line.chop(1);
        const std::optional<IpcMessage> message = ParseIpcLine(line);
        if (!message || !accepted_.contains(message->name)) {
            DebugPrintf("ipc: dropped a line that is no accepted message\n");
            socket->abort();
            return;
        }
        PostWindowMessage(target_, RegisterWindowMessage(message->name), message->wParam, message->lParam);
        emit MessageReceived(*message);
    }
    if (socket->bytesAvailable() > kMaxLineLength) socket->abort();
}
