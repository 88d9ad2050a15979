#pragma once
// The Load Wheel Style window: ten named styles; "OK" applies the chosen one.

#include "ui/widgets/FramedWindow.h"

class PanelButton;
class QListWidget;

// Display names of the styles, in list order.
const QStringList& WheelStyleNames();
// The style text of entry `index`: a file of the style's name ("circle1.wst" ...)
// in the program folder overrides the built-in text; one that cannot be read (a
// pipe, a folder, more than kMaxSmallFileBytes) does not.
QString LoadWheelStyleText(const QString& programDirectory, int index);

class WheelStyleWindow : public FramedWindow
{
    Q_OBJECT
public:
    explicit WheelStyleWindow(const QString& programDirectory);

    // Shows the window modally, centred horizontally on the main window, 50 pixels
    // below its top.
    void ShowFor(const QWidget* mainWindow);

    QListWidget* styleList() const { return m_list; }
    PanelButton* okButton() const { return m_ok; }

signals:
    void styleChosen(const QString& styleText);

private:
    QString m_programDirectory;
    QListWidget* m_list;
    PanelButton* m_ok;
};
