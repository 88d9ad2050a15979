#pragma once
// The preview area of the Copy window: the text of a text format in the 13-pixel
// fixed-pitch face, or the bitmap of a picture format, from the top-left corner.
// Display only: it takes no mouse or keyboard input, so it neither scrolls nor
// edits, and a long result shows only its top-left part.

#include "copy/CopyPayload.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

class CopyPreviewPanel : public QWidget
{
    Q_OBJECT
public:
    explicit CopyPreviewPanel(QWidget* parent);

    void ShowText(const QString& text);
    void ShowImage(const QImage& image);
    // What can be seen of a picture or a text: a preview need hold no more.
    PreviewArea Area() const;

    QString text() const { return m_text; }
    QImage image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SplitVisibleLines();

    QString m_text;
    QStringList m_visibleLines; // only the lines that fit: a result may run to megabytes
    QImage m_image;
};
