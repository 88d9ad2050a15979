#include "ui/windows/MainWindow.h"

#include "colour/CssColourText.h"
#include "copy/CopyPictures.h"
#include "copy/QtColour.h"
#include "state/ColourTextInput.h"
#include "ui/KeyboardMap.h"
#include "ui/widgets/ColourSwatch.h"
#include "ui/widgets/KeyPreview.h"
#include "ui/widgets/PanelButton.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/PinPicture.h"
#include "ui/widgets/ScrollBarThumbs.h"
#include "ui/widgets/SectionHeading.h"
#include "ui/widgets/StatusLine.h"
#include "ui/widgets/TitleStrip.h"
#include "ui/windows/MainValuesPanel.h"
#include "ui/windows/WheelPanel.h"
#include "ui/windows/WheelStyleWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>

namespace {

struct ToolButtonInfo
{
    const char* picture;
    const char* hint;
    const char* status;
    Command click = Command::None;
    // Undo, Redo and Export act on a press of any mouse button; the Copy button's
    // right button asks for the quick copy menu.
    Command press = Command::None;
    Command rightPress = Command::None;
};

constexpr std::array<ToolButtonInfo, MainWindow::ToolButtonCount> kToolButtons{{
    {"eyedropper", "Eye Dropper Tool",
     "Eye Dropper Tool. It is used to pick color from anywhere on the screen.",
     Command::EyeDropper},
    {"colourdialog", "Windows Color Dialog", "Click to open Windows Color Dialog. "},
    {"copy", "Copy", "Copy color value. Right click to see more formats to copy.",
     Command::CopyWindow, Command::None, Command::QuickCopyMenu},
    {"undo", "Undo", "Undo.", Command::None, Command::Undo},
    {"redo", "Redo", "Redo.", Command::None, Command::Redo},
    {"websafe", "Make Websafe", "Click to make main color websafe. ", Command::MakeWebsafe},
    {"shapetest", "Shape Test", "Click to open the Shape Test panel.", Command::ShapeTest},
    {"webtest", "Simple Web Page Test", "Click to open the Simple Web Page Test panel. ",
     Command::WebPageTest},
    {"export", "Export", "Click to export color list as HTML or ACO.", Command::None,
     Command::ExportMenu},
    {"about", "About", "About QB Kromi.", Command::About},
}};

PanelButton* MakePanelButton(QWidget* window, const QString& text, const char* name,
                             const QRect& geometry)
{
    auto* button = new PanelButton(text, window);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setMouseTracking(true);
    return button;
}

} // namespace

MainWindow::MainWindow(Platform& platform, MainColour& mainColour, const QString& programDirectory,
                       CommandTable& commands)
    : FramedWindow(QStringLiteral("QB Kromi " KROMI_VERSION), QSize(504, 457)),
      m_platform(platform), m_mainColour(mainColour), m_commands(commands),
      m_programDirectory(programDirectory)
{
    setObjectName(QStringLiteral("MainWindow"));
    // The taskbar shows the program's name; the strip keeps the caption with the
    // version. Qt appends the display name to any other title.
    setWindowTitle(QStringLiteral("QB Kromi"));
    setMouseTracking(true);
    SetSuperMinimizeHeight(457);
    BuildTitleStrip();
    BuildToolBar();

    m_wheel = new WheelPanel(this, m_mainColour);
    MakeSectionHeading(this, QStringLiteral(" Color Values"), QRect(8, 269, 185, 14));
    m_listHeading =
        MakeSectionHeading(this, QStringLiteral(" Color List"), QRect(328, 66, 168, 14));
    m_listHeading->installEventFilter(this);
    m_values = new MainValuesPanel(this, m_mainColour, m_platform.messages);
    connect(m_wheel, &WheelPanel::statusText, this, &MainWindow::SetStatusText);
    connect(m_values, &MainValuesPanel::statusText, this, &MainWindow::SetStatusText);
    connect(m_wheel, &WheelPanel::mainColourMenuRequested, this, &MainWindow::ShowMainColourMenu);

    BuildButtons();
    m_progressBar = new QProgressBar(this);
    m_progressBar->setGeometry(329, 367, 166, 16);
    m_progressBar->setTextVisible(false);
    m_progressBar->hide();
    m_statusLine = new StatusLine(this);
    m_statusLine->setGeometry(8, 411, 489, 41);

    m_wheelStyleWindow = new WheelStyleWindow(m_programDirectory);
    m_wheelStyleWindow->setParent(this, m_wheelStyleWindow->windowFlags());
    connect(m_wheelStyleWindow, &WheelStyleWindow::styleChosen, this, [this](const QString& text) {
        WheelGeometry geometry = m_wheel->Geometry();
        ApplyWheelStyle(ParseWheelStyle(text), geometry);
        m_wheel->ApplyGeometry(geometry);
    });
    BuildMenus();
    ShowScrollBarThumbs(this);
    connect(&m_mainColour, &MainColour::changed, this, &MainWindow::OnColourChanged);

    m_commands.Handle(Command::MakeWebsafe, this, [this] { m_mainColour.MakeWebsafe(); });
    m_commands.Handle(Command::SuperMinimize, this, [this] { ToggleSuperMinimize(); });
    m_commands.Handle(Command::StayOnTop, this, [this] { SetStayOnTop(!m_stayOnTop); });
    new KeyPreview(this, [this](const QKeyEvent& key) {
        if (key.matches(QKeySequence::Paste) && PasteColour())
            return true;
        return RunMappedKey(KeyMap::MainWindow, key, m_commands);
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildTitleStrip()
{
    TitleStrip* strip = titleStrip();
    m_helpBox = strip->AddBox(QStringLiteral("?"), 434);
    m_helpBox->setToolTip(QStringLiteral("Help"));
    m_pinBox = strip->AddBox(QString(), 452);
    m_pinBox->setPixmap(LoadPinPicture(m_programDirectory, false));
    m_minimizeBox = strip->AddBox(QStringLiteral("_"), 469);
    m_helpBox->setAccessibleName(QStringLiteral("Help"));
    m_pinBox->setAccessibleName(QStringLiteral("Stay on top"));
    m_minimizeBox->setAccessibleName(QStringLiteral("Shrink to the title strip"));
    closeBox()->move(486, 0);
    for (ClickableBox* box : {m_helpBox, m_pinBox, m_minimizeBox, closeBox()})
        box->setMouseTracking(true);
    m_helpBox->installEventFilter(this);
    m_pinBox->installEventFilter(this);
    m_minimizeBox->installEventFilter(this);
    closeBox()->installEventFilter(this);
    strip->setMouseTracking(true);
    strip->installEventFilter(this);
    connect(m_helpBox, &ClickableBox::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            emit helpMenuRequested(m_helpBox->mapToGlobal(QPoint(0, 0)));
    });
    connect(m_pinBox, &ClickableBox::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            SetStayOnTop(!m_stayOnTop);
    });
    connect(m_minimizeBox, &ClickableBox::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            MinimizeApplication();
    });
}

void MainWindow::BuildToolBar()
{
    for (int i = 0; i < ToolButtonCount; ++i) {
        const auto button = ToolButton(i);
        auto* picture = new PictureButton(this, 8 + 40 * i, QLatin1String(kToolButtons[i].picture),
                                          QLatin1String(kToolButtons[i].hint));
        m_toolButtons[i] = picture;
        connect(picture, &PictureButton::hovered, this,
                [this, button] { OnToolButtonHovered(button); });
        connect(picture, &PictureButton::pressed, this,
                [this, button](Qt::MouseButton mouse) { OnToolButtonPressed(button, mouse); });
        connect(picture, &PictureButton::clicked, this,
                [this, button] { OnToolButtonClicked(button); });
    }
}

void MainWindow::BuildButtons()
{
    m_moreButton =
        MakePanelButton(this, QStringLiteral("More..."), "moreButton", QRect(248, 384, 65, 17));
    m_saveAsButton =
        MakePanelButton(this, QStringLiteral("Save As"), "saveAsButton", QRect(328, 384, 54, 17));
    m_loadButton =
        MakePanelButton(this, QStringLiteral("Load"), "loadButton", QRect(384, 384, 59, 17));
    m_listButton =
        MakePanelButton(this, QStringLiteral("List"), "listButton", QRect(445, 384, 52, 17));
    connect(m_moreButton, &PanelButton::clicked, this,
            [this] { m_commands.Run(Command::Variations); });
    connect(m_saveAsButton, &PanelButton::clicked, this,
            [this] { m_commands.Run(Command::SaveList); });
    connect(m_loadButton, &PanelButton::clicked, this,
            [this] { m_commands.Run(Command::LoadList); });
    connect(m_listButton, &PanelButton::clicked, this,
            [this] { emit listMenuRequested(m_listButton->mapToGlobal(QPoint(0, 0))); });
    for (PanelButton* button : {m_saveAsButton, m_loadButton, m_listButton})
        button->installEventFilter(this);
}

void MainWindow::BuildMenus()
{
    m_mainColourMenu = new QMenu(this);
    m_addMainColourAction =
        m_mainColourMenu->addAction(QStringLiteral("&Add Main Color to Color List"));
    m_addMainColourAction->setObjectName(QStringLiteral("addMainColourAction"));
    connect(m_addMainColourAction, &QAction::triggered, this,
            [this] { m_commands.Run(Command::AddToList); });
    m_mainColourMenu->addAction(QStringLiteral("Find &Negative of this Color"), this,
                                [this] { m_mainColour.FindNegative(); });
    m_mainColourMenu->addAction(QStringLiteral("&Load Wheel Style"), this,
                                [this] { m_wheelStyleWindow->ShowFor(this); });
    m_mainColourMenu->addSeparator();
    m_mainColourMenu->addAction(QStringLiteral("Copy &Main Color as Bitmap"), this,
                                &MainWindow::copyMainColourRequested);
    // Present but greyed and without action; the quick copy menu copies the wheel.
    m_copyWheelAction = m_mainColourMenu->addAction(QStringLiteral("Copy Color &Wheel as Bitmap"));
    m_copyWheelAction->setObjectName(QStringLiteral("copyWheelAction"));
    m_copyWheelAction->setEnabled(false);

    m_titleMenu = new QMenu(this);
    m_stayOnTopAction = m_titleMenu->addAction(QStringLiteral("Stay on Top"));
    m_stayOnTopAction->setShortcut(QKeySequence(QStringLiteral("Ctrl+T")));
    m_stayOnTopAction->setShortcutVisibleInContextMenu(true);
    m_stayOnTopAction->setCheckable(true);
    // The keyboard map runs Ctrl+T; the shortcut here is only shown.
    m_stayOnTopAction->setShortcutContext(Qt::WidgetShortcut);
    connect(m_stayOnTopAction, &QAction::triggered, this, [this] { SetStayOnTop(!m_stayOnTop); });
    m_titleMenu->addAction(QStringLiteral("Exit"), this, &QWidget::close);
    connect(titleStrip(), &TitleStrip::contextMenuRequested, this,
            [this](const QPoint& pos) { m_titleMenu->popup(pos); });
}

void MainWindow::OnColourChanged(ColourChange origin)
{
    m_values->Refresh(origin);
    m_wheel->UpdateHarmonies();
}

bool MainWindow::PasteColour()
{
    const QString text = m_platform.clipboard.Text();
    // In an edit, a text that is no colour is pasted into the edit as usual.
    if (qobject_cast<QLineEdit*>(QApplication::focusWidget()) && !ReadCssColour(text).colour)
        return false;
    SetStatusText(ApplyColourText(m_mainColour, text));
    return true;
}

void MainWindow::SetStatusText(const QString& text)
{
    if (text == m_statusText)
        return;
    m_statusText = text;
    m_statusLine->ShowText(text);
}

void MainWindow::SetStayOnTop(bool on)
{
    m_stayOnTop = on;
    m_stayOnTopAction->setChecked(on);
    m_platform.windowControl.SetTopmost(this, on);
    const QPixmap pin = LoadPinPicture(m_programDirectory, on);
    if (!pin.isNull())
        m_pinBox->setPixmap(pin);
}

void MainWindow::ShowMainColourMenu(const QPoint& globalPos)
{
    m_mainColourMenu->popup(globalPos);
}

QPoint MainWindow::ExportMenuPosition() const
{
    PictureButton* button = m_toolButtons[ExportButton];
    return button->mapToGlobal(button->rect().center());
}

void MainWindow::MinimizeApplication()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            window->showMinimized();
}

void MainWindow::OnToolButtonHovered(ToolButton button)
{
    PictureButton* picture = m_toolButtons[button];
    const bool websafeBlocked = button == WebsafeButton && m_mainColour.isWebSafe();
    if (!picture->IsHighlighted() && !websafeBlocked)
        picture->SetHighlighted(true);
    if (websafeBlocked)
        SetStatusText(
            QStringLiteral("Click to make main color websafe. (Main color is already websafe)"));
    else
        SetStatusText(QLatin1String(kToolButtons[button].status));
}

void MainWindow::OnToolButtonPressed(ToolButton button, Qt::MouseButton mouseButton)
{
    const ToolButtonInfo& info = kToolButtons[button];
    const bool rightPressCommand =
        mouseButton == Qt::RightButton && info.rightPress != Command::None;
    m_commands.Run(rightPressCommand ? info.rightPress : info.press);
}

void MainWindow::OnToolButtonClicked(ToolButton button)
{
    if (button != ColourDialogButton) {
        m_commands.Run(kToolButtons[button].click);
        return;
    }
    const auto chosen = m_platform.colourDialog.GetColour(this, ToQColor(m_mainColour.rgb()));
    if (chosen)
        m_mainColour.SetMainColour(ColorRefOf(*chosen));
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    // Only the bare window background resets the hover state.
    if (!childAt(event->position().toPoint())) {
        for (PictureButton* button : m_toolButtons)
            button->SetHighlighted(false);
        SetStatusText(QString());
    }
    FramedWindow::mouseMoveEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    FramedWindow::closeEvent(event);
    emit closing();
}

void MainWindow::ShowProgress(int maximum)
{
    m_progressBar->setRange(0, maximum);
    m_progressBar->setValue(0);
    m_progressBar->show();
}

void MainWindow::SetProgress(int value)
{
    m_progressBar->setValue(value);
    m_progressBar->repaint();
}

void MainWindow::HideProgress()
{
    m_progressBar->hide();
}

CopySourceInput MainWindow::ValueTexts() const
{
    CopySourceInput input;
    input.hexEditText = m_values->hexEdit()->text();
    for (int channel = 0; channel < 3; ++channel)
        input.rgbEditTexts[channel] = m_values->rgbEdit(channel)->text();
    input.wheelColours = m_wheel->harmonies().wheel;
    return input;
}

QImage MainWindow::WheelPicture() const
{
    return BuildWheelBitmap(m_wheel->Geometry(),
                            WheelColoursOf(m_mainColour.colour(), m_wheel->harmonies().wheel));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_listHeading && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            return false;
        emit listMenuRequested(mouse->globalPosition().toPoint());
        return true;
    }
    if (event->type() != QEvent::MouseMove)
        return false;
    if (watched == titleStrip())
        SetStatusText(QStringLiteral("Double click to super-minimize."));
    else if (watched == m_pinBox)
        SetStatusText(QStringLiteral("Toggle stay on top feature."));
    else if (watched == m_helpBox)
        SetStatusText(QStringLiteral("Click to display help documents and quick tips."));
    else if (watched == m_minimizeBox)
        SetStatusText(QStringLiteral("Click to minimize."));
    else if (watched == closeBox())
        SetStatusText(QStringLiteral("Click to exit."));
    else if (watched == m_saveAsButton)
        SetStatusText(QStringLiteral("Click to save the color list. "));
    else if (watched == m_loadButton)
        SetStatusText(QStringLiteral("Click to load a color list. "));
    else if (watched == m_listButton)
        SetStatusText(QStringLiteral("Click to see more options. "));
    return false;
}
