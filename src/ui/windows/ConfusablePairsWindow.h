#pragma once
// "Colors Hard to Tell Apart": for a set of colours (the colour list, a Shape Test
// scheme), the pairs that people with each colour-vision deficiency can hardly
// tell apart (FindConfusablePairs at full severity), each row with the two real
// swatches and, after a gap, the two as seen. Choosing a row reports the pair, so
// the list can select both items. Closing only hides the window.

#include "colour/ConfusablePairs.h"
#include "ui/widgets/FramedWindow.h"

#include <QStringList>

#include <functional>
#include <vector>

class QLabel;
class QListWidget;

class ConfusablePairsWindow : public FramedWindow
{
    Q_OBJECT
public:
    // Rows of the pairs shown per kind; the search stops there (see ConfusionLimits).
    static constexpr std::size_t kMaxPairsPerKind = 500;

    explicit ConfusablePairsWindow(QWidget* parent = nullptr);

    // Searches `colours` (names[i], when given, names colour i in the rows) for each
    // deficiency and shows the result in front.
    void ShowPairs(const std::vector<ColorRef>& colours, const QStringList& names = {});

    QListWidget* pairList() const { return m_list; }

signals:
    // A row was chosen: the indices into the colours shown, first < second.
    void pairChosen(int first, ColorRef firstColour, int second, ColorRef secondColour);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QListWidget* m_list;
    QLabel* m_note;
    std::vector<ColorRef> m_colours;
};
