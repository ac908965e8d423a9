#include "publish/DigestFilling.h"

#include "catalogue/FirmwareListParser.h"
#include "catalogue/UnicodeText.h"
#include "download/DownloadLimits.h"
#include "download/WebAddress.h"
#include "publish/MirrorFile.h"
#include "trust/CatalogueTrust.h"
#include "trust/ImageDigest.h"
#include "update/LocalFileName.h"
#include "update/NextSteps.h"
#include "update/RegularFile.h"
#include "update/SignedListRules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(DigestFilling)
};

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

// Calls `onRecord` with each record-sized piece of `text` and its line number, and `onBetween`
// with what separates them: other line ends split records inside a numbered line.
template <typename OnRecord, typename OnBetween>
bool walkRecords(const QString &text, OnRecord onRecord, OnBetween onBetween)
{
    for (const ListLine &line : listLines(text)) {
        const QStringView physical = QStringView(text).sliced(line.start, line.length);
        qsizetype start = 0;
        while (start <= physical.size()) {
            qsizetype end = start;
            while (end < physical.size() && !isNewline(physical[end].unicode())) {
                ++end;
            }
            if (!onRecord(physical.sliced(start, end - start), line.number)) {
                return false;
            }
            if (end < physical.size()) {
                onBetween(physical.sliced(end, 1));
            }
            start = end + 1;
        }
        onBetween(QStringView(text).sliced(line.start + line.length, line.ending));
    }
    return true;
}

// The path of an address as plain names under the mirror folder; none when a part could
// reach outside it.
std::optional<QStringList> mirrorComponents(const QUrl &url)
{
    const QStringList parts =
        url.path(QUrl::FullyDecoded).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty() || !std::all_of(parts.cbegin(), parts.cend(), isPlainName)) {
        return std::nullopt;
    }
    return parts;
}

class DigestFiller
{
public:
    DigestFiller(const QString &listPath, const QString &mirrorFolder, Downloader &downloader)
        : m_listFolder(folderOfFile(listPath)),
          m_mirror(mirrorFolder.isEmpty() ? folderOfFile(m_listFolder)
                                          : absoluteFileName(mirrorFolder)),
          m_downloader(downloader)
    {
    }

    FilledList fill(const QString &text)
    {
        walkRecords(
            text,
            [this](QStringView segment, qsizetype) {
                const std::variant<FirmwareItem, LineRejection> parsed = parseFirmwareLine(segment);
                if (const FirmwareItem *item = std::get_if<FirmwareItem>(&parsed)) {
                    noteName(item->firmwareURL.toUrl());
                    noteName(item->notesURL.toUrl());
                }
                return true;
            },
            [](QStringView) {});
        QString filled;
        filled.reserve(text.size() + text.size() / 4);
        const bool whole = walkRecords(
            text,
            [this, &filled](QStringView segment, qsizetype number) {
                const std::optional<QString> record = fillLine(segment, number);
                if (record) {
                    filled += *record;
                }
                return record.has_value();
            },
            [&filled](QStringView between) { filled += between; });
        if (!whole) {
            return {std::nullopt, m_result.problems, m_result.warnings, m_result.filled};
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
            addProblem(number, Texts::tr("field %1 holds \u201C%2\u201D, which is no digest; empty "
                                         "it for sign to fill it in")
                                   .arg(index + 1)
                                   .arg(field));
            return true;
        }
        const QUrl url = notes ? item.notesURL.toUrl() : item.firmwareURL.toUrl();
        const Content content = contentOf(url, notes, number);
        if (content.status == exitInterrupted) {
            return false;
        }
        if (content.bytes && notes) {
            if (const std::optional<QString> warning = notesCharsetWarning(
                    *content.bytes, Texts::tr("the release notes %1").arg(url.toString()))) {
                m_result.warnings.append({number, *warning, exitSuccess});
            }
        }
        if (!content.bytes) {
            addProblem(number, content.problem, content.status);
        } else if (!notes && content.bytes->isEmpty()) {
            addProblem(
                number,
                Texts::tr("the image %1 is empty: the updater refuses it").arg(url.toString()));
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
            refused = Texts::tr("the image %1 does not match the digest given (%2): the updater "
                                "refuses it. %3")
                          .arg(url.toString(), digestMismatchText(digest.sha256, received),
                               rebuiltImageNextStep().chopped(1));
        }
        if (refused) {
            addProblem(number, *refused, malformed ? exitListErrors : exitIntegrity);
        }
    }

    void noteName(const QUrl &url)
    {
        m_addressesByName[url.fileName(QUrl::FullyDecoded)].insert(url.toString());
    }

    // The file at the address's path in the mirror folder, else the one beside the list by
    // its file name when that name is the address's alone, else the address fetched.
    Content contentOf(const QUrl &url, bool notes, qsizetype number)
    {
        const qint64 limit = notes ? maxNotesBytes : maxImageBytes;
        QStringList looked;
        if (const std::optional<QStringList> path = mirrorComponents(url)) {
            const std::optional<Content> local = localFile(m_mirror, *path, limit, number);
            if (local) {
                return *local;
            }
            looked.append(Texts::tr("at %1", "where the mirror would hold a file")
                              .arg(QDir(m_mirror).filePath(path->join('/'))));
        }
        const QString name = url.fileName(QUrl::FullyDecoded);
        QString shared;
        if (isPlainName(name) && m_addressesByName.value(name).size() == 1) {
            if (const std::optional<Content> local =
                    localFile(m_listFolder, {name}, limit, number)) {
                return *local;
            }
            looked.append(Texts::tr("beside the list as %1").arg(name));
        } else if (isPlainName(name)) {
            shared = Texts::tr(" (%1 beside the list is not taken: other addresses of the list "
                               "have that name)")
                         .arg(name);
        }
        const QString where =
            (looked.isEmpty() ? Texts::tr("found here", "the file is not found here")
                              : looked.join(Texts::tr(" nor ", "between the places looked at"))) +
            shared;
        return fetched(url, notes, where);
    }

    // The file at `path` under `folder`: nothing when there is none.
    std::optional<Content> localFile(const QString &folder, const QStringList &path, qint64 limit,
                                     qsizetype number)
    {
        MirrorFile file = readFileUnder(folder, path, limit);
        const QString shown = QDir(folder).filePath(path.join('/'));
        switch (file.state) {
        case MirrorFile::State::absent:
            return std::nullopt;
        case MirrorFile::State::link:
            return Content{std::nullopt,
                           Texts::tr("%1 is a link, or is reached through one; sign follows no "
                                     "links, so nothing outside %2 is read in its place")
                               .arg(shown, folder),
                           exitCatalogue};
        case MirrorFile::State::unreadable:
            return Content{std::nullopt,
                           Texts::tr("cannot read %1: %2").arg(shown, file.errorDescription),
                           exitCatalogue};
        case MirrorFile::State::found:
            break;
        }
        if (file.hardLinks > 1) {
            m_result.warnings.append(
                {number,
                 Texts::tr("%1 has %2 hard links: it can be changed through another name; its "
                           "digest is of the file as it is now")
                     .arg(shown, QString::number(file.hardLinks)),
                 exitSuccess});
        }
        return Content{std::move(file.bytes), QString(), exitSuccess};
    }

    // `where` is where the file was looked for, for the sentence saying it is not there.
    Content fetched(const QUrl &url, bool notes, const QString &where)
    {
        if (const std::optional<QString> problem = webAddressProblem(url)) {
            return {std::nullopt,
                    (notes ? Texts::tr("the release notes %1 is not %2, nor can it be fetched: %3")
                           : Texts::tr("the image %1 is not %2, nor can it be fetched: %3"))
                        .arg(url.toString(), where, *problem),
                    exitCatalogue};
        }
        Downloader::Answer answer =
            m_downloader.get(url, notes ? DownloadKind::notes : DownloadKind::image);
        if (answer.stopped) {
            return {std::nullopt, QString(), exitInterrupted};
        }
        if (!answer.result.succeeded()) {
            return {std::nullopt,
                    (notes ? Texts::tr("the release notes %1 is not %2, and fetching it failed: "
                                       "%3")
                           : Texts::tr("the image %1 is not %2, and fetching it failed: %3"))
                        .arg(url.toString(), where, answer.result.errorDescription),
                    exitCatalogue};
        }
        return {std::move(answer.result.body), QString(), exitSuccess};
    }

    void addProblem(qsizetype line, const QString &message, int status = exitListErrors)
    {
        m_result.problems.append({line, message, status});
    }

    QString m_listFolder;
    QString m_mirror;
    Downloader &m_downloader;
    // The addresses of the list by their file name: a name several share is no key to a file
    // beside the list.
    QHash<QString, QSet<QString>> m_addressesByName;
    FilledList m_result;
};

} // namespace

FilledList fillDigests(const QString &text, const QString &listPath, const QString &mirrorFolder,
                       Downloader &downloader)
{
    return DigestFiller(listPath, mirrorFolder, downloader).fill(text);
}
