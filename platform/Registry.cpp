#include "platform/Registry.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

QString g_file;

QString rootName(Registry::Root root)
{
    switch (root) {
    case Registry::Root::ClassesRoot:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case Registry::Root::CurrentUser:
        return QStringLiteral("HKEY_CURRENT_USER");
    case Registry::Root::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case Registry::Root::Users:
        return QStringLiteral("HKEY_USERS");
    }
    return QString();
}

// QSettings separates groups with '/', as the registry does with '\'. Empty
// parts ("Software\\\\X", a trailing separator) are dropped, as the registry
// drops them. A value without a name is the key's default value.
QString settingsKey(Registry::Root root, const QString& subKey, const QString& valueName)
{
    QStringList parts{rootName(root)};
    for (const QString& part : subKey.split(QLatin1Char('\\'), Qt::SkipEmptyParts))
        parts << part;
    parts << (valueName.isEmpty() ? QStringLiteral("@") : valueName);
    // Inside one part a '/' is an ordinary character for the registry; it
    // must not open a group of its own here.
    for (QString& part : parts)
        part.replace(QLatin1Char('/'), QStringLiteral("%2F"));
    return parts.join(QLatin1Char('/'));
}

}  // namespace

namespace Registry {

QString file()
{
    if (!g_file.isEmpty())
        return g_file;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Quendara/registry.ini");
}

void setFile(const QString& path) { g_file = path; }

bool WriteRegistryString(Root root, const QString& subKey, const QString& valueName, const QString& data)
{
    QSettings settings(file(), QSettings::IniFormat);
    settings.setValue(settingsKey(root, subKey, valueName), data);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::optional<QString> readString(Root root, const QString& subKey, const QString& valueName)
{
    QSettings settings(file(), QSettings::IniFormat);
    const QVariant value = settings.value(settingsKey(root, subKey, valueName));
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

}  // namespace Registry
