#pragma once
// Shared by the fuzz targets: the fuzzer's bytes as a text, the regional
// settings a text is read in, and the check that stops a run when a property
// that must hold does not.
#include "core/FormatSettings.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace fuzz {

// Bytes as a text: UTF-8 (bad sequences become replacement characters), or,
// after a leading 0xFF byte (never part of UTF-8), UTF-16 units in little-endian
// order, so that lone surrogates and any other unit can occur too.
inline QString textOf(const uint8_t *data, size_t size)
{
    if (size > 0 && data[0] == 0xFF) {
        QString text;
        for (size_t i = 1; i + 1 < size; i += 2)
            text.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));
        return text;
    }
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The regional settings picked by a byte (its value modulo 3): Indonesian
// (day first, "," decimal), US English (month first, "." decimal) and
// Japanese (year first).
inline void pickSettings(uint8_t selector)
{
    static const FormatSettings settings[] = {
        FormatSettings::fromLocale(QLocale(QLocale::Indonesian, QLocale::Indonesia)),
        FormatSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates)),
        FormatSettings::fromLocale(QLocale(QLocale::Japanese, QLocale::Japan)),
    };
    FormatSettings::setCurrent(settings[selector % 3]);
}

// Stops the run (the fuzzer keeps the input) when `holds` is false.
inline void check(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

} // namespace fuzz
