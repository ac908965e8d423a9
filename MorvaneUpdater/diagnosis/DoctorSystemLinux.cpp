#include "diagnosis/DoctorSystem.h"
#include "update/RegularFile.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DoctorSystemLinux)
};

// Where udev reads rules, in its order of precedence.
const char *const rulesFolders[] = {"/etc/udev/rules.d", "/run/udev/rules.d",
                                    "/usr/lib/udev/rules.d", "/lib/udev/rules.d"};

// No rules file comes near this; a bigger one is not read.
constexpr qint64 maxRulesBytes = 1 << 20;

// A bus that does not answer must not hold doctor up for long.
constexpr int callTimeoutMs = 3000;

QString userName(uid_t uid)
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd *found = nullptr;
    if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
        return QString::fromLocal8Bit(found->pw_name);
    }
    return QString::number(uid);
}

QString groupName(gid_t gid)
{
    std::vector<char> buffer(16384);
    group entry{};
    group *found = nullptr;
    if (getgrgid_r(gid, &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr) {
        return QString::fromLocal8Bit(found->gr_name);
    }
    return QString::number(gid);
}

QString permissionText(unsigned permissions)
{
    QString text;
    text += (permissions & 4) != 0 ? QLatin1Char('r') : QLatin1Char('-');
    text += (permissions & 2) != 0 ? QLatin1Char('w') : QLatin1Char('-');
    return text;
}

// The named users and groups of a POSIX ACL as the kernel keeps it in system.posix_acl_access:
// a little-endian version (2), then entries of a 16-bit tag, 16-bit permissions and a 32-bit
// id. What a named entry may do is limited by the mask entry.
QStringList aclEntries(const std::vector<unsigned char> &xattr)
{
    constexpr std::size_t header = 4;
    constexpr std::size_t entrySize = 8;
    constexpr unsigned tagUser = 0x02;
    constexpr unsigned tagGroup = 0x08;
    constexpr unsigned tagMask = 0x10;
    const auto u16 = [&](std::size_t at) {
        return unsigned(xattr[at] | (xattr[at + 1] << 8));
    };
    const auto u32 = [&](std::size_t at) {
        return uint32_t(xattr[at]) | uint32_t(xattr[at + 1]) << 8 | uint32_t(xattr[at + 2]) << 16 |
               uint32_t(xattr[at + 3]) << 24;
    };
    if (xattr.size() < header || u32(0) != 2 || (xattr.size() - header) % entrySize != 0) {
        return {};
    }
    unsigned mask = 7;
    for (std::size_t at = header; at < xattr.size(); at += entrySize) {
        if (u16(at) == tagMask) {
            mask = u16(at + 2);
        }
    }
    QStringList entries;
    for (std::size_t at = header; at < xattr.size(); at += entrySize) {
        const unsigned tag = u16(at);
        const unsigned permissions = u16(at + 2) & mask;
        if (tag == tagUser) {
            entries.append(
                Texts::tr("user %1 %2").arg(userName(u32(at + 4)), permissionText(permissions)));
        } else if (tag == tagGroup) {
            entries.append(
                Texts::tr("group %1 %2").arg(groupName(u32(at + 4)), permissionText(permissions)));
        }
    }
    return entries;
}

std::vector<unsigned char> aclOf(const std::string &path)
{
    const ssize_t size = getxattr(path.c_str(), "system.posix_acl_access", nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    const ssize_t read =
        getxattr(path.c_str(), "system.posix_acl_access", bytes.data(), bytes.size());
    bytes.resize(read > 0 ? std::size_t(read) : 0);
    return bytes;
}

std::string linkTarget(const std::string &link)
{
    char target[4096];
    const ssize_t length = readlink(link.c_str(), target, sizeof target);
    return length > 0 ? std::string(target, std::size_t(length)) : std::string();
}

// The other processes with `node` open, by their descriptors' links in /proc; those whose
// descriptors this user may not read are counted.
void findHolders(const std::string &node, DeviceNodeFacts &facts)
{
    DIR *processes = opendir("/proc");
    if (processes == nullptr) {
        return;
    }
    const std::string self = std::to_string(getpid());
    while (const dirent *process = readdir(processes)) {
        const std::string pid = process->d_name;
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid == self) {
            continue;
        }
        const std::string fds = "/proc/" + pid + "/fd";
        DIR *descriptors = opendir(fds.c_str());
        if (descriptors == nullptr) {
            facts.unlookedProcesses += errno == EACCES ? 1 : 0;
            continue;
        }
        bool holds = false;
        while (const dirent *descriptor = readdir(descriptors)) {
            if (descriptor->d_name[0] != '.' &&
                linkTarget(fds + '/' + descriptor->d_name) == node) {
                holds = true;
                break;
            }
        }
        closedir(descriptors);
        if (holds) {
            const ReadFile comm =
                readRegularFile(QString::fromStdString("/proc/" + pid + "/comm"), 256);
            const QString name = comm.bytes ? QString::fromUtf8(comm.bytes->trimmed()) : QString();
            facts.holders.append(Texts::tr("%1 (pid %2)").arg(name, QString::fromStdString(pid)));
        }
    }
    closedir(processes);
}

std::optional<QVariant> sessionProperty(QDBusConnection &bus, const QString &session,
                                        const QString &name, QString &problem)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), session,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << QStringLiteral("org.freedesktop.login1.Session") << name;
    const QDBusMessage reply = bus.call(call, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) {
        problem =
            Texts::tr("logind did not tell the session's %1 (%2)").arg(name, reply.errorMessage());
        return std::nullopt;
    }
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

SessionFacts askLogind(QDBusConnection &bus)
{
    if (!bus.isConnected()) {
        return {std::nullopt, QString(), Texts::tr("no system bus answers")};
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("GetSessionByPID"));
    call << uint(getpid());
    const QDBusMessage reply = bus.call(call, QDBus::Block, callTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1) {
        return {std::nullopt, QString(),
                Texts::tr("logind does not tell this process's session (%1)")
                    .arg(reply.errorMessage())};
    }
    const QString session = reply.arguments().constFirst().value<QDBusObjectPath>().path();
    SessionFacts facts;
    const std::optional<QVariant> active =
        sessionProperty(bus, session, QStringLiteral("Active"), facts.problem);
    const std::optional<QVariant> seat =
        sessionProperty(bus, session, QStringLiteral("Seat"), facts.problem);
    if (!active || !seat) {
        return facts;
    }
    // (so): the seat's name and object path; an empty name for a session without a seat.
    const QDBusArgument argument = seat->value<QDBusArgument>();
    QDBusObjectPath seatPath;
    argument.beginStructure();
    argument >> facts.seat >> seatPath;
    argument.endStructure();
    facts.active = active->toBool();
    return facts;
}

} // namespace

std::optional<InstalledRules> installedUdevRules(const QString &root)
{
    InstalledRules installed;
    QStringList names;
    for (const char *folder : rulesFolders) {
        const QString path = QDir::cleanPath(root + QLatin1Char('/') + QLatin1String(folder));
        installed.folders.append(path);
        const QFileInfoList entries = QDir(path).entryInfoList(
            {QStringLiteral("*.rules")}, QDir::Files | QDir::System, QDir::Name);
        for (const QFileInfo &entry : entries) {
            if (names.contains(entry.fileName())) {
                installed.hidden.append(entry.filePath());
                continue;
            }
            names.append(entry.fileName());
            if (entry.isSymLink() && entry.symLinkTarget() == u"/dev/null") {
                installed.files.append({entry.filePath(), QByteArray(), true});
                continue;
            }
            const ReadFile read = readRegularFile(entry.filePath(), maxRulesBytes);
            installed.files.append({entry.filePath(), read.bytes.value_or(QByteArray())});
        }
    }
    return installed;
}

std::optional<bool> udevDaemonRuns(bool monitorOpened)
{
    return monitorOpened;
}

std::optional<DeviceNodeFacts> deviceNodeFacts(const std::string &path)
{
    DeviceNodeFacts facts;
    struct stat status
    {
    };
    if (stat(path.c_str(), &status) != 0) {
        facts.problem =
            Texts::tr("its node %1 cannot be looked at: %2")
                .arg(QString::fromStdString(path), QString::fromLocal8Bit(std::strerror(errno)));
        return facts;
    }
    facts.owner = userName(status.st_uid);
    facts.group = groupName(status.st_gid);
    facts.mode = status.st_mode;
    facts.aclEntries = aclEntries(aclOf(path));
    findHolders(QFileInfo(QString::fromStdString(path)).canonicalFilePath().toStdString(), facts);
    return facts;
}

SessionFacts sessionFacts()
{
    const QString name = QStringLiteral("morvane-doctor");
    SessionFacts facts;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SystemBus, name);
        facts = askLogind(bus);
    }
    QDBusConnection::disconnectFromBus(name);
    return facts;
}
