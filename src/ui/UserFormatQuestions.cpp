#include "ui/UserFormatQuestions.h"

namespace {

const QString& Title()
{
    static const QString title = QStringLiteral("Text Format");
    return title;
}

} // namespace

std::optional<UserTextFormat> AskUserTextFormat(Platform& platform, QWidget* parent,
                                                const UserTextFormat& initial,
                                                const QStringList& takenNames)
{
    UserTextFormat format = initial;
    for (;;) {
        const std::optional<QString> name = platform.inputBox.GetText(
            parent, Title(), QStringLiteral("Name of the format:"), format.name);
        if (!name)
            return std::nullopt;
        format.name = name->trimmed();
        if (format.name.isEmpty())
            platform.messages.Information(parent, QStringLiteral("A format needs a name."));
        else if (takenNames.contains(format.name, Qt::CaseInsensitive))
            platform.messages.Information(
                parent, QStringLiteral("There is a format named \"%1\" already.").arg(format.name));
        else
            break;
    }
    const QString prompt = QStringLiteral("Text for each color; placeholders: ") +
                           TemplatePlaceholders().join(QLatin1Char(' '));
    for (;;) {
        const std::optional<QString> text =
            platform.inputBox.GetText(parent, Title(), prompt, format.text);
        if (!text)
            return std::nullopt;
        format.text = *text;
        const QString why = CheckTemplate(format.text);
        if (why.isEmpty())
            return format;
        platform.messages.Information(parent, why);
    }
}
