#include "checker/GameChecker.h"

#include "checker/CheckView.h"
#include "checker/ExplorationFindings.h"
#include "checker/FileVerdicts.h"
#include "checker/GameExplorer.h"
#include "checker/ReferenceScan.h"
#include "checker/RelativePath.h"
#include "checker/Walkthrough.h"
#include "player/ProjectPaths.h"
#include "player/records/ProjectFiles.h"
#include "player/records/ProjectRecord.h"
#include "player/state/CachedGameRecords.h"
#include "player/state/DiskGameRecords.h"

#include <QFileInfo>

std::optional<CheckReport> GameChecker::check(const QString& folder, qint64 maxStates, QString* error)
{
    if (!QFileInfo(folder).isDir()) {
        if (error)
            *error = QStringLiteral("'%1' is not a folder").arg(folder);
        return std::nullopt;
    }
    ProjectPaths::setProjectPath(QFileInfo(folder).absoluteFilePath());
    if (!LoadProjectRecord()) {
        if (error)
            *error = QStringLiteral("the project record '%1' cannot be read").arg(ProjectFiles::general());
        return std::nullopt;
    }

    FileVerdicts files;
    CachedGameRecords records(DiskGameRecords::instance());
    CheckView view(files);
    GameExplorer explorer(records, view);
    const Exploration exploration = explorer.explore(maxStates);

    CheckReport report;
    report.adventureName = ProjectRecord::current().AdventureName;
    report.states = exploration.stateCount();
    report.complete = exploration.complete;
    for (const Exploration::Ending& e : exploration.endings) {
        const QString file = e.object.isEmpty()
                                 ? ProjectFiles::areaFile(e.frame, e.area, ProjectFiles::AreaPart::Action)
                                 : ProjectFiles::eventFile(e.frame, e.area, e.object);
        report.endings.append({e.frame, e.area, e.object, RelativePath::of(file), e.states});
    }
    report.findings = ExplorationFindings(records, explorer).of(exploration);
    report.findings += ReferenceScan(records, files).scan();
    if (!exploration.endings.isEmpty()) {
        // Endings are listed as they were first met, breadth first: the
        // first is the nearest.
        const Exploration::Ending& nearest = exploration.endings.constFirst();
        QList<Move> moves = exploration.wayTo(nearest.firstState);
        moves.append(nearest.move);
        report.walkthrough = Walkthrough::script(explorer, moves);
    }
    return report;
}
