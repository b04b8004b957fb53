#include "support/pdf_page.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>
#include <optional>

namespace testing_support {

namespace {

class PdfFile
{
public:
    explicit PdfFile(const QByteArray &bytes) : m_bytes(bytes) { readCrossReferences(); }

    QString error() const { return m_error; }
    QList<int> objects() const { return m_offsets.keys(); }

    // The dictionary of an object (between its outer << and >>), or its bare value.
    QByteArray dictionary(int number) const
    {
        const qsizetype start = bodyStart(number);
        if (start < 0)
            return {};
        if (m_bytes.mid(start, 2) != "<<") {
            const qsizetype end = m_bytes.indexOf("endobj", start);
            return m_bytes.mid(start, end - start).trimmed();
        }
        return m_bytes.mid(start, dictionaryEnd(start) - start);
    }

    // The decoded data of a stream object.
    QByteArray stream(int number) const
    {
        const qsizetype start = bodyStart(number);
        if (start < 0)
            return {};
        const qsizetype dictEnd = dictionaryEnd(start);
        const QByteArray dict = m_bytes.mid(start, dictEnd - start);
        qsizetype data = m_bytes.indexOf("stream", dictEnd);
        if (data < 0)
            return {};
        data += 6;
        if (m_bytes.at(data) == '\r')
            ++data;
        if (m_bytes.at(data) == '\n')
            ++data;
        static const QRegularExpression lengthKey(QStringLiteral(R"(/Length\s+(\d+)(\s+0\s+R)?)"));
        const QRegularExpressionMatch length = lengthKey.match(QString::fromLatin1(dict));
        if (!length.hasMatch())
            return {};
        qsizetype size = length.captured(1).toLongLong();
        if (!length.captured(2).isEmpty())
            size = dictionary(int(size)).toLongLong();
        QByteArray raw = m_bytes.mid(data, size);
        if (!dict.contains("/FlateDecode"))
            return raw;
        // qUncompress wants the expected size in front; it grows its buffer as needed.
        const quint32 guess = quint32(raw.size()) * 4 + 64;
        QByteArray framed(4, '\0');
        framed[0] = char(guess >> 24);
        framed[1] = char(guess >> 16);
        framed[2] = char(guess >> 8);
        framed[3] = char(guess);
        return qUncompress(framed + raw);
    }

private:
    void readCrossReferences()
    {
        const qsizetype startxref = m_bytes.lastIndexOf("startxref");
        if (startxref < 0) {
            m_error = QStringLiteral("no startxref");
            return;
        }
        const qsizetype table =
            m_bytes.mid(startxref + 9, 32).trimmed().split('\n').value(0).toLongLong();
        if (m_bytes.mid(table, 4) != "xref") {
            m_error = QStringLiteral("no cross-reference table");
            return;
        }
        const QList<QByteArray> lines = m_bytes.mid(table).split('\n');
        qsizetype line = 1;
        while (line < lines.size()) {
            const QList<QByteArray> head = lines[line].trimmed().split(' ');
            if (head.size() != 2)
                break; // "trailer"
            const int first = head[0].toInt();
            const int count = head[1].toInt();
            for (int i = 0; i < count && line + 1 + i < lines.size(); ++i) {
                const QByteArray entry = lines[line + 1 + i].trimmed();
                if (entry.endsWith('n'))
                    m_offsets.insert(first + i, entry.left(10).toLongLong());
            }
            line += 1 + count;
        }
        if (m_offsets.isEmpty())
            m_error = QStringLiteral("empty cross-reference table");
    }

    qsizetype bodyStart(int number) const
    {
        const auto it = m_offsets.constFind(number);
        if (it == m_offsets.cend())
            return -1;
        qsizetype at = m_bytes.indexOf("obj", *it);
        if (at < 0)
            return -1;
        at += 3;
        while (at < m_bytes.size() && std::isspace(static_cast<unsigned char>(m_bytes.at(at))))
            ++at;
        return at;
    }

    qsizetype dictionaryEnd(qsizetype start) const
    {
        int depth = 0;
        for (qsizetype i = start; i + 1 < m_bytes.size(); ++i) {
            if (m_bytes.at(i) == '<' && m_bytes.at(i + 1) == '<') {
                ++depth;
                ++i;
            } else if (m_bytes.at(i) == '>' && m_bytes.at(i + 1) == '>') {
                ++i;
                if (--depth == 0)
                    return i + 1;
            }
        }
        return m_bytes.size();
    }

    QByteArray m_bytes;
    QMap<int, qsizetype> m_offsets;
    QString m_error;
};

std::optional<int> reference(const QByteArray &dict, const char *key)
{
    const QRegularExpression pattern(
        QStringLiteral(R"(%1\s+(\d+)\s+0\s+R)").arg(QLatin1String(key)));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(dict));
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

QString utf16(const QByteArray &hex)
{
    const QByteArray bytes = QByteArray::fromHex(hex);
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text += QChar(char16_t((uchar(bytes[i]) << 8) | uchar(bytes[i + 1])));
    return text;
}

// Glyph code to text, from a ToUnicode map's bfchar and bfrange sections.
QHash<uint, QString> readToUnicode(const QByteArray &cmap)
{
    QHash<uint, QString> map;
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]+)>|\\[|\\]"));
    const QString text = QString::fromLatin1(cmap);
    auto section = [&](const QString &begin, const QString &end, auto handle) {
        qsizetype at = 0;
        while ((at = text.indexOf(begin, at)) >= 0) {
            const qsizetype stop = text.indexOf(end, at);
            handle(text.mid(at + begin.size(), stop - at - begin.size()));
            at = stop;
        }
    };
    section(QStringLiteral("beginbfchar"), QStringLiteral("endbfchar"), [&](const QString &body) {
        QStringList values;
        for (auto it = hex.globalMatch(body); it.hasNext();)
            values.append(it.next().captured(1));
        for (qsizetype i = 0; i + 1 < values.size(); i += 2)
            map.insert(values[i].toUInt(nullptr, 16), utf16(values[i + 1].toLatin1()));
    });
    section(QStringLiteral("beginbfrange"), QStringLiteral("endbfrange"), [&](const QString &body) {
        for (const QString &line : body.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            QStringList values;
            for (auto it = hex.globalMatch(line); it.hasNext();) {
                const auto match = it.next();
                if (!match.captured(1).isEmpty())
                    values.append(match.captured(1));
            }
            if (values.size() < 3)
                continue;
            const uint low = values[0].toUInt(nullptr, 16);
            const uint high = values[1].toUInt(nullptr, 16);
            if (line.contains(QLatin1Char('['))) {
                for (uint code = low; code <= high && qsizetype(code - low + 2) < values.size();
                     ++code)
                    map.insert(code, utf16(values[code - low + 2].toLatin1()));
            } else {
                const uint base = values[2].toUInt(nullptr, 16);
                for (uint code = low; code <= high; ++code)
                    map.insert(code, QString(QChar(char16_t(base + code - low))));
            }
        }
    });
    return map;
}

// A content stream, token by token: numbers, names, strings (hex kept as "<...>"), array
// brackets and operators.
QList<QByteArray> tokens(const QByteArray &content)
{
    QList<QByteArray> out;
    qsizetype i = 0;
    const qsizetype n = content.size();
    auto isDelimiter = [](char c) {
        return std::isspace(static_cast<unsigned char>(c)) || c == '[' || c == ']' || c == '<' ||
               c == '>' || c == '(' || c == ')' || c == '/' || c == '%';
    };
    while (i < n) {
        const char c = content.at(i);
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '%') {
            while (i < n && content.at(i) != '\n')
                ++i;
        } else if (c == '[' || c == ']') {
            out.append(QByteArray(1, c));
            ++i;
        } else if (c == '<' && i + 1 < n && content.at(i + 1) == '<') {
            out.append("<<");
            i += 2;
        } else if (c == '>' && i + 1 < n && content.at(i + 1) == '>') {
            out.append(">>");
            i += 2;
        } else if (c == '<') {
            const qsizetype end = content.indexOf('>', i);
            out.append(content.mid(i, end - i + 1));
            i = end + 1;
        } else if (c == '(') {
            int depth = 0;
            const qsizetype start = i;
            for (; i < n; ++i) {
                if (content.at(i) == '\\') {
                    ++i;
                } else if (content.at(i) == '(') {
                    ++depth;
                } else if (content.at(i) == ')' && --depth == 0) {
                    ++i;
                    break;
                }
            }
            out.append(content.mid(start, i - start));
        } else {
            const qsizetype start = i++;
            while (i < n && !isDelimiter(content.at(i)))
                ++i;
            out.append(content.mid(start, i - start));
        }
    }
    return out;
}

struct Graphics {
    double scale = 1.0; // of the current transformation, along a line
    double lineWidth = 1.0;
};

bool isOperand(const QByteArray &token)
{
    const char c = token.at(0);
    return std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '+' || c == '.' ||
           c == '/' || c == '<' || c == '(' || c == '[' || c == ']' || token == "<<" ||
           token == ">>";
}

} // namespace

PdfPage readPdfPage(const QByteArray &pdf)
{
    PdfPage page;
    const PdfFile file(pdf);
    if (!file.error().isEmpty()) {
        page.error = file.error();
        return page;
    }
    static const QRegularExpression pageType(QStringLiteral(R"(/Type\s*/Page(?![s\w]))"));
    static const QRegularExpression imageType(QStringLiteral(R"(/Subtype\s*/Image\b)"));
    static const QRegularExpression sizeKeys(QStringLiteral(R"(/(Width|Height)\s+(\d+))"));
    int pageObject = -1;
    for (const int number : file.objects()) {
        const QString dict = QString::fromLatin1(file.dictionary(number));
        if (pageObject < 0 && pageType.match(dict).hasMatch())
            pageObject = number;
        if (imageType.match(dict).hasMatch()) {
            PdfPage::Image image;
            for (auto it = sizeKeys.globalMatch(dict); it.hasNext();) {
                const auto match = it.next();
                (match.captured(1) == QLatin1String("Width") ? image.width : image.height) =
                    match.captured(2).toInt();
            }
            page.images.push_back(image);
        }
    }
    if (pageObject < 0) {
        page.error = QStringLiteral("no page");
        return page;
    }
    const QByteArray pageDict = file.dictionary(pageObject);
    static const QRegularExpression mediaBox(
        QStringLiteral(R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+))"));
    if (const auto box = mediaBox.match(QString::fromLatin1(pageDict)); box.hasMatch())
        page.mediaBox = QSizeF(box.captured(3).toDouble() - box.captured(1).toDouble(),
                               box.captured(4).toDouble() - box.captured(2).toDouble());

    // Fonts of the page, by resource name, as glyph-to-text maps.
    QHash<QByteArray, QHash<uint, QString>> fonts;
    QByteArray resources = pageDict;
    if (const auto ref = reference(pageDict, "/Resources"))
        resources = file.dictionary(*ref);
    const qsizetype fontKey = resources.indexOf("/Font");
    if (fontKey >= 0) {
        const qsizetype open = resources.indexOf("<<", fontKey);
        const qsizetype close = resources.indexOf(">>", open);
        static const QRegularExpression entry(QStringLiteral(R"(/(\w+)\s+(\d+)\s+0\s+R)"));
        for (auto it = entry.globalMatch(QString::fromLatin1(resources.mid(open, close - open)));
             it.hasNext();) {
            const auto match = it.next();
            const QByteArray fontDict = file.dictionary(match.captured(2).toInt());
            if (const auto cmap = reference(fontDict, "/ToUnicode"))
                fonts.insert("/" + match.captured(1).toLatin1(), readToUnicode(file.stream(*cmap)));
        }
    }

    const auto contents = reference(pageDict, "/Contents");
    if (!contents) {
        page.error = QStringLiteral("no page contents");
        return page;
    }
    std::vector<Graphics> stack{Graphics{}};
    QList<QByteArray> operands;
    QByteArray font;
    QString text;
    auto decode = [&](const QByteArray &token) {
        if (!token.startsWith('<'))
            return;
        const QByteArray hex = token.mid(1, token.size() - 2);
        const auto &map = fonts.value(font);
        for (qsizetype i = 0; i + 3 < hex.size(); i += 4) {
            const QString piece = map.value(hex.mid(i, 4).toUInt(nullptr, 16));
            text += piece == QLatin1String("\t") ? QStringLiteral(" ") : piece;
        }
    };
    for (const QByteArray &token : tokens(file.stream(*contents))) {
        if (isOperand(token)) {
            operands.append(token);
            continue;
        }
        if (token == "q") {
            stack.push_back(stack.back());
        } else if (token == "Q") {
            if (stack.size() > 1)
                stack.pop_back();
        } else if (token == "cm" && operands.size() >= 6) {
            const qsizetype k = operands.size() - 6;
            const double a = operands[k].toDouble(), b = operands[k + 1].toDouble();
            const double c = operands[k + 2].toDouble(), d = operands[k + 3].toDouble();
            stack.back().scale *= std::sqrt(std::abs(a * d - b * c));
        } else if (token == "w" && !operands.isEmpty()) {
            stack.back().lineWidth = operands.back().toDouble();
        } else if (token == "S" || token == "s" || token == "B" || token == "B*" || token == "b" ||
                   token == "b*") {
            page.strokeWidths.push_back(stack.back().lineWidth * stack.back().scale);
        } else if (token == "Tf" && operands.size() >= 2) {
            font = operands[operands.size() - 2];
        } else if (token == "BT") {
            text.clear();
        } else if (token == "ET") {
            if (!text.trimmed().isEmpty())
                page.texts.append(text);
        } else if (token == "Tj" && !operands.isEmpty()) {
            decode(operands.back());
        } else if (token == "TJ") {
            for (const QByteArray &piece : operands)
                decode(piece);
        }
        operands.clear();
    }
    return page;
}

} // namespace testing_support
