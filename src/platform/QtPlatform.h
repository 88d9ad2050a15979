#pragma once
// The Qt implementations of every platform interface, owned together.

#include "platform/Platform.h"

#include <memory>

class QtPlatform
{
public:
    QtPlatform();
    ~QtPlatform();
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    // References into this object: valid while it lives.
    Platform platform();

    // The session is ending: an open message box is closed (a question answered
    // No) and none is shown from now on, so that the program can write its files
    // and end without waiting for anyone.
    void EndSession();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};
