#include "ui/windows/WebPageTestWindow.h"

#include "platform/Platform.h"
#include "storage/WebPageHtmlExport.h"
#include "storage/WebStyleFile.h"
#include "ui/DialogFolders.h"
#include "ui/Fonts.h"
#include "ui/KeyboardMap.h"
#include "ui/ViewAs.h"
#include "ui/widgets/KeyPreview.h"
#include "ui/widgets/PanelButton.h"
#include "ui/windows/TipWindow.h"
#include "ui/windows/WebPageView.h"

#include "colour/ColourText.h"

#include <QDragEnterEvent>
#include <QMenu>
#include <QMouseEvent>

namespace {

constexpr int kHelpBoxLeft = 528;
constexpr int kCloseBoxLeft = 545;
const QString kNewTextCaption = QStringLiteral("Type New String");
constexpr char kStyleFilter[] = "QB Kromi Web Test Style (*.cls)|*.cls";
constexpr char kHtmlFilter[] = "HTML Document|*.htm";

void AddInstruction(QWidget* window, const QString& text, int top)
{
    auto* label = new QLabel(text, window);
    label->setFont(SansSerifPixels(11));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(8, top, 153, 41);
}

// "Click to See Sample Layouts" stays flat while pressed.
class FlatPanelButton : public PanelButton
{
public:
    using PanelButton::PanelButton;

protected:
    void mousePressEvent(QMouseEvent*) override {}
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
    }
};

PanelButton* AddButton(PanelButton* button, const char* name, const QRect& geometry, int grey)
{
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(SansSerifPixels(11));
    button->SetFace(grey);
    return button;
}

} // namespace

WebPageTestWindow::WebPageTestWindow(Platform& platform, DialogFolders& dialogFolders,
                                     CommandTable& commands, TipWindow& tip, QWidget* parent)
    : FramedWindow(QStringLiteral("Simple Web Page Test"), kClientSize, parent),
      m_platform(platform), m_dialogFolders(dialogFolders), m_commands(commands), m_tip(tip),
      m_style(InitialWebPageStyle())
{
    setObjectName(QStringLiteral("WebPageTestWindow"));
    closeBox()->move(kCloseBoxLeft, 0);
    m_helpBox = titleStrip()->AddBox(QStringLiteral("?"), kHelpBoxLeft);
    SetSuperMinimizeHeight(kClientSize.height());
    move(kDefaultPosition);
    // Only to bring the window to the front while something is dragged over it.
    setAcceptDrops(true);

    BuildControls();
    BuildMenus();
    WireView();
    ChainTabStops();
    new KeyPreview(this, [this](const QKeyEvent& key) {
        return RunMappedKey(KeyMap::WebPageTest, key, m_commands);
    });
}

WebPageTestWindow::~WebPageTestWindow() = default;

void WebPageTestWindow::BuildControls()
{
    AddInstruction(this,
                   QStringLiteral("Drag and drop a color over  any part to change the color."), 24);
    AddInstruction(this, QStringLiteral("Right click on any text, to change it."), 64);
    AddInstruction(this, QStringLiteral("Double click on any text, to change its font style."),
                   104);
    m_borderText = new WebPageItem(WebDropTarget::BorderText, this);
    m_borderText->setObjectName(QStringLiteral("borderText"));
    m_borderText->setText(
        QStringLiteral("To change the border color drag and drop a color over this text."));
    m_borderText->setFont(SansSerifPixels(11, true));
    m_borderText->setWordWrap(true);
    m_borderText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_borderText->setGeometry(8, 144, 145, 41);

    m_sampleButton =
        AddButton(new FlatPanelButton(QStringLiteral("Click to See Sample Layouts"), this),
                  "sampleButton", QRect(8, 256, 153, 17), 235);
    m_saveButton = AddButton(new PanelButton(QStringLiteral("Save As"), this), "saveButton",
                             QRect(9, 288, 72, 17), 235);
    m_loadButton = AddButton(new PanelButton(QStringLiteral("Load"), this), "loadButton",
                             QRect(80, 288, 81, 17), 247);
    m_exportButton = AddButton(new PanelButton(QStringLiteral("Export as HTML"), this),
                               "exportButton", QRect(8, 304, 153, 17), 243);

    // The free space between the border text and the sample button.
    m_seenLine = new QLabel(this);
    m_seenLine->setObjectName(QStringLiteral("seenLine"));
    m_seenLine->setFont(SansSerifPixels(11));
    m_seenLine->setWordWrap(true);
    m_seenLine->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_seenLine->setGeometry(8, 190, 153, 40);
    m_viewAsButton =
        AddButton(new PanelButton(QString(), this), "viewAsButton", QRect(8, 234, 153, 17), 235);

    m_view = new WebPageView(m_style, this);
    m_view->setObjectName(QStringLiteral("pageFrame"));
    m_view->move(kWebPageFramePosition);
}

void WebPageTestWindow::BuildMenus()
{
    m_sampleMenu = new QMenu(this);
    for (int number = 1; number <= kWebPageSampleCount; ++number)
        m_sampleMenu->addAction(QStringLiteral("Load Sample %1").arg(number), this,
                                [this, number] { LoadSample(number); });
    m_helpMenu = new QMenu(this);
    AddHowToEntries(*m_helpMenu, HelpMenu::WebTest, m_tip);

    connect(m_sampleButton, &PanelButton::clicked, this, &WebPageTestWindow::ShowSampleMenu);
    m_viewAsMenu = new ViewAsMenu(this);
    connect(m_viewAsButton, &PanelButton::clicked, this, [this] {
        m_viewAsMenu->popup(m_viewAsButton->mapToGlobal(QPoint(0, m_viewAsButton->height())));
    });
    connect(m_viewAsMenu, &ViewAsMenu::chosen, this, [this](ColourVision vision) {
        SetVision(vision);
        emit visionChosen(vision);
    });
    SetVision(ColourVision{});
    connect(m_helpBox, &ClickableBox::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            ShowHelpMenu();
    });
    connect(m_saveButton, &PanelButton::clicked, this, &WebPageTestWindow::SaveStyleAs);
    connect(m_loadButton, &PanelButton::clicked, this, &WebPageTestWindow::LoadStyle);
    connect(m_exportButton, &PanelButton::clicked, this, &WebPageTestWindow::ExportAsHtml);
}

void WebPageTestWindow::WireView()
{
    connect(m_view, &WebPageView::partColourDropped, this, [this](WebPart part, ColorRef colour) {
        m_style.colour(part) = colour;
        Refresh();
    });
    connect(m_view, &WebPageView::textColourDropped, this, [this](WebText text, ColorRef colour) {
        m_style.text(text).font.colour = colour;
        Refresh();
    });
    connect(m_borderText, &WebPageItem::colourDropped, this, [this](ColorRef colour) {
        m_style.borderColour = colour;
        Refresh();
    });
    connect(m_view, &WebPageView::dividerDragged, this, [this](WebDivider divider, int size) {
        DragDivider(m_style, divider, size);
        m_view->RefreshLayout();
    });
    connect(m_view, &WebPageView::colourPointed, this, [this](ColorRef real) {
        const VisionSimulator& seen = m_view->vision();
        if (seen.IsNormal())
            return;
        m_seenLine->setText(QStringLiteral("Simulated ") +
                            ColourVisionLabel(seen.vision()).toLower() + QStringLiteral(". Real ") +
                            FormatHashHex(UnpackColour(real)) + QStringLiteral(", seen ") +
                            FormatHashHex(UnpackColour(seen.See(real))));
    });
    connect(m_view, &WebPageView::textRightPressed, this, &WebPageTestWindow::AskNewText);
    connect(m_view, &WebPageView::textDoubleClicked, this, &WebPageTestWindow::ChooseFont);
}

void WebPageTestWindow::ChainTabStops()
{
    std::vector<QWidget*> stops;
    for (WebPageItem* item : m_view->ReadingOrder())
        stops.push_back(item);
    stops.insert(stops.end(), {m_borderText, m_viewAsButton, m_sampleButton, m_saveButton,
                               m_loadButton, m_exportButton});
    for (std::size_t i = 0; i < stops.size(); ++i) {
        stops[i]->setFocusPolicy(Qt::TabFocus);
        if (i > 0)
            setTabOrder(stops[i - 1], stops[i]);
    }
    // The window opens with the focus on the page.
    stops.front()->setFocus();
}

void WebPageTestWindow::SetMainColourSource(const std::function<ColorRef()>& source)
{
    m_view->SetMainColourSource(source);
    m_borderText->SetMainColourSource(source);
}

void WebPageTestWindow::Refresh()
{
    m_view->Refresh();
}

void WebPageTestWindow::SetVision(ColourVision vision)
{
    m_view->SetVision(vision);
    m_viewAsMenu->SetCurrent(vision);
    m_viewAsButton->setText(ViewAsCaption(vision));
    m_seenLine->setText(vision.kind == VisionKind::Normal
                            ? QString()
                            : QStringLiteral("Simulated ") + ColourVisionLabel(vision).toLower() +
                                  QStringLiteral(". Point at a color to compare."));
}

void WebPageTestWindow::ShowAndRaise()
{
    ShowInFront(*this);
}

void WebPageTestWindow::LoadSample(int number)
{
    if (ApplyWebPageSample(m_style, number))
        Refresh();
}

void WebPageTestWindow::AskNewText(WebText which)
{
    const std::optional<QString> typed =
        m_platform.inputBox.GetText(this, kNewTextCaption, kNewTextCaption, QString());
    if (!typed || typed->isEmpty())
        return;
    m_style.text(which).text = *typed;
    Refresh();
}

void WebPageTestWindow::ChooseFont(WebText which)
{
    FontSpec& font = m_style.text(which).font;
    const std::optional<FontChoice> chosen =
        m_platform.fontDialog.GetFont(this, WebFontChoice(font));
    if (!chosen)
        return;
    font = WebFontSpec(*chosen, font.charSet);
    Refresh();
}

void WebPageTestWindow::SaveStyleAs()
{
    const QString path = m_dialogFolders.AskSaveFile(
        DialogFileKind::WebStyles, FileRequest("Save As", kStyleFilter, "cls", true), this);
    if (path.isEmpty())
        return;
    ReportWriteFailure(path, SaveWebStyleFile(path, m_style));
}

void WebPageTestWindow::LoadStyle()
{
    const QString path = m_dialogFolders.AskOpenFile(
        DialogFileKind::WebStyles, FileRequest("Load", kStyleFilter, "cls", false), this);
    if (path.isEmpty())
        return;
    const WebStyleLoadResult loaded = LoadWebStyleFile(path, m_style);
    Refresh();
    if (!loaded.error.isEmpty())
        m_platform.messages.Information(this, loaded.error);
}

void WebPageTestWindow::ExportAsHtml()
{
    const QString path = m_dialogFolders.AskSaveFile(
        DialogFileKind::Exports, FileRequest("Export as HTML", kHtmlFilter, "htm", true), this);
    if (path.isEmpty())
        return;
    ReportWriteFailure(path, SaveWebPageAsHtml(path, m_style));
}

void WebPageTestWindow::ReportWriteFailure(const QString& path, const FileWriteResult& result)
{
    if (!result)
        m_platform.messages.Information(this, CannotCreateFileMessage(path, result.error));
}

void WebPageTestWindow::ShowSampleMenu()
{
    m_sampleMenu->popup(m_sampleButton->mapToGlobal(QPoint(0, 0)));
}

void WebPageTestWindow::ShowHelpMenu()
{
    m_helpMenu->popup(m_helpBox->mapToGlobal(QPoint(0, 0)));
}

void WebPageTestWindow::dragEnterEvent(QDragEnterEvent* event)
{
    // Dragging over the window brings it to the front; a drop on its surface does nothing.
    raise();
    event->ignore();
}
