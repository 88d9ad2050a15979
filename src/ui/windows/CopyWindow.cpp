#include "ui/windows/CopyWindow.h"

#include "copy/ColourLineFormats.h"
#include "platform/Platform.h"
#include "state/ColourList.h"
#include "storage/SettingsStore.h"
#include "storage/UserTextFormats.h"
#include "ui/Fonts.h"
#include "ui/widgets/KeyPreview.h"
#include "ui/widgets/Labels.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/ScrollBarThumbs.h"
#include "ui/windows/CopyOptionsPanel.h"
#include "ui/windows/CopyPreviewPanel.h"
#include "ui/windows/ListPanel.h"
#include "ui/windows/MainWindow.h"
#include "ui/windows/UserFormatMenu.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>

namespace {

QListWidget* AddList(QWidget* window, const char* name, const QString& spokenName,
                     const QStringList& items, const QRect& geometry)
{
    auto* list = new QListWidget(window);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(spokenName);
    list->addItems(items);
    list->setGeometry(geometry);
    list->setCurrentRow(0);
    return list;
}

PanelButton* AddButton(QWidget* window, const char* name, const QString& caption,
                       const QRect& geometry)
{
    auto* button = new PanelButton(caption, window);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->SetFace(243);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

CopySourceInput TakeCopySourceInput(const MainWindow& mainWindow, const ColourList& list,
                                    const QList<int>& selectedRows, bool withListItems)
{
    CopySourceInput input = mainWindow.ValueTexts();
    if (!withListItems)
        return input;
    input.listItemTexts = list.texts();
    input.listItemSelected.fill(false, list.count());
    for (int row : selectedRows)
        if (row >= 0 && row < list.count())
            input.listItemSelected[row] = true;
    return input;
}

CopyWindow::CopyWindow(Platform& platform, SettingsStore& settings, const MainWindow& mainWindow,
                       const ColourList& colourList, const ListPanel& listPanel, QWidget* parent)
    : FramedWindow(QStringLiteral("Copy"), QSize(480, kFullHeight), parent), m_platform(platform),
      m_settings(settings), m_mainWindow(mainWindow), m_colourList(colourList),
      m_listPanel(listPanel)
{
    setObjectName(QStringLiteral("CopyWindow"));
    setFont(SansSerifPoints());
    setWindowModality(Qt::ApplicationModal);
    closeBox()->move(463, 0);
    // A double-click collapses to the strip and always restores with the preview.
    SetSuperMinimizeHeight(kFullHeight);
    move(kDefaultPosition);

    MakeLabel(this, QStringLiteral("What do you want to copy?"), 8, 32);
    m_sourceList = AddList(this, "sourceList", QStringLiteral("Copy from"), CopySourceCaptions(),
                           QRect(8, 56, 129, 105));
    MakeLabel(this, QStringLiteral("In which format?"), 152, 32);
    AddLineFormats();
    m_formatList = AddList(this, "formatList", QStringLiteral("Format"), m_formats.Captions(),
                           QRect(152, 56, 129, 105));
    MakeLabel(this, QStringLiteral("Options"), 296, 32);
    m_options = new CopyOptionsPanel(this);
    m_options->setGeometry(295, 51, 177, 109);
    m_copyNow =
        AddButton(this, "copyNowButton", QStringLiteral("Copy Now"), QRect(304, 160, 89, 25));
    m_previewButton =
        AddButton(this, "previewButton", QStringLiteral("Preview"), QRect(400, 160, 65, 25));
    MakeLabel(this, QStringLiteral("Preview"), 8, 192);
    m_preview = new CopyPreviewPanel(this);
    m_preview->setGeometry(8, 208, 465, 241);

    connect(m_sourceList, &QListWidget::currentRowChanged, this, [this] {
        GatherSource();
        RebuildPreview();
    });
    connect(m_formatList, &QListWidget::currentRowChanged, this, [this] {
        m_options->ShowPage(m_formats.OptionsPage(format()));
        RebuildPreview();
    });
    connect(m_options, &CopyOptionsPanel::previewOptionsChanged, this, &CopyWindow::RebuildPreview);
    m_userFormats = new UserFormatMenu(platform, settings, this);
    connect(m_userFormats, &UserFormatMenu::formatsChanged, this, &CopyWindow::ReloadFormats);
    m_formatList->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_formatList, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        m_userFormats->popup(m_formatList->viewport()->mapToGlobal(pos));
    });
    connect(m_copyNow, &PanelButton::clicked, this, &CopyWindow::CopyNow);
    connect(m_previewButton, &PanelButton::clicked, this, &CopyWindow::TogglePreview);

    ShowScrollBarThumbs(this);
    m_options->ShowPage(m_formats.OptionsPage(format()));
    GatherSource();
    RebuildPreview();
    new KeyPreview(this, [this](const QKeyEvent& key) { return HandleKey(key); });
}

CopyWindow::~CopyWindow() = default;

void CopyWindow::AddLineFormats()
{
    for (const ColourLineFormat& line : ColourLineFormats(LoadUserTextFormats(m_settings)))
        m_formats.AddTextFormat(line.caption, [line](const QStringList& entries) {
            return ColourLinesText(line, entries);
        });
}

void CopyWindow::ReloadFormats()
{
    const QString current =
        m_formatList->currentItem() ? m_formatList->currentItem()->text() : QString();
    const int currentRow = m_formatList->currentRow();
    m_formats = CopyFormats();
    AddLineFormats();
    {
        const QSignalBlocker blocker(m_formatList);
        m_formatList->clear();
        m_formatList->addItems(m_formats.Captions());
        const QList<QListWidgetItem*> same = m_formatList->findItems(current, Qt::MatchExactly);
        // A renamed format keeps its row; a removed one leaves the next chosen.
        m_formatList->setCurrentRow(same.isEmpty()
                                        ? qBound(0, currentRow, m_formatList->count() - 1)
                                        : m_formatList->row(same.first()));
    }
    m_options->ShowPage(m_formats.OptionsPage(format()));
    RebuildPreview();
}

void CopyWindow::ShowModal()
{
    ShowInFront(*this);
}

CopySource CopyWindow::source() const
{
    return CopySource(qMax(0, m_sourceList->currentRow()));
}

CopyFormat CopyWindow::format() const
{
    return CopyFormat(qMax(0, m_formatList->currentRow()));
}

void CopyWindow::SetSource(CopySource source)
{
    m_sourceList->setCurrentRow(int(source));
}

void CopyWindow::SetFormat(CopyFormat format)
{
    m_formatList->setCurrentRow(int(format));
}

QStringList CopyWindow::TakeSourceColours() const
{
    const bool readsSelection = source() == CopySource::SelectedColors;
    const bool readsList = readsSelection || source() == CopySource::ColorList;
    // Read once, and only where it counts: a long list makes it costly.
    const QList<int> selected = readsSelection ? m_listPanel.SelectedRows() : QList<int>();
    if (readsList) {
        const std::optional<QStringList> entries =
            ListEntriesOfColours(m_colourList, readsSelection ? &selected : nullptr);
        if (entries)
            return *entries;
    }
    return GatherSourceColours(
        source(), TakeCopySourceInput(m_mainWindow, m_colourList, selected, readsList));
}

void CopyWindow::GatherSource()
{
    m_entries = TakeSourceColours();
}

void CopyWindow::RebuildPreview()
{
    const CopyPreview preview =
        BuildCopyPreview(format(), m_entries, m_options->Options(), m_formats, m_preview->Area());
    // A value that cannot be converted leaves a text preview empty, and "Copy Now"
    // reports it; a picture that cannot be made says why where it would stand.
    if (m_formats.IsPicture(format()) && preview.ok())
        m_preview->ShowImage(preview.image);
    else if (m_formats.IsPicture(format()))
        m_preview->ShowText(preview.error);
    else
        m_preview->ShowText(preview.text);
}

void CopyWindow::CopyNow()
{
    // Taken afresh, so the copy always matches the main window as it stands.
    CopyPayload payload =
        BuildCopyPayload(format(), TakeSourceColours(), m_options->Options(), m_formats);
    if (!payload.ok()) {
        m_platform.messages.Information(this, payload.error);
        return;
    }
    m_platform.clipboard.SetMimeData(payload.mimeData.release());
}

void CopyWindow::TogglePreview()
{
    SetPreviewShown(height() != kFullHeight);
}

void CopyWindow::SetPreviewShown(bool shown)
{
    setFixedHeight(shown ? kFullHeight : kShortHeight);
}

void CopyWindow::showEvent(QShowEvent* event)
{
    GatherSource();
    RebuildPreview();
    FramedWindow::showEvent(event);
}

bool CopyWindow::HandleKey(const QKeyEvent& key)
{
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CopyNow();
        return true;
    case Qt::Key_F5:
        close();
        return true;
    default:
        return false;
    }
}
