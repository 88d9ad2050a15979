#pragma once
// The system clipboard. Every setter replaces the whole content.

#include <QImage>
#include <QString>

class QMimeData;

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    virtual void SetText(const QString& text) = 0;
    virtual void SetImage(const QImage& image) = 0;
    // Takes ownership of data.
    virtual void SetMimeData(QMimeData* data) = 0;
    virtual QString Text() const = 0;
};
