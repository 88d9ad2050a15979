#include "ui/windows/ShapeSchemeControls.h"

#include "platform/Platform.h"
#include "state/ShapeTestTexts.h"
#include "storage/SchemeFile.h"
#include "ui/Fonts.h"
#include "ui/SystemColours.h"
#include "ui/widgets/FixedRowDelegate.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/SectionHeading.h"
#include "ui/windows/ShapeTestArea.h"

#include <QLabel>
#include <QListWidget>

namespace {

// Places in the side column: a narrow column of their own over the right half of
// the layout list, which holds four short entries, and "Restore to Default Colors"
// across the column above "Edit Layout".
const QRect CaptionGeometry(94, 90, 73, 14);
const QRect ListGeometry(94, 104, 73, 234);
const QRect SaveGeometry(94, 340, 73, 17);
const QRect RestoreGeometry(2, 359, 167, 17);
constexpr int kItemHeight = 13;

PanelButton* AddButton(QWidget* column, const char* name, const QString& caption,
                       const QRect& geometry, int grey)
{
    auto* button = new PanelButton(caption, column);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(SansSerifPoints());
    button->setMouseTracking(true);
    button->SetFace(grey);
    return button;
}

} // namespace

ShapeSchemeControls::ShapeSchemeControls(Platform& platform, const QString& programDirectory,
                                         ShapeTestArea& area, QWidget* column, QWidget* window)
    : QObject(column), m_platform(platform), m_programDirectory(programDirectory), m_area(area),
      m_window(window)
{
    m_scheme.SetSystemColours(DesktopSystemColours());
    m_caption = MakeSectionHeading(column, QStringLiteral(" Saved Schemes"), CaptionGeometry);
    m_list = new QListWidget(column);
    m_list->setObjectName(QStringLiteral("schemeList"));
    m_list->setAccessibleName(QStringLiteral("Saved Schemes"));
    m_list->setGeometry(ListGeometry);
    m_list->setFont(SansSerifPoints());
    m_list->setItemDelegate(new FixedRowDelegate(kItemHeight, m_list));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->viewport()->setMouseTracking(true);
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    m_list->setPalette(palette);
    m_save =
        AddButton(column, "saveSchemeButton", QStringLiteral("Save Scheme"), SaveGeometry, 235);
    m_restore = AddButton(column, "restoreButton", QStringLiteral("Restore to Default Colors"),
                          RestoreGeometry, 245);

    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { LoadRow(m_list->row(item)); });
    connect(m_save, &PanelButton::clicked, this, &ShapeSchemeControls::Save);
    connect(m_restore, &PanelButton::clicked, this, &ShapeSchemeControls::Restore);
    connect(&area, &ShapeTestArea::dropped, this, &ShapeSchemeControls::RefreshRecord);
    ReadSchemeList();
}

void ShapeSchemeControls::Save()
{
    const QString prompt = SchemeNamePrompt();
    const std::optional<QString> name =
        m_platform.inputBox.GetText(m_window, prompt, prompt, m_scheme.ProposedName());
    if (!name)
        return;
    MessageBoxes& messages = m_platform.messages;
    const QString refusal = CheckSchemeName(*name);
    if (!refusal.isEmpty()) {
        messages.Information(m_window, refusal);
        return;
    }
    const QString folder = m_programDirectory;
    if (SchemeFileExists(SchemeFilePath(folder, *name))) {
        const ShapeTestQuestion replace = ReplaceSchemeQuestion(*name);
        if (!messages.Question(m_window, replace.text, replace.title))
            return;
    }
    const SchemeFileResult saved = SaveScheme(folder, *name, m_scheme);
    if (!saved) {
        messages.Information(m_window, saved.error);
        return;
    }
    ReadSchemeList();
}

void ShapeSchemeControls::LoadRow(int row)
{
    const QListWidgetItem* item = m_list->item(row);
    if (!item)
        return;
    if (m_scheme.IsChanged()) {
        const ShapeTestQuestion question = ContinueLoadQuestion();
        if (!m_platform.messages.Question(m_window, question.text, question.title))
            return;
    }
    ShapeTestColours colours = m_area.colours();
    const SchemeLoadResult loaded =
        LoadScheme(m_programDirectory + item->text(), m_scheme, colours);
    if (loaded.status == SchemeLoadStatus::Unreadable) {
        m_platform.messages.Information(m_window, loaded.error);
        return;
    }
    ShowColours(colours, loaded.error);
}

void ShapeSchemeControls::DeleteSelected()
{
    const ShapeTestQuestion question = DeleteSchemeQuestion();
    if (!m_platform.messages.Question(m_window, question.text, question.title))
        return;
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    QListWidgetItem* item = selected.isEmpty() ? nullptr : selected.first();
    // With nothing selected the path is empty and the deletion fails.
    const SchemeFileResult deleted =
        DeleteSchemeFile(item ? m_programDirectory + item->text() : QString());
    if (!deleted) {
        m_platform.messages.Error(m_window, deleted.error);
        return;
    }
    delete m_list->takeItem(m_list->row(item));
}

void ShapeSchemeControls::Restore()
{
    if (m_scheme.IsChanged()) {
        const ShapeTestQuestion question = RestoreColoursQuestion();
        if (!m_platform.messages.Question(m_window, question.text, question.title))
            return;
    }
    ShapeTestColours colours = m_area.colours();
    const ColourRecordApply applied =
        RestoreDefaultColours(ShapeLayouts()[m_area.builtLayout()], colours);
    ShowColours(colours, applied.error);
}

void ShapeSchemeControls::ShowColours(const ShapeTestColours& colours, const QString& error)
{
    m_area.SetColours(colours);
    // Also after a stop at a bad value: no shape keeps an outline of its old colour.
    m_area.SyncOutlines();
    if (!error.isEmpty())
        m_platform.messages.Information(m_window, error);
}

void ShapeSchemeControls::RefreshRecord()
{
    m_scheme.Refresh(m_area.colours());
}

void ShapeSchemeControls::ReadSchemeList()
{
    m_list->clear();
    m_list->addItems(ListSchemeFiles(m_programDirectory));
}

void ShapeSchemeControls::ReleaseSchemeList()
{
    m_list->clear();
}
