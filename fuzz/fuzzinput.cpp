#include "fuzzinput.h"

#include "textfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

QStringList fuzzLines(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.txt"));
    QFile f(path);
    fuzzCheck(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "scratch file");
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    f.close();
    QStringList lines;
    fuzzCheck(readTextLines(path, lines), "read back");
    return lines;
}

void fuzzCheck(bool ok, const char* what) {
    if (ok)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
