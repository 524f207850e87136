#pragma once
// Report files: prepared pages saved to disk and shown again later.
//
// Layout (little-endian): the magic "NOTARPT\x1A", a 16-bit format version,
// 16 reserved bits, the payload's length (64 bit), the payload, and the
// payload's SHA-256. The payload holds the title, paper and printer settings,
// the font table, the picture table (each picture once, as PNG) and the pages
// with their draw operations. Reading checks the magic, the version, the
// checksum and every count, length and id before it builds anything.
#include "reports/PreparedReport.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace reportfile {

inline const QString kExtension = QStringLiteral("nqr");
inline const QString kFilter = QStringLiteral("Report files (*.nqr)");
constexpr quint16 kVersion = 1;

QByteArray serialise(const PreparedReport &report);
// Raises EError with a message naming `name` for a foreign, newer, damaged
// or truncated file.
std::shared_ptr<PreparedReport> parse(const QByteArray &bytes, const QString &name);

// Raise EError when the file cannot be written or read.
void save(const PreparedReport &report, const QString &fileName);
std::shared_ptr<PreparedReport> load(const QString &fileName);

} // namespace reportfile
