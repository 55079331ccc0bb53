#pragma once
#include "codepage.h"

#include <QString>
#include <QStringList>

#include <functional>

// Reads a Windows-1252 text file, one entry per line, whether lines end in CR LF, LF or a lone
// CR; a last line without an end counts. Returns false when the file cannot be opened.
bool readTextLines(const QString& path, QStringList& lines);

// Calls `visit` with the bytes of each line, without its end, until it returns true. Returns
// false when the file cannot be read. The file is read a piece of `kScanPiece` bytes at a time:
// faster than reading the lines, and a large log takes no memory of its size.
inline constexpr qsizetype kScanPiece = 1 << 18;
bool scanLines(const QString& path, const std::function<bool(QByteArrayView)>& visit);

// Writes the lines, each ended by CR LF, to the scratch file, flushes it to disk, then renames it
// over the target in one step, keeping the target's permissions; a target that is a symbolic
// link has the file it points at replaced. On any failure the target is untouched and the scratch
// removed. The scratch file is always created afresh, never through a link.
bool rewriteTextFile(const QString& target, const QString& scratch, const QStringList& lines);
// The same with the file's whole content given as bytes.
// Without `followLink`, a link at the target is replaced by the new file.
bool rewriteFile(const QString& target, const QString& scratch, const QByteArray& data,
                 bool followLink = true);

// The same written a piece at a time, so that a large file needs no buffer of its size: the
// content goes to the scratch file as it comes, and commit() puts it in place. Without a
// successful commit() the target is untouched and the scratch removed.
class FileRewrite {
public:
    FileRewrite(const QString& target, const QString& scratch, bool followLink = true);
    ~FileRewrite();
    FileRewrite(const FileRewrite&) = delete;
    FileRewrite& operator=(const FileRewrite&) = delete;

    void write(QByteArrayView bytes);
    // The line and CR LF.
    void add(QByteArrayView line);
    // The whole content of the file at `source`.
    void copy(const QString& source);
    bool commit();

private:
    void flush();

    QString m_live;
    QString m_scratch;
    int m_fd = -1;
    bool m_ok = false;
    QByteArray m_buffer;
};

// Appends one line and CR LF, first ending a last line left without one, by rewriting the file
// through the scratch file: the file ends up as it was or with the whole line.
bool appendTextLine(const QString& path, const QString& scratch, const QString& line);

// Sorts lines ignoring case, stable; with `exactTies`, lines equal but for case go in exact order.
// Each line is folded once, not at every comparison, so a 100,000-line list sorts at once.
void sortIgnoringCase(QStringList& lines, bool exactTies = false);

// Writes a file of the program directory (an export, a saved list, a document) whole or not at
// all, through the scratch file "Temporaire_Export.txt".
bool writeProgramFile(const QString& fileName, const QStringList& lines);
// The same with the file's whole content given as bytes.
bool writeProgramBytes(const QString& fileName, const QByteArray& bytes);
// The same for a work file of the program: a link in its place is replaced, never followed.
bool writeWorkFile(const QString& fileName, const QStringList& lines);
// What the operator is told when a file could not be written.
QString saveFailureMessage(const QString& fileName);
