#pragma once
// Copying out of the main window: the Copy window (F5 and the Copy tool button),
// the quick copy menu Pop1 (the Copy tool button's right button), Ctrl+C and the
// main colour bitmap of the main colour menu. Reads and writes the Copy window's
// settings keys "copy.left", "copy.top" and "copy.prew".

#include "copy/ColourLineFormats.h"
#include "copy/CopyText.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <memory>

struct AppContext;
class QMenu;
class CopyWindow;
class ListPanel;

class CopyFeature : public QObject
{
    Q_OBJECT
public:
    // Creates the Copy window at its stored place and height. The list panel gives
    // the selected colours.
    CopyFeature(AppContext& context, const ListPanel& listPanel);
    ~CopyFeature() override;

    void ShowCopyWindow();
    void ShowQuickCopyMenu(const QPoint& globalPos);
    // One value entry of the quick copy menu.
    void QuickCopy(ValueField field);
    // A CSS form, the colour name or a format of the user's, as quick copy does.
    void QuickCopyLine(const ColourLineFormat& format);
    // Ctrl+C: the format chosen under "Ctrl+C Copies" (settings key "copy.ctrlc",
    // its caption), "HTML Style Hex" until one is chosen.
    void QuickCopyChosen();
    // Rebuilds the quick copy menu with the user's formats as they are now.
    void RefreshQuickCopyMenu();
    // 60 x 60, made from the main colour at the moment of copying.
    void CopyMainColourAsBitmap();
    // The wheel's thirteen shapes as the current style places them (quick copy menu).
    void CopyWheelAsBitmap();

    // Shut-down: "copy.left" and "copy.top" from the window's place, and "copy.prew"
    // "1" when the window is exactly at its full height, else "0".
    void WritePositionSettings();
    void WritePreviewSetting();

    CopyWindow* window() const { return m_window.get(); }
    QMenu* quickCopyMenu() const { return m_menu.get(); }

private:
    void ApplySettings();
    void BuildQuickCopyMenu();
    QVector<ColourLineFormat> LineFormats() const;
    QString ChosenCtrlCFormat() const;
    void PutOnClipboard(const CopyText& text);

    AppContext& m_context;
    const ListPanel& m_listPanel;
    std::unique_ptr<CopyWindow> m_window;
    std::unique_ptr<QMenu> m_menu;
    QPointer<QMenu> m_ctrlCMenu; // the submenu "Ctrl+C Copies", made anew with the menu
};
