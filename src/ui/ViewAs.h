#pragma once
// "View as" on the test panels: the menu that picks normal vision or one of the
// four simulated deficiencies with its severity, the texts that tell the user a
// view is simulated, and the settings value that keeps the choice. Only what is
// drawn changes; drops, readouts, schemes, style files and exports keep the real
// colours.

#include "colour/ColourVision.h"

#include <QMenu>
#include <QString>

class QActionGroup;
class SettingsStore;

// "Normal", "Deuteranopia 1.0", "Protanomaly 0.4" (below 1.0 the red-green and
// blue-yellow kinds are anomalous trichromacy, named as such; achromatopsia keeps
// its name).
QString ColourVisionLabel(ColourVision vision);
// "View as: Normal", "View as: Deuteranopia 1.0".
QString ViewAsCaption(ColourVision vision);
// The hint line's addition while a view is simulated: "| Simulated, seen: #A39000 "
// for a real colour; empty for the normal view.
QString SeenHintSuffix(const VisionSimulator& simulator, ColorRef real);
// The contrast tooltip of a text on a background, with a third line "As seen with
// deuteranopia 1.0: 3.2:1" while a view is simulated.
QString SeenContrastToolTip(const VisionSimulator& simulator, ColorRef text, ColorRef background);

// The settings value is the command line's KIND[:SEVERITY]; anything unreadable is
// the normal view.
ColourVision ReadViewAsSetting(const SettingsStore& settings, const QString& key);
void WriteViewAsSetting(SettingsStore& settings, const QString& key, ColourVision vision);

// "Normal", then one submenu per kind with the severities 0.1 .. 1.0; the current
// choice is checked.
class ViewAsMenu : public QMenu
{
    Q_OBJECT
public:
    explicit ViewAsMenu(QWidget* parent);

    void SetCurrent(ColourVision vision);

signals:
    void chosen(ColourVision vision);

private:
    QActionGroup* m_group;
};
