#include "station/MetricsClaim.h"
#include "update/LocalFileName.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(MetricsClaimLinux)
};

} // namespace

// A name in Linux's abstract socket namespace: no file to leave behind, and freed with the
// process's last descriptor.
std::optional<QString> MetricsClaim::claim(const QString &file)
{
    const QString path = QDir::cleanPath(absoluteFileName(file));
    const QByteArray name =
        "morvane-flash-metrics:" +
        QCryptographicHash::hash(fileNameBytes(path), QCryptographicHash::Sha256).toHex();
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.constData(), std::size_t(name.size()));
    const int handle = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (handle < 0) {
        return std::nullopt;
    }
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(name.size()));
    if (::bind(handle, reinterpret_cast<const sockaddr *>(&address), length) != 0) {
        const int error = errno;
        ::close(handle);
        if (error == EADDRINUSE) {
            return Texts::tr("%1 is the metrics file of another running station; give "
                             "each station a file of its own.")
                .arg(path);
        }
        return std::nullopt;
    }
    m_handle = handle;
    return std::nullopt;
}

MetricsClaim::~MetricsClaim()
{
    if (m_handle >= 0) {
        ::close(m_handle);
    }
}
