#pragma once
// The menu of the Copy window's format list (right button) for the user's own
// text formats: "Add Text Format...", and "Edit Text Format" and "Remove Text
// Format" with one entry per format. The formats live in the settings
// (storage/UserTextFormats); the questions go through the platform.

#include "platform/Platform.h"

#include <QMenu>

class SettingsStore;

class UserFormatMenu : public QMenu
{
    Q_OBJECT
public:
    UserFormatMenu(Platform& platform, SettingsStore& settings, QWidget* parent);

    // What the entries do; `index` counts the user's formats from 0.
    void AddFormat();
    void EditFormat(int index);
    // Asks first; the format goes only on Yes.
    void RemoveFormat(int index);

signals:
    // A format was added, changed or removed.
    void formatsChanged();

private:
    void Rebuild();

    Platform& m_platform;
    SettingsStore& m_settings;
};
