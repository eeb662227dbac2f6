#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace Shell {

namespace {
std::function<bool(const QString&)>& opener()
{
    static std::function<bool(const QString&)> current;
    return current;
}
}  // namespace

bool open(const QString& target)
{
    if (opener())
        return opener()(target);
    QUrl url = QUrl::fromUserInput(target);
    if (QFileInfo::exists(target))
        url = QUrl::fromLocalFile(target);
    return url.isValid() && QDesktopServices::openUrl(url);
}

void setOpener(std::function<bool(const QString&)> newOpener) { opener() = std::move(newOpener); }

}  // namespace Shell
