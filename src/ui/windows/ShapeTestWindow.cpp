#include "ui/windows/ShapeTestWindow.h"

#include "platform/Platform.h"
#include "state/ShapeLayouts.h"
#include "state/ShapeTestTexts.h"
#include "ui/Fonts.h"
#include "ui/KeyboardMap.h"
#include "ui/ViewAs.h"
#include "ui/widgets/KeyboardFocus.h"
#include "ui/widgets/KeyPreview.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/SectionHeading.h"
#include "ui/windows/ConfusablePairsWindow.h"
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
// Inside the right end of the " Test Area" caption, on its grey.
const QRect ViewAsGeometry(253, 26, 180, 14);

} // namespace

ShapeTestWindow::ShapeTestWindow(Platform& platform, const QString& programDirectory,
                                 CommandTable& commands, QWidget* parent)
    : FramedWindow(QStringLiteral("Shape Test"), kClientSize, parent), m_commands(commands)
{
    setObjectName(QStringLiteral("ShapeTestWindow"));
    setMouseTracking(true);
    SetSuperMinimizeHeight(kClientSize.height());
    move(kDefaultPosition);

    MakeSectionHeading(this, QStringLiteral(" Test Area"), TestAreaCaptionGeometry);
    m_area = new ShapeTestArea(this);
    m_area->setGeometry(TestAreaGeometry);
    m_viewAs = new PanelButton(QString(), this);
    m_viewAs->setObjectName(QStringLiteral("viewAsButton"));
    m_viewAs->setGeometry(ViewAsGeometry);
    m_viewAs->setFont(VerdanaPixels(11));
    m_viewAs->SetFace(219);
    m_viewAs->setFocusPolicy(Qt::TabFocus);
    m_viewAsMenu = new ViewAsMenu(this);
    m_viewAsMenu->addSeparator();
    m_viewAsMenu->addAction(QStringLiteral("Colors Hard to Tell Apart..."), this,
                            &ShapeTestWindow::ShowConfusablePairs);

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

    m_scheme = new ShapeSchemeControls(platform, programDirectory, *m_area, column, this);

    m_editLayout = new PanelButton(QStringLiteral("Edit Layout"), column);
    m_editLayout->setObjectName(QStringLiteral("editLayoutButton"));
    m_editLayout->setGeometry(EditLayoutGeometry);
    m_editLayout->setFont(SansSerifPoints());
    m_editLayout->setMouseTracking(true);
    m_editLayout->setFocusPolicy(Qt::TabFocus);
    SetEditing(false);

    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("hintLine"));
    m_hint->setFont(SansSerifPoints());
    m_hint->move(HintPosition);
    SetHint(ShapeTestInitialHint());

    // The Delete key deletes a scheme while the scheme list has the focus; Enter in
    // either list does what a click on the current entry does.
    m_scheme->schemeList()->installEventFilter(this);
    m_layoutList->installEventFilter(this);
    HintOver(m_editLayout, EditLayoutHint());
    HintOver(m_scheme->schemeList()->viewport(), SchemeListHint());
    HintOver(m_scheme->saveButton(), SaveSchemeHint());
    HintOver(m_scheme->restoreButton(), RestoreDefaultColoursHint());

    connect(m_area, &ShapeTestArea::hintChanged, this, &ShapeTestWindow::SetHint);
    connect(m_layoutList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { SelectLayout(m_layoutList->row(item)); });
    connect(m_viewAs, &PanelButton::clicked, this,
            [this] { m_viewAsMenu->popup(m_viewAs->mapToGlobal(QPoint(0, m_viewAs->height()))); });
    connect(m_area, &ShapeTestArea::viewMenuRequested, this,
            [this](const QPoint& pos) { m_viewAsMenu->popup(pos); });
    connect(m_viewAsMenu, &ViewAsMenu::chosen, this, [this](ColourVision vision) {
        SetVision(vision);
        emit visionChosen(vision);
    });
    SetVision(ColourVision{});
    connect(m_editLayout, &PanelButton::clicked, this, [this] { SetEditing(!IsEditing()); });
    // Tab: the layout list, which has the focus when the window opens, the test area
    // and its items, "View as", then the rest of the side column.
    setTabOrder(m_editLayout, m_layoutList);
    m_layoutList->setFocus();
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

void ShapeTestWindow::SetVision(ColourVision vision)
{
    m_area->SetVision(vision);
    m_viewAsMenu->SetCurrent(vision);
    m_viewAs->setText(ViewAsCaption(vision));
    HintOver(m_viewAs,
             vision.kind == VisionKind::Normal
                 ? QStringLiteral("Click to see the test area as people with a "
                                  "color vision deficiency see it.")
                 : QStringLiteral("Simulated view: the test area is drawn as seen with ") +
                       ColourVisionLabel(vision).toLower() +
                       QStringLiteral(". Drops and readouts keep the real colors."));
}

void ShapeTestWindow::ShowConfusablePairs()
{
    std::vector<ColorRef> colours;
    QStringList names;
    const auto take = [&](const QWidget* item, ColorRef colour) {
        // Parked items lie outside the area and are not seen.
        if (item->geometry().left() >= m_area->width())
            return;
        colours.push_back(colour);
        names.push_back(item->objectName());
    };
    for (int i = 0; i < kTestShapeCount; ++i)
        take(m_area->shape(i), m_area->colours().shapeFills[std::size_t(i)]);
    for (int i = 0; i < kTestTextCount; ++i)
        take(m_area->text(i), m_area->colours().textColours[std::size_t(i)]);
    colours.push_back(m_area->colours().background);
    names.push_back(QStringLiteral("Background"));
    if (!m_pairs)
        m_pairs = std::make_unique<ConfusablePairsWindow>();
    m_pairs->ShowPairs(colours, names);
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
    return RunMappedKey(KeyMap::ShapeTest, key, m_commands);
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
    QListWidget* const schemes = m_scheme->schemeList();
    if ((watched == schemes || watched == m_layoutList) && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == schemes && key->key() == Qt::Key_Delete) {
            m_scheme->DeleteSelected();
            return true;
        }
        if (IsActivationKey(*key, false)) {
            if (watched == schemes)
                m_scheme->LoadRow(schemes->currentRow());
            else
                SelectLayout(m_layoutList->currentRow());
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove) {
        const auto hint = m_hints.constFind(watched);
        if (hint != m_hints.constEnd())
            SetHint(*hint);
    }
    return FramedWindow::eventFilter(watched, event);
}
