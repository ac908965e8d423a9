#include "publish/DigestFilling.h"

#include "catalogue/FirmwareListParser.h"
#include "catalogue/UnicodeText.h"
#include "download/DownloadLimits.h"
#include "download/WebAddress.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "update/RegularFile.h"
#include "update/SignedListRules.h"

#include <QDir>
#include <QFileInfo>

namespace {

// What one address of a record gives: its bytes, or why there are none.
struct Content
{
    std::optional<QByteArray> bytes;
    QString problem;
    int status = exitSuccess;
};

// A name that could reach outside the list's folder is never looked for there.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

class DigestFiller
{
public:
    DigestFiller(const QString &listPath, Downloader &downloader)
        : m_folder(QFileInfo(listPath).absoluteDir()), m_downloader(downloader)
    {
    }

    FilledList fill(const QString &text)
    {
        QString filled;
        filled.reserve(text.size() + text.size() / 4);
        for (const ListLine &line : listLines(text)) {
            const QStringView physical = QStringView(text).sliced(line.start, line.length);
            // Other line ends split records inside the line, and stay where they were.
            qsizetype start = 0;
            while (start <= physical.size()) {
                qsizetype end = start;
                while (end < physical.size() && !isNewline(physical[end].unicode())) {
                    ++end;
                }
                const std::optional<QString> record =
                    fillLine(physical.sliced(start, end - start), line.number);
                if (!record) {
                    return {std::nullopt, m_result.problems, m_result.filled};
                }
                filled += *record;
                if (end < physical.size()) {
                    filled += physical[end];
                }
                start = end + 1;
            }
            filled += QStringView(text).sliced(line.start + line.length, line.ending);
        }
        m_result.text = std::move(filled);
        return std::move(m_result);
    }

private:
    // A record's line with its digests; any other line as it is.
    std::optional<QString> fillLine(QStringView segment, qsizetype number)
    {
        const std::variant<FirmwareItem, LineRejection> parsed = parseFirmwareLine(segment);
        const FirmwareItem *item = std::get_if<FirmwareItem>(&parsed);
        if (!item) {
            return segment.toString();
        }
        QStringList fields = segment.toString().split(QLatin1Char(';'));
        for (const bool notes : {false, true}) {
            if (!fillField(*item, fields, notes, number)) {
                return std::nullopt;
            }
        }
        return fields.join(QLatin1Char(';'));
    }

    // False when a stop request ended it.
    bool fillField(const FirmwareItem &item, QStringList &fields, bool notes, qsizetype number)
    {
        const qsizetype index = notes ? 8 : 7;
        const QString field = trimWhitespaceAndNewlines(fields.value(index));
        if (!field.isEmpty() && !field.startsWith(digestPrefix)) {
            addProblem(number, QStringLiteral("field %1 holds \u201C%2\u201D, which is no digest; "
                                              "empty it for sign to fill it in")
                                   .arg(index + 1)
                                   .arg(field));
            return true;
        }
        const QUrl url = notes ? item.notesURL.toUrl() : item.firmwareURL.toUrl();
        const Content content = contentOf(url, notes);
        if (content.status == exitInterrupted) {
            return false;
        }
        if (!content.bytes) {
            addProblem(number, content.problem, content.status);
        } else if (!notes && content.bytes->isEmpty()) {
            addProblem(number, QStringLiteral("the image %1 is empty: the updater refuses it")
                                   .arg(url.toString()));
        } else if (field.isEmpty()) {
            while (fields.size() <= index) {
                fields.append(QString());
            }
            fields[index] =
                digestPrefix.toString() + QString::fromLatin1(sha256Of(*content.bytes).toHex());
            ++m_result.filled;
        } else {
            checkGiven(item, field, notes, url, *content.bytes, number);
        }
        return true;
    }

    // A digest given is checked as the updater checks it: a wrong one is the publisher's to
    // see, never overwritten.
    void checkGiven(FirmwareItem given, const QString &field, bool notes, const QUrl &url,
                    const QByteArray &bytes, qsizetype number)
    {
        (notes ? given.notesDigest : given.digest) = field;
        const ImageDigest digest = parseImageDigest(field);
        const bool malformed = digest.state == ImageDigest::State::malformed;
        std::optional<QString> refused;
        if (notes) {
            refused = notesRefusal(given, true, bytes);
        } else if (malformed) {
            refused = flashRefusal(given, true);
        } else if (const QByteArray received = sha256Of(bytes); received != digest.sha256) {
            refused =
                QStringLiteral("the image %1 does not match the digest given (expected %2, "
                               "received %3): the updater refuses it")
                    .arg(url.toString(), shortDigestText(digest.sha256), shortDigestText(received));
        }
        if (refused) {
            addProblem(number, *refused, malformed ? exitListErrors : exitIntegrity);
        }
    }

    // The file beside the list by the address's file name, else the address fetched.
    Content contentOf(const QUrl &url, bool notes)
    {
        const QString name = url.fileName(QUrl::FullyDecoded);
        const bool plainName = isPlainName(name);
        if (plainName) {
            const QFileInfo beside(m_folder.filePath(name));
            if (beside.isSymLink()) {
                return {std::nullopt,
                        QStringLiteral("%1 beside the list is a link; sign reads only the files "
                                       "in the list's own folder")
                            .arg(name),
                        exitCatalogue};
            }
            if (beside.exists()) {
                ReadFile read =
                    readRegularFile(beside.filePath(), notes ? maxNotesBytes : maxImageBytes);
                if (!read.bytes) {
                    return {std::nullopt,
                            QStringLiteral("cannot read %1 beside the list: %2")
                                .arg(name, read.errorDescription),
                            exitCatalogue};
                }
                return {std::move(read.bytes), QString(), exitSuccess};
            }
        }
        const QString missing =
            QStringLiteral("the %1 %2 is not beside the list%3, ")
                .arg(notes ? QStringLiteral("release notes") : QStringLiteral("image"),
                     url.toString(), plainName ? QStringLiteral(" as ") + name : QString());
        return fetched(url, notes, missing);
    }

    Content fetched(const QUrl &url, bool notes, const QString &missing)
    {
        if (const std::optional<QString> problem = webAddressProblem(url)) {
            return {std::nullopt, missing + QStringLiteral("nor can it be fetched: ") + *problem,
                    exitCatalogue};
        }
        Downloader::Answer answer =
            m_downloader.get(url, notes ? DownloadKind::notes : DownloadKind::image);
        if (answer.stopped) {
            return {std::nullopt, QString(), exitInterrupted};
        }
        if (!answer.result.succeeded()) {
            return {std::nullopt,
                    missing + QStringLiteral("and fetching it failed: ") +
                        answer.result.errorDescription,
                    exitCatalogue};
        }
        return {std::move(answer.result.body), QString(), exitSuccess};
    }

    void addProblem(qsizetype line, const QString &message, int status = exitListErrors)
    {
        m_result.problems.append({line, message, status});
    }

    QDir m_folder;
    Downloader &m_downloader;
    FilledList m_result;
};

} // namespace

FilledList fillDigests(const QString &text, const QString &listPath, Downloader &downloader)
{
    return DigestFiller(listPath, downloader).fill(text);
}
