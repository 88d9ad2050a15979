#include "ui/features/CopyFeature.h"

#include "copy/ColourLineFormats.h"
#include "copy/CopyPayload.h"
#include "copy/CopyPictures.h"
#include "state/ColourList.h"
#include "state/MainColour.h"
#include "storage/SettingsStore.h"
#include "storage/UserTextFormats.h"
#include "ui/Commands.h"
#include "ui/features/AppContext.h"
#include "ui/features/WindowPlacement.h"
#include "ui/windows/CopyWindow.h"
#include "ui/windows/ListPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/UserFormatMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {

// The settings key naming the format Ctrl+C copies, by its caption without "&".
const QString& CtrlCKey()
{
    static const QString key = QStringLiteral("copy.ctrlc");
    return key;
}

QString WithoutAccelerator(const char* caption)
{
    return QString::fromLatin1(caption).remove(QLatin1Char('&'));
}

} // namespace

CopyFeature::CopyFeature(AppContext& context, const ListPanel& listPanel)
    : m_context(context), m_listPanel(listPanel),
      m_window(std::make_unique<CopyWindow>(context.platform, context.settings, context.mainWindow,
                                            context.colourList, listPanel)),
      m_menu(std::make_unique<QMenu>())
{
    ApplySettings();
    BuildQuickCopyMenu();

    CommandTable& commands = context.commands;
    commands.Handle(Command::CopyWindow, this, [this] { ShowCopyWindow(); });
    commands.Handle(Command::QuickCopy, this, [this] { QuickCopyChosen(); });
    commands.Handle(Command::QuickCopyMenu, this,
                    [this] { ShowQuickCopyMenu(m_context.platform.screen.CursorPosition()); });
    connect(&context.mainWindow, &MainWindow::copyMainColourRequested, this,
            &CopyFeature::CopyMainColourAsBitmap);
    connect(m_window->userFormatMenu(), &UserFormatMenu::formatsChanged, this,
            &CopyFeature::RefreshQuickCopyMenu);
}

CopyFeature::~CopyFeature() = default;

void CopyFeature::ApplySettings()
{
    CopyWindow* window = m_window.get();
    PlaceFromPositionKeys(*window, m_context, "copy.left", "copy.top",
                          CopyWindow::kDefaultPosition);
    window->SetPreviewShown(m_context.settings.GetSetting(QStringLiteral("copy.prew")) ==
                            QLatin1String("1"));
}

void CopyFeature::BuildQuickCopyMenu()
{
    // Built again each time it opens: the user's formats may have changed.
    connect(m_menu.get(), &QMenu::aboutToShow, this, &CopyFeature::RefreshQuickCopyMenu);
    RefreshQuickCopyMenu();
}

void CopyFeature::RefreshQuickCopyMenu()
{
    m_menu->clear();
    delete m_ctrlCMenu;
    const QString chosen = ChosenCtrlCFormat();
    auto* ctrlC = new QMenu(QStringLiteral("Ctrl+&C Copies"), m_menu.get());
    m_ctrlCMenu = ctrlC;
    auto* choices = new QActionGroup(ctrlC);
    auto addChoice = [&](const QString& caption) {
        QAction* choice = ctrlC->addAction(
            caption, this, [this, caption] { m_context.settings.SetSetting(CtrlCKey(), caption); });
        choice->setCheckable(true);
        choice->setChecked(caption == chosen);
        choices->addAction(choice);
    };
    for (const QuickCopyItem& item : kQuickCopyItems) {
        const ValueField field = item.field;
        m_menu->addAction(QLatin1String(item.caption), this, [this, field] { QuickCopy(field); });
        addChoice(WithoutAccelerator(item.caption));
    }
    m_menu->addSeparator();
    ctrlC->addSeparator();
    for (const ColourLineFormat& format : LineFormats()) {
        m_menu->addAction(format.caption, this, [this, format] { QuickCopyLine(format); });
        addChoice(format.caption);
    }
    m_menu->addMenu(ctrlC);
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("&Main Color as Bitmap"), this,
                      &CopyFeature::CopyMainColourAsBitmap);
    m_menu->addAction(QStringLiteral("Color &Wheel as Bitmap"), this,
                      &CopyFeature::CopyWheelAsBitmap);
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("M&ore..."), this, &CopyFeature::ShowCopyWindow);
}

void CopyFeature::ShowCopyWindow()
{
    m_window->ShowModal();
}

void CopyFeature::ShowQuickCopyMenu(const QPoint& globalPos)
{
    m_menu->popup(globalPos);
}

void CopyFeature::QuickCopy(ValueField field)
{
    // One selected row or none copies the main colour: the list is not read.
    const QList<int> rows = m_listPanel.SelectedRows();
    if (rows.size() >= 2) {
        // Items the program made itself need only their colours: the text is then
        // written on a worker thread, so a million selected colours copy at once.
        const ColourList& list = m_context.colourList;
        QList<ColorRef> colours;
        colours.reserve(rows.size());
        for (int row : rows) {
            if (list.HasOwnText(row))
                break;
            colours.append(list.colourAt(row));
        }
        if (colours.size() == rows.size()) {
            m_context.platform.clipboard.SetMimeData(TextMimeDataFromWorker([field, colours] {
                                                         return QuickCopyColoursText(field,
                                                                                     colours);
                                                     }).release());
            return;
        }
    }
    PutOnClipboard(
        QuickCopyText(field, TakeCopySourceInput(m_context.mainWindow, m_context.colourList, rows,
                                                 rows.size() >= 2)));
}

QVector<ColourLineFormat> CopyFeature::LineFormats() const
{
    return ColourLineFormats(LoadUserTextFormats(m_context.settings));
}

QString CopyFeature::ChosenCtrlCFormat() const
{
    const QString chosen = m_context.settings.GetSetting(CtrlCKey());
    return chosen.isEmpty() ? QStringLiteral("HTML Style Hex") : chosen;
}

void CopyFeature::QuickCopyChosen()
{
    const QString chosen = ChosenCtrlCFormat();
    for (const QuickCopyItem& item : kQuickCopyItems)
        if (WithoutAccelerator(item.caption) == chosen)
            return QuickCopy(item.field);
    for (const ColourLineFormat& format : LineFormats())
        if (format.caption == chosen)
            return QuickCopyLine(format);
    // A format removed since it was chosen.
    QuickCopy(ValueField::HtmlHex);
}

void CopyFeature::QuickCopyLine(const ColourLineFormat& format)
{
    const QList<int> rows = m_listPanel.SelectedRows();
    PutOnClipboard(
        QuickCopyLines(format, TakeCopySourceInput(m_context.mainWindow, m_context.colourList, rows,
                                                   rows.size() >= 2)));
}

void CopyFeature::PutOnClipboard(const CopyText& text)
{
    if (!text.ok()) {
        m_context.platform.messages.Information(&m_context.mainWindow, text.error);
        return;
    }
    m_context.platform.clipboard.SetText(text.text);
}

void CopyFeature::CopyMainColourAsBitmap()
{
    const QImage picture = BuildMainColourBitmap(m_context.mainColour.rgb());
    m_context.platform.clipboard.SetMimeData(BitmapMimeData(picture).release());
}

void CopyFeature::CopyWheelAsBitmap()
{
    m_context.platform.clipboard.SetMimeData(
        BitmapMimeData(m_context.mainWindow.WheelPicture()).release());
}

void CopyFeature::WritePositionSettings()
{
    WritePositionKeys(m_context.settings, *m_window, "copy.left", "copy.top");
}

void CopyFeature::WritePreviewSetting()
{
    const bool full = m_window->height() == CopyWindow::kFullHeight;
    m_context.settings.SetSetting(QStringLiteral("copy.prew"),
                                  full ? QStringLiteral("1") : QStringLiteral("0"));
}
