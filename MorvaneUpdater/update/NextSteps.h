#pragma once

#include "trust/MinisignKey.h"
#include "trust/SignatureDates.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>
#include <optional>

// What a list's publisher does next about a refusal: one home for each such sentence, so that
// lint, sign and the updater say it alike. Each is a whole sentence, to follow the refusal.

// Why `signature` does not hold for `list` under `keys`, as a step: another key (a rotation
// names the new key's public half), line ends changed on upload, or an edit (sign it again).
QString signatureNextStep(QByteArrayView list, QByteArrayView signature,
                          const QList<MinisignPublicKey> &keys);

// The step for signature dates the updater refuses: a missing or malformed timestamp comes
// from signing without `morvane-flash sign`; an expired list is signed again.
QString signatureDatesNextStep(const SignatureDates &dates);

// The step for a line that is no record, by what it holds: a comment, or a ";" inside a field
// that shifted the fields after it. Empty when neither explains it.
QString lineNextStep(const QStringList &fields);

// A digest given that its image no longer matches: a rebuilt image keeps its old digest until
// field 8 is emptied.
QString rebuiltImageNextStep();

// A relative address in a list: the list is fetched from one server and its files may be on
// another, so each address is written whole.
QString relativeAddressNextStep();

// Release notes that are not plain UTF-8: the character set they will be read in, and that
// they are to be saved as UTF-8. Legacy sets are guessed in a fixed order, so some texts are
// garbled without a byte that fails. Nothing for UTF-8 notes, or for notes no set decodes.
// `subject` names the notes ("the notes", "the release notes <address>"): the sentence's
// subject, which a translation may place anywhere.
std::optional<QString> notesCharsetWarning(const QByteArray &notes, const QString &subject);
