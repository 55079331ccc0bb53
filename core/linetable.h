#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstring>
#include <vector>

// Calls `visit` with the bytes of each line of `data`, without its end, until it returns true.
// Lines end in CR LF, LF or a lone CR; a last line without an end counts.
template <class Visit> void forEachLine(QByteArrayView data, Visit visit) {
    const char* p = data.data();
    const char* const end = p + data.size();
    // The next CR and the next LF are each looked up only once passed.
    const char* cr = nullptr;
    const char* lf = nullptr;
    while (p < end) {
        if (!cr || cr < p)
            cr = static_cast<const char*>(std::memchr(p, '\r', size_t(end - p)));
        if (!lf || lf < p)
            lf = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        if (!cr)
            cr = end;
        if (!lf)
            lf = end;
        const char* stop = qMin(cr, lf);
        if (visit(QByteArrayView(p, stop - p)))
            return;
        p = (stop == cr && stop + 1 < end && stop[1] == '\n') ? stop + 2 : stop + 1;
    }
}

// The lines of a Windows-1252 text file kept as the file's own bytes, each found by its row:
// a 100,000-line log takes little more memory than its size and is read without decoding.
class LineTable {
public:
    LineTable() = default;
    // Lines made in memory, encoded as a file holds them.
    explicit LineTable(const QStringList& lines);
    // The lines of a file's content.
    static LineTable fromBytes(QByteArray data);

    // Lines split as forEachLine splits them. False, with the table empty, when the file cannot
    // be opened.
    bool read(const QString& path);

    int size() const { return static_cast<int>(m_spans.size()); }
    bool isEmpty() const { return m_spans.empty(); }
    // The bytes of a line without its end; empty past the last row.
    QByteArrayView bytes(int row) const;
    QString line(int row) const;
    // The first `kShownLength` characters of a line, all that a list shows: a file without line
    // ends is not decoded whole at each repaint.
    static constexpr qsizetype kShownLength = 400;
    QString shownLine(int row) const;
    QStringList lines() const;

private:
    void split();

    struct Span {
        qsizetype begin;
        qsizetype end;
    };
    QByteArray m_data;
    std::vector<Span> m_spans;
};
