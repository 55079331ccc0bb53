#include "adifreader.h"

#include "codepage.h"

#include <QByteArray>
#include <QXmlStreamReader>

#include <algorithm>
#include <limits>

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool startsWithNoCase(QByteArrayView data, qsizetype at, QByteArrayView word) {
    if (data.size() - at < word.size())
        return false;
    for (qsizetype i = 0; i < word.size(); ++i)
        if (lower(data[at + i]) != word[i])
            return false;
    return true;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isNameChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b > ' ' && b != ',' && b != ':' && b != '<' && b != '>' && b != '{' && b != '}';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

struct Tag {
    QByteArrayView name;
    qint64 length = -1; // -1: a tag without a value (eoh, eor)
    qsizetype after = 0;
};

// "<name>", "<name:length>" or "<name:length:type>" at `at`; anything else is text between
// fields (a negative length among it).
std::optional<Tag> tagAt(QByteArrayView data, qsizetype at) {
    qsizetype p = at + 1;
    while (p < data.size() && isNameChar(data[p]))
        ++p;
    if (p == at + 1 || p >= data.size())
        return std::nullopt;
    Tag tag;
    tag.name = data.sliced(at + 1, p - at - 1);
    if (data[p] == ':') {
        const qsizetype digits = ++p;
        tag.length = 0;
        for (; p < data.size() && isDigit(data[p]); ++p)
            tag.length = qMin<qint64>(tag.length * 10 + (data[p] - '0'),
                                      std::numeric_limits<qint64>::max() / 20);
        if (p == digits || p >= data.size())
            return std::nullopt;
        if (data[p] == ':')
            while (++p < data.size() && isNameChar(data[p])) {
            }
    }
    if (p >= data.size() || data[p] != '>')
        return std::nullopt;
    tag.after = p + 1;
    return tag;
}

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where a value of `length` characters that starts at `from` ends, or -1 past the end.
qsizetype characterEnd(QByteArrayView data, qsizetype from, qint64 length) {
    qsizetype p = from;
    for (qint64 n = 0; n < length; ++n) {
        if (p >= data.size())
            return -1;
        ++p;
        while (p < data.size() && isContinuation(data[p]))
            ++p;
    }
    return p;
}

// True when only blanks stand between `at` and the next tag or the end.
bool tagFollows(QByteArrayView data, qsizetype at) {
    while (at < data.size() && isBlank(data[at]))
        ++at;
    return at == data.size() || data[at] == '<';
}

// The end of a value: its length counts bytes, but a UTF-8 file written by a program that
// counts characters is recognised by where the next tag starts.
qsizetype valueEnd(QByteArrayView data, qsizetype from, qint64 length, bool utf8) {
    const qsizetype byteEnd = from + length;
    if (!utf8)
        return byteEnd;
    const qsizetype charEnd = characterEnd(data, from, length);
    if (charEnd < 0 || charEnd == byteEnd)
        return byteEnd;
    const bool byteCut = byteEnd < data.size() && isContinuation(data[byteEnd]);
    if (byteCut || (!tagFollows(data, byteEnd) && tagFollows(data, charEnd)))
        return charEnd;
    return byteEnd;
}

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
}

// The record's strings keep their room from record to record: a field costs no allocation.
void addField(AdifRecord& record, QByteArrayView name, QByteArrayView value, bool utf8) {
    if (record.count == qsizetype(record.fields.size()))
        record.fields.emplace_back();
    AdifField& f = record.fields[record.count++];
    f.name.resize(name.size());
    QChar* out = f.name.data();
    for (const char c : name)
        *out++ = QLatin1Char(lower(c));
    // ASCII reads the same in both encodings.
    if (utf8 && !isAscii(value))
        f.value = QString::fromUtf8(value);
    else
        decodeCp1252Into(value, f.value);
}

AdifStatus readAdi(QByteArrayView data, qsizetype at,
                   const std::function<bool(const AdifRecord&)>& visit) {
    const bool utf8 = isValidUtf8(data);
    // A file that does not start with a tag has a header, up to <eoh>.
    bool inHeader = at < data.size() && data[at] != '<';
    bool sawTag = false;
    AdifRecord record;
    while ((at = data.indexOf('<', at)) >= 0) {
        const std::optional<Tag> tag = tagAt(data, at);
        if (!tag) {
            ++at;
            continue;
        }
        sawTag = true;
        at = tag->after;
        if (tag->length < 0) {
            if (startsWithNoCase(tag->name, 0, "eoh") && tag->name.size() == 3) {
                // Fields met before <eoh> belonged to the header.
                inHeader = false;
                record.count = 0;
            } else if (!inHeader && record.count > 0 && startsWithNoCase(tag->name, 0, "eor") &&
                       tag->name.size() == 3) {
                record.number++;
                record.end = at;
                if (!visit(record))
                    return AdifStatus::Stopped;
                record.count = 0;
            }
            continue;
        }
        if (tag->length > data.size() - at)
            return AdifStatus::CutShort;
        const qsizetype end = valueEnd(data, at, tag->length, utf8);
        if (!inHeader)
            addField(record, tag->name, data.sliced(at, end - at), utf8);
        at = end;
    }
    if (inHeader || !sawTag)
        return AdifStatus::NotAdif;
    return record.count > 0 ? AdifStatus::CutShort : AdifStatus::Ok;
}

AdifStatus readAdx(QByteArrayView data, const std::function<bool(const AdifRecord&)>& visit) {
    QXmlStreamReader xml(QByteArray::fromRawData(data.data(), data.size()));
    AdifRecord record;
    bool sawRoot = false;
    while (xml.readNextStartElement()) {
        const QString name = xml.name().toString().toLower();
        if (!sawRoot) {
            if (name != u"adx")
                return AdifStatus::NotAdif;
            sawRoot = true;
            continue;
        }
        if (name == u"records")
            continue;
        if (name != u"record") {
            xml.skipCurrentElement();
            continue;
        }
        record.count = 0;
        while (xml.readNextStartElement()) {
            const QString field = xml.name().toString().toLower();
            if (field == u"app" || field == u"userdef") {
                xml.skipCurrentElement();
                continue;
            }
            if (record.count == qsizetype(record.fields.size()))
                record.fields.emplace_back();
            AdifField& f = record.fields[record.count++];
            f.name = field;
            f.value = xml.readElementText(QXmlStreamReader::SkipChildElements);
        }
        if (xml.hasError())
            break;
        if (record.count == 0)
            continue;
        record.number++;
        record.end = qMin<qsizetype>(xml.characterOffset(), data.size());
        if (!visit(record))
            return AdifStatus::Stopped;
    }
    if (xml.hasError())
        return xml.error() == QXmlStreamReader::PrematureEndOfDocumentError && sawRoot
                   ? AdifStatus::CutShort
                   : AdifStatus::NotAdif;
    return sawRoot ? AdifStatus::Ok : AdifStatus::NotAdif;
}

} // namespace

QString AdifRecord::value(QStringView name) const {
    for (qsizetype i = count - 1; i >= 0; --i)
        if (fields[i].name == name)
            return fields[i].value;
    return {};
}

bool AdifRecord::has(QStringView name) const {
    for (qsizetype i = 0; i < count; ++i)
        if (fields[i].name == name)
            return true;
    return false;
}

bool isValidUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int more;
        char32_t min;
        char32_t cp;
        if ((c & 0xE0) == 0xC0) {
            more = 1, min = 0x80, cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2, min = 0x800, cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            more = 3, min = 0x10000, cp = c & 0x07;
        } else {
            return false;
        }
        if (end - p <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (p[i] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        p += more + 1;
    }
    return true;
}

AdifStatus readAdif(QByteArrayView data, const std::function<bool(const AdifRecord&)>& visit) {
    qsizetype at = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (at < data.size() && isBlank(data[at]))
        ++at;
    if (startsWithNoCase(data, at, "<?xml") || startsWithNoCase(data, at, "<adx"))
        return readAdx(data, visit);
    return readAdi(data, at, visit);
}
