#pragma once

#include <QByteArray>
#include <QString>

// Older projects were written in the Windows-1252 code page; newer ones are
// UTF-8. Project-name checksums are sums of Windows-1252 codes either way.
namespace Windows1252 {

// Decodes bytes as UTF-8 when they are valid UTF-8, otherwise as
// Windows-1252. A UTF-8 byte-order mark is dropped.
QString decodeText(const QByteArray& bytes);

QString decode(const QByteArray& bytes);

// The Windows-1252 code of `c` (0..255), or '?' when the code page has no
// such character.
int code(QChar c);

}  // namespace Windows1252
