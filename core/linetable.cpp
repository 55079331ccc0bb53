#include "linetable.h"

#include "codepage.h"
#include "filesystem.h"

#include <QFile>

LineTable::LineTable(const QStringList& lines) {
    m_data = encodeLines(lines);
    split();
}

LineTable LineTable::fromBytes(QByteArray data) {
    LineTable table;
    table.m_data = std::move(data);
    table.split();
    return table;
}

bool LineTable::read(const QString& path) {
    m_data.clear();
    m_spans.clear();
    if (!readRegularFile(path, m_data))
        return false;
    split();
    return true;
}

void LineTable::split() {
    m_spans.clear();
    const char* const base = m_data.constData();
    forEachLine(m_data, [&](QByteArrayView line) {
        m_spans.push_back({line.data() - base, line.data() + line.size() - base});
        return false;
    });
    m_spans.shrink_to_fit();
}

QByteArrayView LineTable::bytes(int row) const {
    if (row < 0 || row >= size())
        return {};
    const Span& s = m_spans[size_t(row)];
    return QByteArrayView(m_data.constData() + s.begin, s.end - s.begin);
}

QString LineTable::line(int row) const {
    return decodeCp1252(bytes(row));
}

QString LineTable::shownLine(int row) const {
    const QByteArrayView all = bytes(row);
    return decodeCp1252(all.first(qMin(all.size(), kShownLength)));
}

QStringList LineTable::lines() const {
    QStringList out;
    out.reserve(size());
    for (int row = 0; row < size(); ++row)
        out.append(line(row));
    return out;
}
