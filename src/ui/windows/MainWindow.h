#pragma once
// The main window: the main colour with its values, wheel, harmonies and
// variations, the tool bar, the status line and the keyboard map that every key
// passes first. Tool windows and the colour list hook in through signals.

#include "copy/CopySource.h"
#include "platform/Platform.h"
#include "state/MainColour.h"
#include "ui/Commands.h"
#include "ui/widgets/FramedWindow.h"

#include <array>

class ClickableBox;
class MainValuesPanel;
class PanelButton;
class PictureButton;
class QLabel;
class QMenu;
class QImage;
class QProgressBar;
class StatusLine;
class QAction;
class WheelStyleWindow;
class WheelPanel;

class MainWindow : public FramedWindow
{
    Q_OBJECT
public:
    enum ToolButton
    {
        EyeDropperButton,
        ColourDialogButton,
        CopyButton,
        UndoButton,
        RedoButton,
        WebsafeButton,
        ShapeTestButton,
        WebTestButton,
        ExportButton,
        AboutButton,
        ToolButtonCount
    };

    // Handles Make Websafe, super-minimize and stay on top in `commands`; every
    // other key of the map, tool button and panel button runs its command there.
    MainWindow(Platform& platform, MainColour& mainColour, const QString& programDirectory,
               CommandTable& commands);
    ~MainWindow() override;

    CommandTable& commands() const { return m_commands; }

    QString statusText() const { return m_statusText; }
    void SetStatusText(const QString& text);
    bool IsStayOnTop() const { return m_stayOnTop; }
    void SetStayOnTop(bool on);
    void ShowMainColourMenu(const QPoint& globalPos);
    // Centre of the Export tool button in global coordinates, where the Export menu opens.
    QPoint ExportMenuPosition() const;

    // The progress bar under the colour list, hidden except while a list loads or
    // exports: shown from 0 to `maximum`, moved on (and painted at once, as the
    // work runs on this thread), hidden.
    void ShowProgress(int maximum);
    void SetProgress(int value);
    void HideProgress();
    // The value edits as typed (hex and R, G, B) and the wheel's segment colours,
    // as the copy formats read them; the list's part is left empty.
    CopySourceInput ValueTexts() const;
    // The wheel with its harmonies as drawn now, for the clipboard.
    QImage WheelPicture() const;
    WheelStyleWindow* wheelStyleWindow() const { return m_wheelStyleWindow; }

signals:
    void helpMenuRequested(const QPoint& globalPos);
    // The "List" button or a right press on the " Color List" heading.
    void listMenuRequested(const QPoint& globalPos);
    void copyMainColourRequested();
    // The window was closed: the program ends.
    void closing();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildTitleStrip();
    void BuildToolBar();
    void BuildMenus();
    void BuildButtons();
    void OnColourChanged(ColourChange origin);
    void OnToolButtonHovered(ToolButton button);
    void OnToolButtonPressed(ToolButton button, Qt::MouseButton mouseButton);
    void OnToolButtonClicked(ToolButton button);
    void MinimizeApplication();
    // Ctrl+V: a clipboard holding one CSS color text sets the main colour; the
    // status line says what became of it. False when the key is left to an edit.
    bool PasteColour();

    Platform& m_platform;
    MainColour& m_mainColour;
    CommandTable& m_commands;
    QString m_programDirectory;
    MainValuesPanel* m_values = nullptr;
    WheelPanel* m_wheel = nullptr;
    std::array<PictureButton*, ToolButtonCount> m_toolButtons{};
    PanelButton* m_moreButton = nullptr;
    PanelButton* m_saveAsButton = nullptr;
    PanelButton* m_loadButton = nullptr;
    PanelButton* m_listButton = nullptr;
    QLabel* m_listHeading = nullptr;
    ClickableBox* m_helpBox = nullptr;
    ClickableBox* m_pinBox = nullptr;
    ClickableBox* m_minimizeBox = nullptr;
    StatusLine* m_statusLine = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QString m_statusText;
    QMenu* m_mainColourMenu = nullptr;
    QAction* m_addMainColourAction = nullptr;
    QAction* m_copyWheelAction = nullptr;
    QMenu* m_titleMenu = nullptr;
    QAction* m_stayOnTopAction = nullptr;
    bool m_stayOnTop = false;
    WheelStyleWindow* m_wheelStyleWindow = nullptr;
};
