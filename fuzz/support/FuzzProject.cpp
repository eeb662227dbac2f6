#include "fuzz/support/FuzzProject.h"

#include "player/ProjectPaths.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace FuzzProject {

namespace {

std::unique_ptr<QTemporaryDir> g_dir;
QString g_folder;

}  // namespace

// Read by the open() interposers in OpenGuard.cpp.
extern bool g_guardActive;
extern char g_guardFolder[4096];

void startApplication(int* argc, char*** argv)
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.*=false;*.debug=false;*.warning=false");
    static QApplication* app = new QApplication(*argc, *argv);
    (void)app;
}

const QString& folder()
{
    if (!g_dir) {
        const QString base = QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                                  : QDir::tempPath();
        g_dir = std::make_unique<QTemporaryDir>(base + QStringLiteral("/quendara-fuzz-XXXXXX"));
        if (!g_dir->isValid())
            std::abort();
        g_folder = QDir(g_dir->path()).canonicalPath() + QLatin1Char('/');
        for (const char* sub : {"Frames", "Areas", "Icons", "Config"})
            QDir().mkpath(g_folder + QLatin1String(sub));
        ProjectPaths::setProjectPath(g_folder);
        const QByteArray local = g_folder.toLocal8Bit();
        if (size_t(local.size()) >= sizeof g_guardFolder)
            std::abort();
        std::memcpy(g_guardFolder, local.constData(), size_t(local.size()) + 1);
    }
    return g_folder;
}

void write(const QString& relative, const QByteArray& bytes)
{
    const QString full = folder() + relative;
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

void remove(const QString& relative)
{
    QFile::remove(folder() + relative);
}

void copyFixture(const QString& sourceRelative, const QString& relative)
{
    QFile in(QStringLiteral(QUENDARA_SOURCE_DIR "/") + sourceRelative);
    if (!in.open(QIODevice::ReadOnly))
        std::abort();
    write(relative, in.readAll());
}

std::vector<QByteArray> split(const uint8_t* data, size_t size, size_t parts)
{
    std::vector<QByteArray> out;
    const size_t separatorSize = sizeof kSeparator - 1;
    const auto* at = reinterpret_cast<const char*>(data);
    size_t left = size;
    while (out.size() + 1 < parts) {
        // memmem lets the fuzzer's comparison hooks learn the separator.
        const auto* found = static_cast<const char*>(memmem(at, left, kSeparator, separatorSize));
        if (!found)
            break;
        out.emplace_back(at, qsizetype(found - at));
        left -= size_t(found - at) + separatorSize;
        at = found + separatorSize;
    }
    out.emplace_back(at, qsizetype(left));
    out.resize(parts);
    return out;
}

Guard::Guard()
{
    folder();
    g_guardActive = true;
}

Guard::~Guard() { g_guardActive = false; }

}  // namespace FuzzProject
