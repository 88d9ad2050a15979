#pragma once
// The Export menu: the colour list as an HTML page or in any palette format the
// program writes (ACO, GIMP palette).

#include "storage/PaletteFiles.h"

#include <QObject>

struct AppContext;
struct FileWriteResult;
class QMenu;

class ExportFeature : public QObject
{
    Q_OBJECT
public:
    explicit ExportFeature(AppContext& context);

    // Opens the menu with its top-left corner at the centre of the Export tool button.
    void ShowExportMenu();
    void ExportListAsHtml();
    // The save dialog of the format, then the list written in it.
    void ExportList(ListFileKind kind);

    QMenu* exportMenu() const { return m_menu; }

private:
    // "Cannot create file <path>" and the system's reason.
    void ReportWriteFailure(const QString& path, const FileWriteResult& result);

    AppContext& m_context;
    QMenu* m_menu;
};
