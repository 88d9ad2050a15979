#pragma once
// The main window's status line: black word-wrapped text in the
// 11-pixel bitmap face, explaining whatever the pointer is over. A text that needs
// more lines than the line has room for is cut short in its help part, so the
// colour readout on its last line always shows whole.

#include <QLabel>

class StatusLine : public QLabel
{
    Q_OBJECT
public:
    explicit StatusLine(QWidget* parent);

    // `text` breaks lines with a lone CR, as the program's texts do.
    void ShowText(const QString& text);
};
