#include "ui/windows/ShapeTestWindow.h"

#include "state/ShapeLayouts.h"
#include "state/ShapeTestTexts.h"
#include "ui/AppContext.h"
#include "ui/Fonts.h"
#include "ui/KeyboardMap.h"
#include "ui/widgets/KeyPreview.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/SectionHeading.h"
#include "ui/windows/ShapeSchemeControls.h"
#include "ui/windows/ShapeTestArea.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>

namespace {

const QRect TestAreaCaptionGeometry(8, 26, 425, 14);
const QRect TestAreaGeometry(8, 40, kTestAreaWidth, kTestAreaHeight);
const QRect SideColumnGeometry(439, 16, 177, 409);
// In the side column.
const QRect LayoutCaptionGeometry(1, 4, 168, 14);
const QRect LayoutListGeometry(3, 18, 166, 359);
const QRect EditLayoutGeometry(2, 377, 167, 17);
const QPoint HintPosition(8, 432);

} // namespace

ShapeTestWindow::ShapeTestWindow(AppContext& context, QWidget* parent)
    : FramedWindow(QStringLiteral("Shape Test"), kClientSize, parent), m_context(context)
{
    setObjectName(QStringLiteral("ShapeTestWindow"));
    setMouseTracking(true);
    SetSuperMinimizeHeight(kClientSize.height());
    move(kDesignPosition);

    MakeSectionHeading(this, QStringLiteral(" Test Area"), TestAreaCaptionGeometry);
    m_area = new ShapeTestArea(this);
    m_area->setGeometry(TestAreaGeometry);

    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("sideColumn"));
    column->setGeometry(SideColumnGeometry);
    MakeSectionHeading(column, QStringLiteral(" Test Layouts"), LayoutCaptionGeometry);
    m_layoutList = new QListWidget(column);
    m_layoutList->setObjectName(QStringLiteral("layoutList"));
    m_layoutList->setAccessibleName(QStringLiteral("Test Layouts"));
    m_layoutList->setGeometry(LayoutListGeometry);
    m_layoutList->setFont(SansSerifPoints());
    m_layoutList->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const ShapeLayout& layout : ShapeLayouts())
        m_layoutList->addItem(QString::fromLatin1(layout.name));

    m_scheme = new ShapeSchemeControls(context, *m_area, column, this);

    m_editLayout = new PanelButton(QStringLiteral("Edit Layout"), column);
    m_editLayout->setObjectName(QStringLiteral("editLayoutButton"));
    m_editLayout->setGeometry(EditLayoutGeometry);
    m_editLayout->setFont(SansSerifPoints());
    m_editLayout->setMouseTracking(true);
    SetEditing(false);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("hintLine"));
    m_hint->setFont(SansSerifPoints());
    m_hint->move(HintPosition);
    SetHint(ShapeTestInitialHint());

    // The Delete key deletes a scheme while the scheme list has the focus.
    m_scheme->schemeList()->installEventFilter(this);
    HintOver(m_editLayout, EditLayoutHint());
    HintOver(m_scheme->schemeList()->viewport(), SchemeListHint());
    HintOver(m_scheme->saveButton(), SaveSchemeHint());
    HintOver(m_scheme->restoreButton(), RestoreDefaultColoursHint());

    connect(m_area, &ShapeTestArea::hintChanged, this, &ShapeTestWindow::SetHint);
    connect(m_layoutList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { SelectLayout(m_layoutList->row(item)); });
    connect(m_editLayout, &PanelButton::clicked, this, [this] { SetEditing(!IsEditing()); });
    new KeyPreview(this, [this](const QKeyEvent& key) { return HandleKey(key); });
}

ShapeTestWindow::~ShapeTestWindow() = default;

void ShapeTestWindow::ShowWindow()
{
    ShowInFront(*this);
}

void ShapeTestWindow::CloseWindow()
{
    SetEditing(false);
    hide();
}

void ShapeTestWindow::SelectLayout(int row)
{
    if (row >= 0 && row < kShapeLayoutCount)
        m_area->BuildLayout(row);
}

void ShapeTestWindow::SetEditing(bool on)
{
    m_area->SetEditing(on);
    // "Edit Layout" is a flat panel; it stays darker while the mode is on.
    m_editLayout->SetFace(on ? 200 : 235);
}

bool ShapeTestWindow::IsEditing() const
{
    return m_area->IsEditing();
}

QString ShapeTestWindow::hint() const
{
    return m_hint->text();
}

void ShapeTestWindow::SetHint(const QString& text)
{
    if (m_hint->text() == text)
        return;
    m_hint->setText(text);
    m_hint->adjustSize();
}

void ShapeTestWindow::HintOver(QWidget* widget, const QString& text)
{
    m_hints.insert(widget, text);
    widget->installEventFilter(this);
}

bool ShapeTestWindow::HandleKey(const QKeyEvent& key)
{
    return RunMappedKey(KeyMap::ShapeTest, key, m_context.commands);
}

void ShapeTestWindow::showEvent(QShowEvent* event)
{
    // Becoming visible, not a restore by the desktop, starts over with "Shapes 1".
    if (!event->spontaneous()) {
        m_layoutList->setCurrentRow(0);
        m_area->BuildLayout(0);
    }
    FramedWindow::showEvent(event);
}

void ShapeTestWindow::closeEvent(QCloseEvent* event)
{
    // Closing only hides; CloseWindow also leaves "Edit Layout".
    event->ignore();
    CloseWindow();
}

void ShapeTestWindow::mouseMoveEvent(QMouseEvent* event)
{
    // Only the window's own surface: moves passed up from its controls keep the hint.
    if (!childAt(event->position().toPoint()))
        SetHint(ShapeTestInitialHint());
    FramedWindow::mouseMoveEvent(event);
}

bool ShapeTestWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_scheme->schemeList() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        m_scheme->DeleteSelected();
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        const auto hint = m_hints.constFind(watched);
        if (hint != m_hints.constEnd())
            SetHint(*hint);
    }
    return FramedWindow::eventFilter(watched, event);
}
