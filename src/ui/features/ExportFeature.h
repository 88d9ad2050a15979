#pragma once
// The Export menu (Pop6): the colour list as an HTML page, an ACO swatch file or a
// GIMP palette.

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
    void ExportListAsAco();
    void ExportListAsGimpPalette();

    QMenu* exportMenu() const { return m_menu; }

private:
    // "Cannot create file <path>" and the system's reason.
    void ReportWriteFailure(const QString& path, const FileWriteResult& result);

    AppContext& m_context;
    QMenu* m_menu;
};
