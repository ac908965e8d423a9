// Writes a pseudo-translation of a .ts file: every text lengthened by half, its Latin letters
// accented and its Chinese characters underlined (U+0332 after each), placeholders, option names
// and line breaks kept. Under it a text that does not go
// through the translations stands out by its plain letters, and one that is cut shows the
// cut. Usage: morvane-pseudo-translate IN.ts OUT.ts
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

// One accented letter for each plain one, a..z then A..Z.
const QString accented = QStringLiteral("àƀçďéƒĝĥîĵķĺɱñöþʠŕšţûṽŵẋýž"
                                        "ÀƁÇĎÉƑĜĤÎĴĶĹṀÑÖÞǪŔŠŢÛṼŴẊÝŽ");

// Chinese characters and fullwidth punctuation carry a combining low line, so that a Chinese
// text that escaped the translations shows as well as an English one.
const QChar underline(0x0332);

bool isChinese(QChar c)
{
    return (c.unicode() >= 0x2E80 && c.unicode() <= 0x9FFF) ||
           (c.unicode() >= 0xFF00 && c.unicode() <= 0xFF60);
}

QChar accentedLetter(QChar c)
{
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
        return accented.at(c.unicode() - 'a');
    }
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) {
        return accented.at(26 + c.unicode() - 'A');
    }
    return c;
}

// How long a run that must stay as it is goes on from `i`: a placeholder (%1, %n, %L1), an
// option name (--watch) or an HTML tag; 0 for an ordinary character.
qsizetype keptRun(const QString &line, qsizetype i)
{
    const auto at = [&](qsizetype k) {
        return k < line.size() ? line.at(k) : QChar();
    };
    if (at(i) == QLatin1Char('%')) {
        qsizetype k = i + 1;
        if (at(k) == QLatin1Char('L')) {
            ++k;
        }
        if (at(k) == QLatin1Char('n')) {
            return k + 1 - i;
        }
        while (at(k).isDigit()) {
            ++k;
        }
        return k > i + 1 ? k - i : 0;
    }
    const bool wordStart = i == 0 || !at(i - 1).isLetterOrNumber();
    if (wordStart && at(i) == QLatin1Char('-') && at(i + 1) == QLatin1Char('-')) {
        qsizetype k = i + 2;
        while (at(k).isLetterOrNumber() || at(k) == QLatin1Char('-')) {
            ++k;
        }
        return k - i;
    }
    return 0;
}

QString pseudoLine(const QString &line)
{
    if (line.isEmpty()) {
        return line;
    }
    QString out;
    for (qsizetype i = 0; i < line.size();) {
        if (const qsizetype kept = keptRun(line, i)) {
            out += line.mid(i, kept);
            i += kept;
        } else {
            const QChar c = line.at(i++);
            out += accentedLetter(c);
            if (isChinese(c)) {
                out += underline;
            }
        }
    }
    // Half as long again, in words of at most five, so that a line can still wrap.
    QString padding;
    for (qsizetype n = (line.size() + 1) / 2; n > 0; n -= 6) {
        padding += QLatin1Char(' ') + QString(std::min<qsizetype>(n, 5), QChar(0x00B7));
    }
    return out + padding;
}

QString pseudoText(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        line = pseudoLine(line);
    }
    return lines.join(QLatin1Char('\n'));
}

// Copies the .ts, giving each message's translation (or its numerus forms, one for the
// singular and one for the plural) the pseudo form of its source.
bool pseudoTranslate(QIODevice &in, QIODevice &out)
{
    QXmlStreamReader reader(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    QString source;
    bool numerus = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            const auto name = reader.name();
            if (name == u"TS") {
                writer.writeStartElement(QStringLiteral("TS"));
                writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
                writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
                continue;
            }
            if (name == u"message") {
                numerus = reader.attributes().value(QStringLiteral("numerus")) == u"yes";
            }
            if (name == u"translation") {
                writer.writeStartElement(QStringLiteral("translation"));
                if (numerus) {
                    writer.writeTextElement(QStringLiteral("numerusform"), pseudoText(source));
                    writer.writeTextElement(QStringLiteral("numerusform"), pseudoText(source));
                } else {
                    writer.writeCharacters(pseudoText(source));
                }
                writer.writeEndElement();
                reader.skipCurrentElement();
                continue;
            }
            if (name == u"source") {
                source = reader.readElementText();
                writer.writeTextElement(QStringLiteral("source"), source);
                continue;
            }
            writer.writeStartElement(name.toString());
            writer.writeAttributes(reader.attributes());
        } else if (reader.isEndElement()) {
            writer.writeEndElement();
        } else if (reader.isCharacters() && !reader.isWhitespace()) {
            writer.writeCharacters(reader.text().toString());
        }
    }
    writer.writeEndDocument();
    return !reader.hasError();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("Usage: morvane-pseudo-translate IN.ts OUT.ts\n", stderr);
        return 2;
    }
    QFile in(arguments.at(1));
    QFile out(arguments.at(2));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        !pseudoTranslate(in, out)) {
        std::fprintf(stderr, "morvane-pseudo-translate: cannot translate %s\n", argv[1]);
        return 1;
    }
    return 0;
}
