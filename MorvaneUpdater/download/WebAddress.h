#pragma once

#include <QByteArrayView>
#include <QString>
#include <QUrl>
#include <optional>

// Every download is fetched from the web and nowhere else: an absolute http or https
// address with a host. Otherwise the reason, for the pane, and no request is made; so a
// list line naming file:, data: or a bare file name can never read anything local.
std::optional<QString> webAddressProblem(const QUrl &url);

// The quick answer for an address as QUrl encodes it: true when it is surely one that
// webAddressProblem takes (http or https, a host, no user part). False decides nothing: ask
// webAddressProblem. Reading a QUrl back from its bytes costs far more than this.
bool isPlainWebAddress(QByteArrayView encoded);

// An address for a message: as the user would type it, cut to a readable length.
QString shortAddressText(const QUrl &url);
