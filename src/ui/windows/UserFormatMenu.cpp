#include "ui/windows/UserFormatMenu.h"

#include "copy/ColourLineFormats.h"
#include "storage/UserTextFormats.h"
#include "ui/UserFormatQuestions.h"

namespace {

// The captions a new or renamed format may not take: the built-in line formats'
// and the other user formats'.
QStringList TakenNames(const QVector<UserTextFormat>& formats, int except)
{
    QStringList names;
    for (const ColourLineFormat& format : ColourLineFormats({}))
        names << format.caption;
    for (int i = 0; i < formats.size(); ++i)
        if (i != except)
            names << formats[i].name;
    return names;
}

} // namespace

UserFormatMenu::UserFormatMenu(Platform& platform, SettingsStore& settings, QWidget* parent)
    : QMenu(parent), m_platform(platform), m_settings(settings)
{
    connect(this, &QMenu::aboutToShow, this, &UserFormatMenu::Rebuild);
    Rebuild();
}

void UserFormatMenu::Rebuild()
{
    clear();
    addAction(QStringLiteral("&Add Text Format..."), this, &UserFormatMenu::AddFormat);
    QMenu* edit = addMenu(QStringLiteral("&Edit Text Format"));
    QMenu* remove = addMenu(QStringLiteral("&Remove Text Format"));
    const QVector<UserTextFormat> formats = LoadUserTextFormats(m_settings);
    for (int i = 0; i < formats.size(); ++i) {
        edit->addAction(formats[i].name, this, [this, i] { EditFormat(i); });
        remove->addAction(formats[i].name, this, [this, i] { RemoveFormat(i); });
    }
    edit->setEnabled(!formats.isEmpty());
    remove->setEnabled(!formats.isEmpty());
}

void UserFormatMenu::AddFormat()
{
    QVector<UserTextFormat> formats = LoadUserTextFormats(m_settings);
    const std::optional<UserTextFormat> made =
        AskUserTextFormat(m_platform, parentWidget(), {}, TakenNames(formats, -1));
    if (!made)
        return;
    formats.append(*made);
    SaveUserTextFormats(m_settings, formats);
    emit formatsChanged();
}

void UserFormatMenu::EditFormat(int index)
{
    QVector<UserTextFormat> formats = LoadUserTextFormats(m_settings);
    if (index < 0 || index >= formats.size())
        return;
    const std::optional<UserTextFormat> changed =
        AskUserTextFormat(m_platform, parentWidget(), formats[index], TakenNames(formats, index));
    if (!changed)
        return;
    formats[index] = *changed;
    SaveUserTextFormats(m_settings, formats);
    emit formatsChanged();
}

void UserFormatMenu::RemoveFormat(int index)
{
    QVector<UserTextFormat> formats = LoadUserTextFormats(m_settings);
    if (index < 0 || index >= formats.size() ||
        !m_platform.messages.Question(
            parentWidget(),
            QStringLiteral("Are you sure to remove the format \"%1\"?").arg(formats[index].name),
            QStringLiteral("Remove?")))
        return;
    formats.removeAt(index);
    SaveUserTextFormats(m_settings, formats);
    emit formatsChanged();
}
