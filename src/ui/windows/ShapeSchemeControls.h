#pragma once
// The Shape Test's colour schemes: the " Saved Schemes" caption, the scheme list of
// "*.shm" files in the program folder, "Save Scheme" and "Restore to Default Colors",
// placed in the window's side column, and the commands behind them. The scheme
// record is refreshed after every drop on the test area.

#include "state/ColourScheme.h"

#include <QObject>
#include <QString>

class Platform;
class PanelButton;
class QLabel;
class QListWidget;
class ShapeTestArea;

class ShapeSchemeControls : public QObject
{
    Q_OBJECT
public:
    // The controls become children of `column`; questions and messages are shown
    // over `window`. The scheme list is read at once.
    ShapeSchemeControls(Platform& platform, const QString& programDirectory, ShapeTestArea& area,
                        QWidget* column, QWidget* window);

    // "Save Scheme": asks the name ("Type a Filename"), asks "Replace?" for a file
    // that exists, writes the record and reads the list again. An empty or unusable
    // name and a failed write are reported; nothing changes then.
    void Save();
    // A click on a list entry: asks "Continue?" while the scheme has changed, then
    // loads the file onto the current layout. A value that is no colour stops the
    // load there with its message; the colours set before it stay.
    void LoadRow(int row);
    // The Delete key in the list: asks "Delete?", deletes the selected file and its
    // entry, or reports "Can not delete!: " with the path.
    void DeleteSelected();
    // "Restore to Default Colors": asks "Restore?" while the scheme has changed, then
    // brings back the colours of the layout built last.
    void Restore();
    // After every drop on the test area.
    void RefreshRecord();

    // Reads the folder's scheme files into the list.
    void ReadSchemeList();
    // Shut-down: the list lets go of its entries.
    void ReleaseSchemeList();

    const ColourScheme& scheme() const { return m_scheme; }
    QLabel* caption() const { return m_caption; }
    QListWidget* schemeList() const { return m_list; }
    PanelButton* saveButton() const { return m_save; }
    PanelButton* restoreButton() const { return m_restore; }

private:
    // Paints the colours a load or restore left and reports its message, if any.
    void ShowColours(const ShapeTestColours& colours, const QString& error);

    Platform& m_platform;
    QString m_programDirectory;
    ShapeTestArea& m_area;
    QWidget* m_window;
    ColourScheme m_scheme;
    QLabel* m_caption;
    QListWidget* m_list;
    PanelButton* m_save;
    PanelButton* m_restore;
};
