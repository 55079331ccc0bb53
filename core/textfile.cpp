#include "textfile.h"

#include "codepage.h"

#include <QFile>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

bool flushToDisk(QFile& f) {
    return f.flush() && ::fsync(f.handle()) == 0;
}

} // namespace

bool scanLines(const QString& path, const std::function<bool(QByteArrayView)>& visit) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = f.readAll();
    const char* p = all.constData();
    const char* const end = p + all.size();
    while (p < end) {
        const char* nl = static_cast<const char*>(memchr(p, '\n', end - p));
        const char* lineEnd = nl ? nl : end;
        const char* stop = (nl && lineEnd > p && lineEnd[-1] == '\r') ? lineEnd - 1 : lineEnd;
        if (visit(QByteArrayView(p, stop - p)))
            break;
        p = lineEnd + 1;
    }
    return true;
}

bool readTextLines(const QString& path, QStringList& lines) {
    lines.clear();
    return scanLines(path, [&lines](QByteArrayView line) {
        lines.append(decodeCp1252(line));
        return false;
    });
}

QByteArray encodeLines(const QStringList& lines) {
    qsizetype size = 0;
    for (const QString& l : lines)
        size += l.size() + 2;
    QByteArray out;
    out.reserve(size);
    for (const QString& l : lines) {
        out += encodeCp1252(l);
        out += "\r\n";
    }
    return out;
}

bool rewriteTextFile(const QString& target, const QString& scratch, const QStringList& lines) {
    QFile f(scratch);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray data = encodeLines(lines);
    const bool written = f.write(data) == data.size() && flushToDisk(f);
    f.close();
    if (!written || std::rename(QFile::encodeName(scratch).constData(),
                                QFile::encodeName(target).constData()) != 0) {
        QFile::remove(scratch);
        return false;
    }
    return true;
}

bool appendTextLine(const QString& path, const QString& line) {
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite))
        return false;
    const qint64 oldSize = f.size();
    QByteArray data;
    if (oldSize > 0) {
        char lastByte = 0;
        if (!f.seek(oldSize - 1) || !f.getChar(&lastByte))
            return false;
        if (lastByte != '\n')
            data += "\r\n";
    }
    data += encodeCp1252(line);
    data += "\r\n";
    if (!f.seek(oldSize) || f.write(data) != data.size() || !flushToDisk(f)) {
        f.resize(oldSize);
        return false;
    }
    return true;
}
