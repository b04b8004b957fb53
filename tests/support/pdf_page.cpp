#include "support/pdf_page.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <cmath>

namespace testing_support {

namespace {

QRegularExpressionMatch match(const char *pattern, const QByteArray &text)
{
    return QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromLatin1(text));
}

// The objects of a PDF file by number, found through its cross-reference table.
class PdfFile
{
public:
    explicit PdfFile(const QByteArray &bytes) : m_bytes(bytes)
    {
        const qsizetype start = bytes.lastIndexOf("startxref");
        const qsizetype table = bytes.mid(start + 9, 24).trimmed().split('\n')[0].toLongLong();
        const QList<QByteArray> lines = bytes.mid(table).split('\n');
        for (qsizetype line = 1; line < lines.size();) {
            const QList<QByteArray> head = lines[line].trimmed().split(' ');
            if (head.size() != 2)
                break; // the trailer
            for (int i = 0; i < head[1].toInt(); ++i) {
                if (lines[line + 1 + i].trimmed().endsWith('n'))
                    m_offsets.insert(head[0].toInt() + i,
                                     lines[line + 1 + i].left(10).toLongLong());
            }
            line += 1 + head[1].toInt();
        }
    }

    bool valid() const { return !m_offsets.isEmpty(); }
    QList<int> objects() const { return m_offsets.keys(); }

    // An object's dictionary (or bare value), without its stream.
    QByteArray dictionary(int number) const
    {
        const qsizetype start = m_bytes.indexOf("obj", m_offsets.value(number)) + 3;
        qsizetype end = m_bytes.indexOf("endobj", start);
        if (const qsizetype stream = m_bytes.indexOf("stream", start); stream >= 0 && stream < end)
            end = stream;
        return m_bytes.mid(start, end - start).trimmed();
    }

    // An object's stream, inflated.
    QByteArray stream(int number) const
    {
        const QByteArray dict = dictionary(number);
        const auto length = match(R"(/Length\s+(\d+)(\s+0\s+R)?)", dict);
        qsizetype size = length.captured(1).toLongLong();
        if (length.hasCaptured(2))
            size = dictionary(int(size)).toLongLong();
        qsizetype data =
            m_bytes.indexOf("stream", m_bytes.indexOf("obj", m_offsets.value(number))) + 6;
        data += m_bytes.at(data) == '\r' ? 2 : 1;
        const QByteArray raw = m_bytes.mid(data, size);
        if (!dict.contains("/FlateDecode"))
            return raw;
        // qUncompress wants a size in front; it grows its buffer when the guess is short.
        const quint32 guess = quint32(raw.size()) * 4;
        const char head[4] = {char(guess >> 24), char(guess >> 16), char(guess >> 8), char(guess)};
        return qUncompress(QByteArray(head, 4) + raw);
    }

private:
    QByteArray m_bytes;
    QMap<int, qsizetype> m_offsets;
};

QString utf16(const QString &hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t((uchar(bytes[i]) << 8) | uchar(bytes[i + 1])));
    return text == QLatin1String("\t") ? QStringLiteral(" ") : text;
}

// Glyph code to text, from the bfrange lines of a ToUnicode map: "<a> <b> <u>" or
// "<a> <b> [<u1> <u2> ...]"; bfchar lines "<a> <u>" are ranges of one.
QHash<uint, QString> readToUnicode(const QByteArray &cmap)
{
    QHash<uint, QString> map;
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]+)>"));
    bool inSection = false;
    for (const QByteArray &line : cmap.split('\n')) {
        if (line.contains("beginbf") || line.contains("endbf")) {
            inSection = line.contains("beginbf");
            continue;
        }
        if (!inSection)
            continue;
        QStringList values;
        for (auto it = hex.globalMatch(QString::fromLatin1(line)); it.hasNext();)
            values.append(it.next().captured(1));
        if (values.size() == 2)
            values.insert(1, values[0]);
        if (values.size() < 3)
            continue;
        const uint low = values[0].toUInt(nullptr, 16);
        const uint high = values[1].toUInt(nullptr, 16);
        for (uint code = low; code <= high; ++code) {
            if (line.contains('['))
                map.insert(code, utf16(values.value(qsizetype(code - low) + 2)));
            else
                map.insert(code, QChar(char16_t(values[2].toUInt(nullptr, 16) + code - low)));
        }
    }
    return map;
}

} // namespace

PdfPage readPdfPage(const QByteArray &pdf)
{
    PdfPage page;
    const PdfFile file(pdf);
    if (!file.valid()) {
        page.error = QStringLiteral("no cross-reference table");
        return page;
    }
    int pageObject = -1;
    for (const int number : file.objects()) {
        const QByteArray dict = file.dictionary(number);
        if (pageObject < 0 && match(R"(/Type\s*/Page(?![s\w]))", dict).hasMatch())
            pageObject = number;
        if (match(R"(/Subtype\s*/Image\b)", dict).hasMatch())
            page.images.push_back({match(R"(/Width\s+(\d+))", dict).captured(1).toInt(),
                                   match(R"(/Height\s+(\d+))", dict).captured(1).toInt()});
    }
    if (pageObject < 0) {
        page.error = QStringLiteral("no page");
        return page;
    }
    const QByteArray pageDict = file.dictionary(pageObject);
    const auto box =
        match(R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+))", pageDict);
    page.mediaBox = QSizeF(box.captured(3).toDouble() - box.captured(1).toDouble(),
                           box.captured(4).toDouble() - box.captured(2).toDouble());

    // The page's fonts by resource name, as glyph-to-text maps.
    const QByteArray resources =
        file.dictionary(match(R"(/Resources\s+(\d+)\s+0\s+R)", pageDict).captured(1).toInt());
    const qsizetype fontKey = resources.indexOf("/Font");
    const QByteArray fontList = resources.mid(fontKey, resources.indexOf(">>", fontKey) - fontKey);
    QHash<QByteArray, QHash<uint, QString>> fonts;
    static const QRegularExpression entry(QStringLiteral(R"(/(\w+)\s+(\d+)\s+0\s+R)"));
    for (auto it = entry.globalMatch(QString::fromLatin1(fontList)); it.hasNext();) {
        const auto font = it.next();
        const auto cmap =
            match(R"(/ToUnicode\s+(\d+)\s+0\s+R)", file.dictionary(font.captured(2).toInt()));
        fonts.insert('/' + font.captured(1).toLatin1(),
                     readToUnicode(file.stream(cmap.captured(1).toInt())));
    }

    // The content stream, operator by operator: the transformation's scale and the line
    // width at each stroke, and the text of each text object.
    const QByteArray content =
        file.stream(match(R"(/Contents\s+(\d+)\s+0\s+R)", pageDict).captured(1).toInt());
    static const QRegularExpression token(QStringLiteral(R"(<[0-9A-Fa-f]*>|[^\s\[\]<>/]+|/\w+)"));
    struct State {
        double scale = 1;
        double width = 1;
    };
    std::vector<State> states{State{}};
    QStringList operands;
    QByteArray font;
    QString text;
    for (auto it = token.globalMatch(QString::fromLatin1(content)); it.hasNext();) {
        const QString word = it.next().captured();
        const QChar first = word.front();
        if (first.isDigit() || QStringLiteral("-./<").contains(first)) {
            operands.append(word);
            continue;
        }
        const qsizetype n = operands.size();
        if (word == QLatin1String("q")) {
            states.push_back(states.back());
        } else if (word == QLatin1String("Q") && states.size() > 1) {
            states.pop_back();
        } else if (word == QLatin1String("cm") && n >= 6) {
            const double a = operands[n - 6].toDouble(), b = operands[n - 5].toDouble();
            const double c = operands[n - 4].toDouble(), d = operands[n - 3].toDouble();
            states.back().scale *= std::sqrt(std::abs(a * d - b * c));
        } else if (word == QLatin1String("w") && n >= 1) {
            states.back().width = operands.back().toDouble();
        } else if (QStringList{"S", "s", "B", "B*", "b", "b*"}.contains(word)) {
            page.strokeWidths.push_back(states.back().width * states.back().scale);
        } else if (word == QLatin1String("Tf") && n >= 2) {
            font = operands[n - 2].toLatin1();
        } else if (word == QLatin1String("BT")) {
            text.clear();
        } else if (word == QLatin1String("ET") && !text.trimmed().isEmpty()) {
            page.texts.append(text);
        } else if (word == QLatin1String("Tj") || word == QLatin1String("TJ")) {
            for (const QString &glyphs : operands) {
                for (qsizetype i = 1; glyphs.startsWith('<') && i + 4 < glyphs.size(); i += 4)
                    text += fonts.value(font).value(glyphs.mid(i, 4).toUInt(nullptr, 16));
            }
        }
        operands.clear();
    }
    return page;
}

std::pair<int, int> pdfPageCounts(const QByteArray &pdf)
{
    const QString text = QString::fromLatin1(pdf);
    const int pages = static_cast<int>(
        text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
    const QRegularExpressionMatch count =
        QRegularExpression(QStringLiteral("/Type\\s*/Pages[^>]*/Count\\s+(\\d+)")).match(text);
    return {pages, count.hasMatch() ? count.captured(1).toInt() : -1};
}

} // namespace testing_support
