#pragma once
// Report files: prepared pages saved to disk and shown again later.
//
// Layout (little-endian): the magic "NOTARPT\x1A", a 16-bit format version,
// 16 reserved bits, the payload's length (64 bit), the payload, and the
// payload's SHA-256. The payload holds the title, paper and printer settings,
// the font table, the picture table (each picture once, as PNG) and the pages
// with their draw operations. Reading checks the magic, the version, the
// checksum and every count, length and id before it builds anything.
//
// A file is also held to limits no real report reaches, checked before
// anything is allocated for it: a picture's size is read from its PNG header
// (pictures stay encoded until a page showing them is drawn); a text may not pile more than kMaxCombiningMarks
// combining marks on one character. Saving refuses a report beyond them, so every file
// this program writes can be read back.
#include "reports/PreparedReport.h"

#include <QByteArray>
#include <QString>
#include <memory>

namespace reportfile {

inline const QString kExtension = QStringLiteral("nqr");
inline const QString kFilter = QStringLiteral("Berkas laporan (*.nqr)");
constexpr quint16 kVersion = 1;
constexpr qsizetype kMaxPages = 100000;
constexpr int kMaxPictureSide = 8000;                     // pixels
constexpr qint64 kMaxPictureBytes = qint64(256) << 20;    // all pictures decoded
// Combining marks on one character: laying out a text costs time in the
// length of each run of them, on every repaint. Real writing needs a few;
// Unicode's stream-safe text form allows 30.
constexpr int kMaxCombiningMarks = 30;

QByteArray serialise(const PreparedReport &report);
// Raises EError with a message naming `name` for a foreign, newer, damaged
// or truncated file, and for one beyond the limits above (as damaged).
std::shared_ptr<PreparedReport> parse(const QByteArray &bytes, const QString &name);

// Raise EError when the file cannot be written or read; save() also when the
// report is beyond the limits above.
void save(const PreparedReport &report, const QString &fileName);
std::shared_ptr<PreparedReport> load(const QString &fileName);

} // namespace reportfile
