#pragma once
#include <QByteArray>
#include <QByteArrayView>

#include <array>

// Capitals of Windows-1252 bytes, as QString::toUpper() gives them on the decoded characters.
// Every byte has a one-byte capital but two: "ß" (0xDF), whose capital is "SS", the code of
// Sassari; and "ƒ" and "µ", whose capitals are outside the code page, so they keep their own
// byte, which no other byte's capital can equal.
inline constexpr unsigned char kSharpS = 0xDF;
const std::array<unsigned char, 256>& capitalTable();

// The capitals of `bytes` at the end of `out`, "ß" as "SS".
void appendCapitals(QByteArrayView bytes, QByteArray& out);
// The same at `out`, which has room for two bytes per byte; returns the end written.
char* writeCapitals(QByteArrayView bytes, char* out);
