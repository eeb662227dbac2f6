#include "support/FileFilters.h"

#include <QRegularExpression>
#include <QStringList>

bool filterTakes(const QString& filter, const QString& file)
{
    const int open = filter.indexOf(QLatin1Char('('));
    const QStringList patterns = filter.mid(open + 1, filter.indexOf(QLatin1Char(')')) - open - 1).split(QLatin1Char(' '));
    for (const QString& pattern : patterns) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(file).hasMatch())
            return true;
    }
    return false;
}
