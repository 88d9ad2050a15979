#pragma once
// The Copy window: what to copy (the main colour, the colour list, its selected
// colours or the wheel), in which format, the options of that format and a
// preview. "Copy Now" and Enter anywhere in the window put the result on the
// clipboard; F5 closes the window. Shown application-modal without blocking.

#include "copy/CopyPayload.h"
#include "copy/CopySource.h"
#include "ui/widgets/FramedWindow.h"

#include <QPoint>
#include <QStringList>

class Platform;
class SettingsStore;
class ColourList;
class ListPanel;
class MainWindow;
class PanelButton;
class QKeyEvent;
class QListWidget;
class CopyOptionsPanel;
class CopyPreviewPanel;
class UserFormatMenu;

// The main window's state as the copy formats read it: the hex edit's text as
// typed, the R, G, B edits' texts, the colour list's item texts with the selected
// rows, and the wheel segments. The list's texts are built only `withListItems`:
// a long list makes them costly, and most sources never read them.
CopySourceInput TakeCopySourceInput(const MainWindow& mainWindow, const ColourList& list,
                                    const QList<int>& selectedRows, bool withListItems);

class CopyWindow : public FramedWindow
{
    Q_OBJECT
public:
    static constexpr int kFullHeight = 453;  // preview shown
    static constexpr int kShortHeight = 191; // preview hidden
    static constexpr QPoint kDefaultPosition{298, 182};

    // The list panel gives the selected colours.
    CopyWindow(Platform& platform, SettingsStore& settings, const MainWindow& mainWindow,
               const ColourList& colourList, const ListPanel& listPanel, QWidget* parent = nullptr);
    ~CopyWindow() override;

    // Shows the window; until it closes, the other windows take no input. Returns at once.
    void ShowModal();
    // Places the current result on the clipboard; a value that cannot be converted
    // is reported instead.
    void CopyNow();
    // Switches the client height between kFullHeight and kShortHeight.
    void TogglePreview();
    void SetPreviewShown(bool shown);

    CopySource source() const;
    CopyFormat format() const;
    void SetSource(CopySource source);
    void SetFormat(CopyFormat format);
    // The source colours the preview was last built from.
    const QStringList& sourceColours() const { return m_entries; }

    QListWidget* sourceList() const { return m_sourceList; }
    QListWidget* formatList() const { return m_formatList; }
    CopyOptionsPanel* options() const { return m_options; }
    CopyPreviewPanel* preview() const { return m_preview; }
    PanelButton* copyNowButton() const { return m_copyNow; }
    PanelButton* previewButton() const { return m_previewButton; }
    // The format list's menu for the user's own text formats.
    UserFormatMenu* userFormatMenu() const { return m_userFormats; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Enter copies, F5 closes, whatever control has the focus.
    bool HandleKey(const QKeyEvent& key);
    // The chosen source's colours as the main window and the list stand now.
    QStringList TakeSourceColours() const;
    void GatherSource();
    void RebuildPreview();
    // After the built-in formats: the CSS forms, the colour name, the user's formats.
    void AddLineFormats();
    // The user's formats changed: the format list is made again, the chosen
    // format kept (renamed, in its row).
    void ReloadFormats();

    Platform& m_platform;
    SettingsStore& m_settings;
    const MainWindow& m_mainWindow;
    const ColourList& m_colourList;
    const ListPanel& m_listPanel;
    // The built-in formats, then any appended at run time.
    CopyFormats m_formats;
    QListWidget* m_sourceList;
    QListWidget* m_formatList;
    CopyOptionsPanel* m_options;
    PanelButton* m_copyNow;
    PanelButton* m_previewButton;
    CopyPreviewPanel* m_preview;
    UserFormatMenu* m_userFormats;
    QStringList m_entries;
};
