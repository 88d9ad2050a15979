#include "ui/ExportFeature.h"

#include "state/ColourList.h"
#include "storage/AcoExport.h"
#include "storage/HtmlExport.h"
#include "ui/AppContext.h"
#include "ui/TForm1.h"

#include <QMenu>
#include <QProgressBar>

namespace {

QStringList ItemTexts(const ColourList& list)
{
    QStringList texts;
    texts.reserve(list.count());
    for (const ColourListItem& item : list.items())
        texts << item.text;
    return texts;
}

} // namespace

ExportFeature::ExportFeature(AppContext& context)
    : m_context(context), m_menu(new QMenu(context.mainWindow))
{
    m_menu->addAction(QStringLiteral("Export as &HTML"), this, &ExportFeature::ExportListAsHtml);
    m_menu->addAction(QStringLiteral("Export as &ACO"), this, &ExportFeature::ExportListAsAco);
    connect(context.mainWindow, &TForm1::commandRequested, this, [this](KeyCommand command) {
        if (command == KeyCommand::ExportMenu)
            ShowExportMenu();
    });
}

void ExportFeature::ShowExportMenu()
{
    m_menu->popup(m_context.mainWindow->ExportMenuPosition());
}

void ExportFeature::ExportListAsHtml()
{
    const ColourList& list = m_context.colourList;
    if (list.count() == 0)
        return;
    QProgressBar* progress = m_context.mainWindow->progressBar();
    progress->setRange(0, list.count() - 1);
    progress->show();
    // Repainting every item would cost more than the page itself.
    const int repaintEvery = qMax(1, list.count() / 50);
    const QByteArray page = ::ExportListAsHtml(ItemTexts(list), [&](int position, int) {
        if (position % repaintEvery == 0) {
            progress->setValue(position);
            progress->repaint();
        }
    });
    progress->hide();
    FileDialogRequest request;
    request.title = QStringLiteral("Export as HTML");
    request.filter = QStringLiteral("HTML (*.html)|*.html");
    request.defaultExtension = QStringLiteral("html");
    request.overwritePrompt = true;
    const QString path = m_context.platform.fileDialogs.SaveFile(m_context.mainWindow, request);
    if (path.isEmpty())
        return;
    // A page that cannot be written is skipped without a message.
    WriteExportFile(path, page);
}

void ExportFeature::ExportListAsAco()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Export as ACO");
    request.filter = QStringLiteral("Photoshop ACO File|*.ACO");
    request.defaultExtension = QStringLiteral("ACO");
    request.overwritePrompt = true;
    const QString path = m_context.platform.fileDialogs.SaveFile(m_context.mainWindow, request);
    if (path.isEmpty())
        return;
    const ExportWriteResult result =
        WriteExportFile(path, ::ExportListAsAco(ItemTexts(m_context.colourList)));
    if (!result.ok)
        m_context.platform.messages.Information(m_context.mainWindow, result.message);
}
