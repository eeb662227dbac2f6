#pragma once

#include <QString>

// The checks the editor runs on a project before running or packaging it,
// and on names the author types. Checks answer with the message-box codes:
// Yes (6) or 0 when they pass, No (7) when they fail.
namespace Validate {

inline constexpr qint16 Passed = 0;
inline constexpr qint16 Yes = 6;
inline constexpr qint16 No = 7;

// 0 when the project's starting frame is named and its frame file exists;
// otherwise tells the author to choose one and gives 7.
qint16 CheckStartFrame();

// 7 when the frame has no frame file (a name that is not one plain file
// name has none), else 0.
qint16 FrameFileMissing(const QString& name);

// 7 when `text` holds a character that a file name cannot hold
// (\ / : * ? " < > | and the comma), else 0.
qint16 HasForbiddenCharacters(const QString& text);
void ShowForbiddenCharactersMessage();

// 6 when `path` holds a project (its Config/General exists), else 7.
qint16 IsProjectFolder(const QString& path);

// Record files keep strings in quotes without escapes, so a typed text may
// not hold a quotation mark.
bool HasQuotationMark(const QString& text);
void ShowQuotationMarkMessage();

// True when Project.dat holds the check value of the name in Config/General;
// false when they differ or either cannot be read.
bool VerifyProjectChecksum();

}  // namespace Validate
