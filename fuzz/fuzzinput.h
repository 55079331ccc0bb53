#pragma once
#include <QStringList>

#include <cstddef>
#include <cstdint>

// The lines of the fuzz input as the program reads a file: the bytes are written to a scratch
// file and read back through the file reader.
QStringList fuzzLines(const uint8_t* data, size_t size);

// A failed check stops the run with the input saved, as a crash does.
void fuzzCheck(bool ok, const char* what);
