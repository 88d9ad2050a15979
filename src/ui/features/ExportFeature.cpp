#include "ui/features/ExportFeature.h"

#include "state/ColourList.h"
#include "storage/GimpPalette.h"
#include "storage/HtmlExport.h"
#include "storage/TextFile.h"
#include "ui/Commands.h"
#include "ui/DialogFolders.h"
#include "ui/features/AppContext.h"
#include "ui/PaletteFileTexts.h"
#include "ui/windows/MainWindow.h"

#include <QMenu>

ExportFeature::ExportFeature(AppContext& context)
    : m_context(context), m_menu(new QMenu(&context.mainWindow))
{
    m_menu->addAction(QStringLiteral("Export as &HTML"), this, &ExportFeature::ExportListAsHtml);
    for (const PaletteFileTexts& texts : PaletteFileTextRows())
        if (texts.exportMenuText)
            m_menu->addAction(QLatin1String(texts.exportMenuText), this,
                              [this, kind = texts.kind] { ExportList(kind); });
    context.commands.Handle(Command::ExportMenu, this, [this] { ShowExportMenu(); });
}

void ExportFeature::ShowExportMenu()
{
    m_menu->popup(m_context.mainWindow.ExportMenuPosition());
}

void ExportFeature::ExportListAsHtml()
{
    const ColourList& list = m_context.colourList;
    if (list.count() == 0)
        return;
    MainWindow& window = m_context.mainWindow;
    window.ShowProgress(list.count() - 1);
    // Repainting every item would cost more than the page itself.
    const int repaintEvery = qMax(1, list.count() / 50);
    const QByteArray page = ::ExportListAsHtml(list.texts(), [&](int position, int) {
        if (position % repaintEvery == 0) {
            window.SetProgress(position);
        }
    });
    window.HideProgress();
    const QString path = m_context.dialogFolders.AskSaveFile(
        DialogFileKind::Exports,
        FileRequest("Export as HTML", "HTML (*.html)|*.html", "html", true));
    if (path.isEmpty())
        return;
    ReportWriteFailure(path, WriteWholeFile(path, page));
}

void ExportFeature::ExportList(ListFileKind kind)
{
    const QString path =
        m_context.dialogFolders.AskSaveFile(DialogFileKind::Exports, ExportFileRequest(kind));
    if (path.isEmpty())
        return;
    const ColourList& list = m_context.colourList;
    const QByteArray file =
        ListFileFormatOf(kind).write(GimpPaletteName(list.CurrentListPath(), path), list.texts());
    ReportWriteFailure(path, WriteWholeFile(path, file));
}

void ExportFeature::ReportWriteFailure(const QString& path, const FileWriteResult& result)
{
    if (!result)
        m_context.platform.messages.Information(&m_context.mainWindow,
                                                CannotCreateFileMessage(path, result.error));
}
