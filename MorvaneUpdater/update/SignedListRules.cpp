#include "update/SignedListRules.h"

#include "bootloader/UsbIdentifier.h"
#include "catalogue/FirmwareListParser.h"
#include "catalogue/UnicodeText.h"
#include "download/WebAddress.h"
#include "update/NextSteps.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(SignedListRules)
};

// An id is a few ASCII characters: copied to the stack, it is read without an allocation per
// record. Anything longer or beyond ASCII is no id, as usbIdsOf would find too.
struct IdText
{
    char bytes[24] = {};
    std::size_t size = 0;
    bool fits = true;

    explicit IdText(const QString &text)
    {
        if (text.size() > qsizetype(sizeof bytes)) {
            fits = false;
            return;
        }
        for (const QChar c : text) {
            if (c.unicode() > 0x7F) {
                fits = false;
                return;
            }
            bytes[size++] = char(c.unicode());
        }
    }
    std::string_view view() const { return {bytes, size}; }
};

// Why `url` cannot be downloaded, with the step for a relative address.
std::optional<QString> addressFinding(const QUrl &url)
{
    std::optional<QString> problem = webAddressProblem(url);
    if (problem && url.isRelative()) {
        *problem += QLatin1Char(' ') + relativeAddressNextStep();
    }
    return problem;
}

std::optional<RecordProblem> addressProblem(const FirmwareItem &item)
{
    const struct
    {
        const char *sentence;
        const CatalogueUrl &url;
    } addresses[] = {
        {QT_TRANSLATE_NOOP("SignedListRules", "the firmware address cannot be downloaded. %1"),
         item.firmwareURL},
        {QT_TRANSLATE_NOOP("SignedListRules", "the release-notes address cannot be downloaded. %1"),
         item.notesURL}};
    for (const auto &address : addresses) {
        if (isPlainWebAddress(address.url.toEncoded())) {
            continue;
        }
        if (const std::optional<QString> problem = addressFinding(address.url)) {
            return RecordProblem{QStringLiteral("not-web-address"),
                                 Texts::tr(address.sentence).arg(*problem)};
        }
    }
    return std::nullopt;
}

std::optional<RecordProblem> idsProblem(const FirmwareItem &item)
{
    const IdText vid(item.vid);
    const IdText pid(item.pid);
    const std::optional<UsbIds> ids =
        vid.fits && pid.fits ? usbIdsOf(vid.view(), pid.view()) : std::nullopt;
    if (!ids || !isWatchable(*ids)) {
        return RecordProblem{
            QStringLiteral("invalid-usb-id"),
            Texts::tr("the ids \"%1\" and \"%2\" are not both hexadecimal numbers from 1 "
                      "to ffff: no device matches them")
                .arg(item.vid, item.pid)};
    }
    return std::nullopt;
}

// Where a text lies. The parser gives the records of one list one shared copy of each
// distinct model name and id, so what is learnt of a text is kept by its place: each distinct
// text is hashed, made canonical or read once rather than once per record. Equal texts that
// are not shared only miss the cache; the answer for each is the same.
struct TextPlace
{
    const QChar *data = nullptr;
    qsizetype size = 0;

    explicit TextPlace(const QString &text) : data(text.constData()), size(text.size()) {}
    bool operator==(const TextPlace &other) const = default;
};

size_t qHash(const TextPlace &place, size_t seed = 0) noexcept
{
    return qHashMulti(seed, place.data, place.size);
}

std::optional<RecordProblem> signedRecordProblem(const FirmwareItem &item)
{
    if (std::optional<RecordProblem> problem = addressProblem(item)) {
        return problem;
    }
    return idsProblem(item);
}

RecordProblem duplicateVersionProblem(const FirmwareItem &item, qsizetype earlierLine)
{
    return {QStringLiteral("duplicate-version"),
            Texts::tr("version \"%1\" of model \"%2\" is also on line %3 with other fields; "
                      "the updater cannot choose between them")
                .arg(item.version, item.product)
                .arg(earlierLine)};
}

template <typename View> QList<ListLine> linesOf(View text)
{
    QList<ListLine> lines;
    qsizetype number = 1;
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto c = text[i];
        if (c == '\n' || c == '\r') {
            const bool crlf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
            const qsizetype ending = crlf ? 2 : 1;
            lines.append({number++, lineStart, i - lineStart, ending});
            i += ending - 1;
            lineStart = i + 1;
        }
    }
    if (lineStart < text.size()) {
        lines.append({number, lineStart, text.size() - lineStart, 0});
    }
    return lines;
}

// What the walk keeps of the records it has passed.
struct WalkMemory
{
    QHash<FirmwareItem, qsizetype> records;
    QHash<QString, qsizetype> versions;

    ListEntry entry(qsizetype line, QStringView segment)
    {
        ListEntry entry{line, segment};
        std::variant<FirmwareItem, LineRejection> parsed = parseFirmwareLine(segment);
        FirmwareItem *item = std::get_if<FirmwareItem>(&parsed);
        if (!item) {
            return entry;
        }
        entry.recordProblem = signedRecordProblem(*item);
        if (const auto same = records.constFind(*item); same != records.cend()) {
            entry.sameRecordAt = *same;
        } else {
            records.insert(*item, line);
            const QString key =
                canonicalForm(item->product) + QChar(0) + canonicalForm(item->version);
            if (const auto it = versions.constFind(key); it != versions.cend()) {
                entry.versionProblem = duplicateVersionProblem(*item, *it);
            } else {
                versions.insert(key, line);
            }
        }
        entry.item = std::move(*item);
        return entry;
    }
};

} // namespace

bool signedListMayBreakRules(const QList<FirmwareItem> &items, qsizetype skipped)
{
    // A blank line is skipped too without breaking a rule; the full pass tells them apart.
    if (skipped > 0) {
        return true;
    }
    // A version is known by its model's number and its canonical text.
    QHash<TextPlace, qsizetype> modelAt;
    QHash<QString, qsizetype> modelNumbers;
    QHash<std::pair<TextPlace, TextPlace>, bool> idsReadAt;
    // Versions are looked at where they lie, not copied: a copy of each would cost an atomic
    // count on every record. The few that need a canonical form of their own keep it here.
    QList<QString> normalized;
    QHash<std::pair<qsizetype, QStringView>, qsizetype> versions;
    versions.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        const FirmwareItem &item = items.at(i);
        if (addressProblem(item)) {
            return true;
        }
        const std::pair<TextPlace, TextPlace> ids{TextPlace(item.vid), TextPlace(item.pid)};
        auto idsRead = idsReadAt.constFind(ids);
        if (idsRead == idsReadAt.cend()) {
            idsRead = idsReadAt.insert(ids, !idsProblem(item).has_value());
        }
        if (!*idsRead) {
            return true;
        }
        auto model = modelAt.constFind(TextPlace(item.product));
        if (model == modelAt.cend()) {
            const QString canonical = canonicalForm(item.product);
            auto number = modelNumbers.constFind(canonical);
            if (number == modelNumbers.cend()) {
                number = modelNumbers.insert(canonical, modelNumbers.size());
            }
            model = modelAt.insert(TextPlace(item.product), *number);
        }
        // One lookup: the record's number plus one, 0 while the version is new.
        QStringView version = item.version;
        if (!isTriviallyCanonical(version)) {
            // The characters stay where they are when the list grows.
            normalized.append(canonicalForm(item.version));
            version = normalized.constLast();
        }
        qsizetype &first = versions[{*model, version}];
        if (first == 0) {
            first = i + 1;
        } else if (items.at(first - 1) != item) {
            return true;
        }
    }
    return false;
}

QList<ListLine> listLines(QByteArrayView bytes)
{
    return linesOf(bytes);
}

QList<ListLine> listLines(QStringView text)
{
    return linesOf(text);
}

void walkList(QStringView text, const std::function<void(const ListEntry &)> &visit)
{
    WalkMemory memory;
    for (const ListLine &line : listLines(text)) {
        const QStringView physical = text.sliced(line.start, line.length);
        qsizetype start = 0;
        while (start <= physical.size()) {
            qsizetype end = start;
            while (end < physical.size() && !isNewline(physical[end].unicode())) {
                ++end;
            }
            const QStringView segment = physical.sliced(start, end - start);
            // A line of blanks holds nothing a publisher meant as a record.
            if (!trimWhitespaceAndNewlines(segment).isEmpty()) {
                visit(memory.entry(line.number, segment));
            }
            start = end + 1;
        }
    }
}

QList<CatalogueFinding> signedListProblems(const QString &text)
{
    QList<CatalogueFinding> problems;
    const auto add = [&problems](qsizetype line, const RecordProblem &problem) {
        problems.append({CatalogueFinding::Severity::error, line, problem.kind, problem.message});
    };
    walkList(text, [&add](const ListEntry &entry) {
        if (!entry.item) {
            const QString step = lineNextStep(entry.text.toString().split(QLatin1Char(';')));
            add(entry.line,
                {QStringLiteral("not-a-record"),
                 step.isEmpty() ? Texts::tr("the line is not a record the updater can read")
                                : Texts::tr("the line is not a record the updater can read. %1")
                                      .arg(step.chopped(1))});
        }
        for (const std::optional<RecordProblem> &problem :
             {entry.recordProblem, entry.versionProblem}) {
            if (problem) {
                add(entry.line, *problem);
            }
        }
    });
    return problems;
}

QString listFieldLabel(int index)
{
    static const char *const names[] = {QT_TRANSLATE_NOOP("SignedListRules", "model"),
                                        QT_TRANSLATE_NOOP("SignedListRules", "vendor id"),
                                        QT_TRANSLATE_NOOP("SignedListRules", "product id"),
                                        QT_TRANSLATE_NOOP("SignedListRules", "version"),
                                        QT_TRANSLATE_NOOP("SignedListRules", "copyright"),
                                        QT_TRANSLATE_NOOP("SignedListRules", "firmware URL"),
                                        QT_TRANSLATE_NOOP("SignedListRules", "release-notes URL"),
                                        QT_TRANSLATE_NOOP("SignedListRules", "digest")};
    //: A field of a catalogue line: its number, then its name.
    return Texts::tr("field %1 (%2)").arg(index + 1).arg(Texts::tr(names[index]));
}

std::optional<RecordProblem> addressFieldProblem(int index, const CatalogueUrl &url)
{
    if (const std::optional<QString> problem = addressFinding(url)) {
        return RecordProblem{
            QStringLiteral("not-web-address"),
            Texts::tr("%1 cannot be downloaded. %2").arg(listFieldLabel(index), *problem)};
    }
    return std::nullopt;
}

// The bootloader reads the id by its own rule and compares it with the device's 16 bits, so
// an id it cannot read or that no device carries makes the record unflashable.
std::optional<FieldProblem> usbIdFieldProblem(int index, const QString &text)
{
    const QString kind = QStringLiteral("invalid-usb-id");
    const std::string id = text.toStdString();
    if (!parseUSBIdentifier(id)) {
        return FieldProblem{
            {kind, Texts::tr("%1 \"%2\" is not a hexadecimal number (no \"0x\", no blanks): the "
                             "updater never finds a device for it")
                       .arg(listFieldLabel(index), text)},
            true};
    }
    if (!usbIdOf(id)) {
        return FieldProblem{
            {kind, Texts::tr("%1 \"%2\" is outside 0 to ffff: no USB device carries it")
                       .arg(listFieldLabel(index), text)},
            true};
    }
    static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{1,4}$"));
    if (!hex.match(text).hasMatch()) {
        return FieldProblem{
            {QStringLiteral("usb-id"), Texts::tr("%1 \"%2\" is not 1 to 4 hexadecimal digits")
                                           .arg(listFieldLabel(index), text)},
            false};
    }
    return std::nullopt;
}
