// The project record Config/General, read at start-up, and the Project.dat
// check value beside it. Input: General, then Project.dat after a separator.

#include "fuzz/support/FuzzProject.h"
#include "player/FrameRecord.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectRecord.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzProject::startApplication(argc, argv);
    FuzzProject::folder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<QByteArray> files = FuzzProject::split(data, size, 2);
    FuzzProject::write(QStringLiteral("Config/General"), files[0]);
    FuzzProject::write(QStringLiteral("Project.dat"), files[1]);

    FuzzProject::Guard guard;
    LoadProjectRecord();
    const ProjectRecord& record = ProjectRecord::current();
    // The record's strings go into titles and the checksum.
    (void)ProjectNameChecksum(record.ProjectName);
    (void)ProjectNameChecksum(record.AdventureName);
    qint16 checksum = 0;
    (void)ProjectDat::read(ProjectPaths::ProjectPath, checksum);
    return 0;
}
