#pragma once
// The desktop shell.

#include <QString>

class Shell
{
public:
    virtual ~Shell() = default;
    // Opens a document with its default viewer without waiting; false when it cannot.
    virtual bool OpenDocument(const QString& path) = 0;
};
