#include <QDataStream>
#include <QLocalServer>
#include <QLocalSocket>

#include "app/window_handover.h"
#include "core/app_info.h"

namespace kivra::app {

namespace {

constexpr int kAnswerMs = 10000;

// One name per user: a local server's name is shared by the machine's sessions.
QString serverName() {
    QString user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty()) user = qEnvironmentVariable("USER");
    return QString::fromLatin1(kDesktopId) + u'-' + user;
}

}  // namespace

bool HandToRunningWindow(const QByteArray& path, const QString& activationToken) {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(kAnswerMs)) return false;
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << path << activationToken;
    socket.write(request);
    // The window answers one byte once it has the whole request.
    return socket.waitForBytesWritten(kAnswerMs) && socket.waitForReadyRead(kAnswerMs);
}

std::unique_ptr<QObject> ServeWindow(MainWindow& window) {
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(serverName())) return nullptr;
    QLocalServer* listening = server.get();
    QObject::connect(listening, &QLocalServer::newConnection, listening, [listening, &window] {
        while (QLocalSocket* socket = listening->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, &window] {
                QDataStream in(socket);
                QByteArray path;
                QString token;
                in.startTransaction();
                in >> path >> token;
                if (!in.commitTransaction()) return;
                socket->write("1");
                socket->flush();
                ShowHandedPath(window, path, token);
            });
        }
    });
    return server;
}

}  // namespace kivra::app
