#include "ui/HowToTexts.h"

#include <QStringList>

namespace {

// Up to ten lines per text; unused places stay null. The first line is the caption.
struct HowToSource
{
    std::array<const char*, 10> lines;
};

// Spelling, punctuation and blanks (leading and trailing) are the texts' own.
const HowToSource kSources[15] = {
    {{
        "How to change main color?",
        "",
        "Main color can be changed by many different ways. Some of them are:",
        "",
        "  Double clicking a color that is listed in the color list,",
        "  Dragging and dropping harmonious colors, variations, test colors, etc.,",
        "  Picking a color from the screen, ",
        "  Typing a value to the edit boxes, ",
        "  Using the sliders and ",
        "  Double clicking a color that is listed on the color history panel.",
    }},
    {{
        "How to add a color to the color list?",
        "",
        "Just drag and drop any color to the color list.",
        "You can drag main color, the colors on the color wheel, harmonious colors, variations "
        "and test colors to the color list.",
    }},
    {{
        "How to make a color websafe?",
        "",
        "Just click the \"make websafe\" button to make main color websafe. If it is already "
        "websafe, the button will be disabled. ",
        "Only main color can be made websafe.",
    }},
    {{
        "How to change the color wheel style?",
        "",
        "The appearance of the color wheel can be changed. ",
        "Right click on the main color and select \"Load Wheel Style\". Select a color wheel "
        "style and press \"Load\".",
    }},
    {{
        "How to copy color values?",
        "",
        "Color values can be copied in various formats. Click the \"Copy\" button to open the "
        "copy panel or just right click to the \"Copy\" button to see a quick list of formats. ",
        "",
        "Some of the avalible formats are:",
        "",
        "BMP, WMF, CSS, HTML Style Hex, Delphi Hex, ActionScript Hex, VC++ Hex, VB Hex and RGB.",
    }},
    {{
        "How to copy color swatches?",
        "",
        "Click the \"Copy\" button to open copy panel. ",
        "Select what you want to copy. For example, if you only want to copy the colors of the "
        "color wheel, select \"Color Wheel\".",
        "Select an apropriate format from the format list.",
        "If you want to use colors in an vector based application like Flash, then select WMF, "
        "otherwise select BMP.",
        "For more, please look at help documents.",
    }},
    {{
        "How to export color list as ACO?",
        "",
        "You can export color lists as ACO to use in Photoshop.",
        "Click the \"Export\" button and select \"Export as ACO\" from the list. ",
    }},
    {{
        "How to copy only selected colors?",
        "",
        "Select multiple colors from the color list. ",
        "Click the \"Copy\" button to open the copy panel ",
        "Select \"Selected Colors\" from the \"What do you want to copy\" list.",
        "You can select any format you want from the format list.",
        "",
        "You can also copy multiple color values by right clicking the \"Copy\" button and "
        "selecting a format.\"",
    }},
    {{
        "How to darken or lighten a color?",
        "",
        "Use the \"L\" slider to darken or light a color.",
        "The default number for luminosity is 50. If you decrease this number, the color will be "
        "darkened.If you increase this number, the color will be lightened.",
    }},
    {{
        "How to change colors?",
        "",
        "Just drag and drop any color over the parts or over the texts. You can drag and drop "
        "colors from the color list too.",
    }},
    {{
        "How to change texts?",
        "",
        "Right click on any text and type a new text. ",
    }},
    {{
        "How to change font styles?",
        "",
        "Double click on any text to open the font properties dialog. ",
    }},
    {{
        "How to change the border color?",
        "",
        "To change the border color, drag and drop a color over the text which says \"To change "
        "the border color drag and drop a color over this text.\"",
    }},
    {{
        "How to clear color history?",
        "",
        "Left click to the color history panel and",
        "select \"Clear History\". ",
    }},
    {{
        "How to enable Auto Close feature?",
        "",
        "If you want the color history panel to close automatically, left click to the color "
        "history panel and select \"Auto Close\". ",
    }},
};

QString JoinLines(const HowToSource& source)
{
    QStringList lines;
    for (const char* line : source.lines) {
        if (line)
            lines.append(QString::fromLatin1(line));
    }
    return lines.join(QLatin1Char('\r'));
}
} // namespace

const std::array<HowTo, 15>& HowToTexts()
{
    static const std::array<HowTo, 15> texts = [] {
        std::array<HowTo, 15> built;
        for (std::size_t i = 0; i < built.size(); ++i)
            built[i] = {QString::fromLatin1(kSources[i].lines[0]), JoinLines(kSources[i])};
        return built;
    }();
    return texts;
}

std::vector<HowTo> HowTosOf(HelpMenu menu)
{
    std::size_t first = 0;
    std::size_t count = 9;
    switch (menu) {
    case HelpMenu::MainWindow:
        break;
    case HelpMenu::WebTest:
        first = 9;
        count = 4;
        break;
    case HelpMenu::History:
        first = 13;
        count = 2;
        break;
    }
    const auto& all = HowToTexts();
    return {all.begin() + first, all.begin() + first + count};
}
