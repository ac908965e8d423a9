#include "trust/MinisignSignature.h"

#include "trust/MinisignBase64.h"

#include <QCoreApplication>
#include <QList>
#include <cstring>

namespace {

constexpr QByteArrayView untrustedCommentPrefix = "untrusted comment: ";
constexpr QByteArrayView trustedCommentPrefix = "trusted comment: ";

QByteArrayView withoutLineEnd(QByteArrayView line)
{
    while (!line.isEmpty() && (line.back() == '\r' || line.back() == '\n')) {
        line.chop(1);
    }
    return line;
}

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(MinisignSignature)
};

ParsedMinisignSignature malformed(const QString &refusal)
{
    return {std::nullopt, refusal};
}

} // namespace

ParsedMinisignSignature parseMinisignSignature(QByteArrayView body)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (lines.size() < 4 && start < body.size()) {
        qsizetype end = body.indexOf('\n', start);
        if (end < 0) {
            end = body.size();
        }
        lines.append(withoutLineEnd(body.sliced(start, end - start)));
        start = end + 1;
    }
    if (lines.size() < 4) {
        return malformed(
            Texts::tr("The signature file is malformed: it has fewer than four lines."));
    }
    if (!lines[0].startsWith(untrustedCommentPrefix)) {
        return malformed(Texts::tr(
            "The signature file is malformed: its first line is not an untrusted comment."));
    }
    if (!lines[2].startsWith(trustedCommentPrefix)) {
        return malformed(
            Texts::tr("The signature file is malformed: its third line is not a trusted comment."));
    }

    MinisignSignature signature;
    const std::optional<QByteArray> signatureLine = decodeMinisignBase64(lines[1].trimmed());
    if (!signatureLine || signatureLine->size() !=
                              qsizetype(2 + signature.keyId.size() + signature.signature.size())) {
        return malformed(Texts::tr(
            "The signature file is malformed: its signature line is not a minisign signature."));
    }
    if (signatureLine->startsWith("ED")) {
        signature.prehashed = true;
    } else if (signatureLine->startsWith("Ed")) {
        signature.prehashed = false;
    } else {
        return malformed(Texts::tr(
            "The signature file is malformed: its signature algorithm is not supported."));
    }
    std::memcpy(signature.keyId.data(), signatureLine->constData() + 2, signature.keyId.size());
    std::memcpy(signature.signature.data(), signatureLine->constData() + 2 + signature.keyId.size(),
                signature.signature.size());

    const std::optional<QByteArray> global = decodeMinisignBase64(lines[3].trimmed());
    if (!global || global->size() != qsizetype(signature.globalSignature.size())) {
        return malformed(Texts::tr(
            "The signature file is malformed: its last line is not a minisign signature."));
    }
    std::memcpy(signature.globalSignature.data(), global->constData(),
                signature.globalSignature.size());
    signature.trustedComment = lines[2].sliced(trustedCommentPrefix.size()).toByteArray();
    return {signature, QString()};
}
