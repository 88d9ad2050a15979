#pragma once
// The Simple Web Page Test window: a mock web page on which colours are tried by
// drag and drop, its texts retyped (right button) and their fonts changed
// (double-click), six sample colourings, and the page saved and loaded as a
// ".cls" style file or exported as an HTML document. The page is one
// WebPageStyle; every change goes to it and the page is drawn again from it.
// Closing only hides the window; the page stays as it was. Tab visits the page's
// parts and texts, then the border text and the buttons.

#include "colour/ColourVision.h"
#include "state/WebPageStyle.h"
#include "ui/widgets/FramedWindow.h"

#include <QPoint>
#include <QSize>

#include <functional>

class Platform;
class DialogFolders;
class CommandTable;
class TipWindow;
struct FileWriteResult;
class ClickableBox;
class PanelButton;
class QLabel;
class QMenu;
class ViewAsMenu;
class WebPageItem;
class WebPageView;

class WebPageTestWindow : public FramedWindow
{
    Q_OBJECT
public:
    static constexpr QSize kClientSize{563, 329};
    static constexpr QPoint kDefaultPosition{242, 337};

    explicit WebPageTestWindow(Platform& platform, DialogFolders& dialogFolders,
                               CommandTable& commands, TipWindow& tip, QWidget* parent = nullptr);
    ~WebPageTestWindow() override;

    // Shows the window, or brings it to the front; nothing on the page changes.
    void ShowAndRaise();

    const WebPageStyle& style() const { return m_style; }
    // Where Enter and Space on a part, a text or the border text find the main colour.
    void SetMainColourSource(const std::function<ColorRef()>& source);
    // "Load Sample 1" .. "Load Sample 6".
    void LoadSample(int number);

    // Right button on a text: "Type New String"; an empty text or Cancel keeps it.
    void AskNewText(WebText which);
    // Double-click on a text: the font dialog, preset with the text's font and colour.
    void ChooseFont(WebText which);
    void SaveStyleAs();
    void LoadStyle();
    void ExportAsHtml();

    void ShowSampleMenu();
    void ShowHelpMenu();

    // "View as", from the button under the border text: only the page's drawing
    // changes. While a view is simulated, the line above the button names it and
    // gives the real and the seen colour of the part or text under the pointer.
    void SetVision(ColourVision vision);
    PanelButton* viewAsButton() const { return m_viewAsButton; }
    ViewAsMenu* viewAsMenu() const { return m_viewAsMenu; }
    QLabel* seenLine() const { return m_seenLine; }

    WebPageView* view() const { return m_view; }
    WebPageItem* borderText() const { return m_borderText; }
    PanelButton* sampleButton() const { return m_sampleButton; }
    PanelButton* saveButton() const { return m_saveButton; }
    PanelButton* loadButton() const { return m_loadButton; }
    PanelButton* exportButton() const { return m_exportButton; }
    QMenu* sampleMenu() const { return m_sampleMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }
    ClickableBox* helpBox() const { return m_helpBox; }

signals:
    // The user chose a view in the menu.
    void visionChosen(ColourVision vision);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void WireView();
    void ChainTabStops();
    void Refresh();
    // "Cannot create file" with the system's reason, when the write failed.
    void ReportWriteFailure(const QString& path, const FileWriteResult& result);

    Platform& m_platform;
    DialogFolders& m_dialogFolders;
    CommandTable& m_commands;
    TipWindow& m_tip;
    WebPageStyle m_style;
    WebPageView* m_view = nullptr;
    WebPageItem* m_borderText = nullptr;
    PanelButton* m_sampleButton = nullptr;
    PanelButton* m_saveButton = nullptr;
    PanelButton* m_loadButton = nullptr;
    PanelButton* m_exportButton = nullptr;
    QMenu* m_sampleMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    ClickableBox* m_helpBox = nullptr;
    PanelButton* m_viewAsButton = nullptr;
    ViewAsMenu* m_viewAsMenu = nullptr;
    QLabel* m_seenLine = nullptr;
};
