#include "about/sys_info.h"

#include <QDir>
#include <stdexcept>

#include "widgets/message_box.h"

namespace kivra {

namespace {

constexpr std::uint32_t kValueBufferSize = 1024;

// Closes an opened key on every way out, the thrown one included.
class OpenKey {
public:
    explicit OpenKey(platform::Registry& registry) : registry_(registry) {}
    ~OpenKey() {
        if (opened_) registry_.closeKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    bool open(std::uint32_t root, const QString& name) {
        opened_ = registry_.openKey(root, name.toLocal8Bit(), platform::kKeyRead, &key_) ==
                  platform::kErrorSuccess;
        return opened_;
    }
    platform::RegKey key() const { return key_; }

private:
    platform::Registry& registry_;
    platform::RegKey key_ = 0;
    bool opened_ = false;
};

// "&h" and the bytes from the last to the first, two upper-case hex digits each. The text is
// kept as it is: nothing reads it but the launch, which fails on it like on any other name.
QString hexNumberText(const QByteArray& bytes) {
    QString text = QStringLiteral("&h");
    for (qsizetype i = bytes.size() - 1; i >= 0; --i)
        text += QStringLiteral("%1").arg(static_cast<unsigned char>(bytes[i]), 2, 16,
                                         QLatin1Char('0')).toUpper();
    return text;
}

}  // namespace

bool GetKeyValue(platform::Registry& registry, std::uint32_t KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal) {
    OpenKey key(registry);
    QByteArray buffer(kValueBufferSize, '\0');
    std::uint32_t count = kValueBufferSize;
    std::uint32_t type = 0;
    if (!key.open(KeyRoot, KeyName) ||
        registry.queryValue(key.key(), SubKeyRef.toLocal8Bit(), &type, buffer.data(), &count) !=
            platform::kErrorSuccess ||
        count > kValueBufferSize) {
        KeyVal.clear();
        return false;
    }

    if (count == 0) throw std::invalid_argument("registry value of zero bytes");
    const qsizetype kept = buffer[count - 1] == '\0' ? count - 1 : count;
    buffer.truncate(kept);

    if (type == platform::kRegSz)
        KeyVal = QString::fromLocal8Bit(buffer);
    else if (type == platform::kRegDword)
        KeyVal = hexNumberText(buffer);
    return true;
}

void StartSysInfo(QWidget* parent, const SysInfoServices& services) {
    static const QString kHklmTool = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    static const QString kHklmToolDir = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");

    const auto start = [&]() -> bool {
        QString toolPath;
        if (GetKeyValue(services.registry, platform::kHkeyLocalMachine, kHklmTool,
                        QStringLiteral("PATH"), toolPath))
            return services.launcher.start(toolPath);
        if (!GetKeyValue(services.registry, platform::kHkeyLocalMachine, kHklmToolDir,
                         QStringLiteral("MSINFO"), toolPath))
            return false;
        // The separator is always added, whatever the directory ends with.
        const QString candidate = toolPath + QDir::separator() + QStringLiteral("MSINFO32.EXE");
        if (!services.isOrdinaryFile(candidate)) return false;
        return services.launcher.start(candidate);
    };

    bool started = false;
    try {
        started = start();
    } catch (const std::exception&) {
        started = false;
    }
    if (!started)
        widgets::ShowMessage({.parent = parent, .text = QString::fromLatin1(kSysInfoUnavailable)});
}

}  // namespace kivra
