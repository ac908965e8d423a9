#include "flash/SessionGuard.h"

#include "frame/Console.h"
#include "frame/Environment.h"
#include "session/TransferInhibitor.h"
#include "update/DeviceTransfers.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SessionGuard)
};

// Where the platform has no inhibitor: every lock is missing, which is said once.
class NoInhibitor final : public TransferInhibitor
{
public:
    std::unique_ptr<InhibitorLock> inhibit(const QString &) override { return nullptr; }
    std::optional<double> chargeOnBattery() override { return std::nullopt; }
};

} // namespace

SessionGuard::SessionGuard(const Environment &environment, bool ignoreBattery)
    : m_batteryChecked(!ignoreBattery)
{
    if (environment.transferInhibitor) {
        m_inhibitor = environment.transferInhibitor();
        if (!m_inhibitor) {
            m_inhibitor = std::make_unique<NoInhibitor>();
        }
    }
}

SessionGuard::~SessionGuard() = default;

void SessionGuard::guard(DeviceTransfers &transfers, Console &console)
{
    if (!m_inhibitor) {
        return;
    }
    transfers.useInhibitor(m_inhibitor.get(), m_batteryChecked);
    QObject::connect(&transfers, &DeviceTransfers::inhibitorUnavailable, &transfers, [&console] {
        console.printError(Texts::tr("morvane-flash: nothing keeps this machine from "
                                     "sleeping or shutting down during the transfer (no "
                                     "login manager answered on the system bus)."));
    });
}
