#include <QDBusConnection>
#include <QDBusMessage>

#include "app/window_handover.h"
#include "core/app_info.h"

namespace kivra::app {

namespace {

constexpr char kObjectPath[] = "/org/example/kivra32/Window";
constexpr char kInterface[] = "org.example.kivra32.Window";
// Long enough for a window busy reading a large folder.
constexpr int kAnswerMs = 10000;

QString serviceName() { return QString::fromLatin1(kDesktopId); }

// Only a session that has a bus: without one, asking for it would launch a bus daemon that
// outlives the program.
bool sessionHasBus() { return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"); }

class Receiver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.example.kivra32.Window")
public:
    explicit Receiver(MainWindow& window) : window_(window) {}

public slots:
    void Show(const QByteArray& path, const QString& activationToken) {
        ShowHandedPath(window_, path, activationToken);
    }

private:
    MainWindow& window_;
};

}  // namespace

bool HandToRunningWindow(const QByteArray& path, const QString& activationToken) {
    if (!sessionHasBus()) return false;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusMessage call =
        QDBusMessage::createMethodCall(serviceName(), QString::fromLatin1(kObjectPath),
                                       QString::fromLatin1(kInterface), QStringLiteral("Show"));
    call << path << activationToken;
    return bus.call(call, QDBus::Block, kAnswerMs).type() == QDBusMessage::ReplyMessage;
}

std::unique_ptr<QObject> ServeWindow(MainWindow& window) {
    if (!sessionHasBus()) return nullptr;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return nullptr;
    auto receiver = std::make_unique<Receiver>(window);
    if (!bus.registerObject(QString::fromLatin1(kObjectPath), receiver.get(),
                            QDBusConnection::ExportAllSlots))
        return nullptr;
    if (!bus.registerService(serviceName())) {
        bus.unregisterObject(QString::fromLatin1(kObjectPath));
        return nullptr;
    }
    return receiver;
}

}  // namespace kivra::app

#include "window_handover_dbus.moc"
